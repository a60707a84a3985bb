#include "grid/CellStore.h"

#include <algorithm>
#include <utility>

namespace qorvel {
namespace {

const std::string& emptyText() {
    static const std::string empty;
    return empty;
}

// Moves the element at from to to within items, the ones between shifting by one.
template <typename Items> void moveItem(Items& items, std::size_t from, std::size_t to) {
    if (from < to) {
        std::rotate(items.begin() + from, items.begin() + from + 1, items.begin() + to + 1);
    } else if (to < from) {
        std::rotate(items.begin() + to, items.begin() + from, items.begin() + from + 1);
    }
}

} // namespace

const std::string& CellStore::cell(int col, int row) const {
    if (col < 0 || row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        return emptyText();
    }
    const Row& cells = rows_[row];
    return static_cast<std::size_t>(col) < cells.size() ? cells[col] : emptyText();
}

void CellStore::setCell(int col, int row, std::string value) {
    if (col < 0 || row < 0) {
        return;
    }
    if (static_cast<std::size_t>(row) >= rows_.size()) {
        if (value.empty()) {
            return;
        }
        rows_.resize(row + 1);
    }
    Row& cells = rows_[row];
    if (static_cast<std::size_t>(col) >= cells.size()) {
        if (value.empty()) {
            return;
        }
        cells.resize(col + 1);
    }
    cells[col] = std::move(value);
}

void CellStore::clearRow(int row) {
    clearRows(row, row + 1);
}

void CellStore::clearRows(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, storedRows());
    for (int row = first; row < last; ++row) {
        Row().swap(rows_[row]);
    }
    trimTail();
}

void CellStore::moveRow(int from, int to) {
    if (from < 0 || to < 0 || from == to) {
        return;
    }
    const int last = std::max(from, to);
    if (std::min(from, to) >= storedRows()) {
        return; // every row involved is empty
    }
    if (last >= storedRows()) {
        rows_.resize(last + 1);
    }
    moveItem(rows_, from, to);
    trimTail();
}

void CellStore::moveColumn(int from, int to) {
    if (from < 0 || to < 0 || from == to) {
        return;
    }
    const std::size_t first = std::min(from, to);
    const std::size_t last = std::max(from, to);
    for (Row& cells : rows_) {
        if (cells.size() <= first) {
            continue; // every cell involved is empty
        }
        if (cells.size() <= last) {
            cells.resize(last + 1);
        }
        moveItem(cells, from, to);
    }
}

void CellStore::trimTail() {
    while (!rows_.empty() && rows_.back().empty()) {
        rows_.pop_back();
    }
}

} // namespace qorvel
