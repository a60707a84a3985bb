#include "grid/StringGrid.h"

#include "base/Messages.h"
#include "base/PlatformError.h"

#include <algorithm>
#include <utility>

namespace qorvel {
namespace {

// Where an index ends up when the item at from is taken out and put in at to.
int followMove(int index, int from, int to) {
    if (index == from) {
        return to;
    }
    if (from < to && index > from && index <= to) {
        return index - 1;
    }
    if (to < from && index >= to && index < from) {
        return index + 1;
    }
    return index;
}

[[noreturn]] void throwGridIndex() {
    throw PlatformError(gridIndexMessage());
}

} // namespace

StringGrid::StringGrid() = default;

template <typename Call> void StringGrid::notify(Call call) {
    // By index: an observer may add or remove observers while it is told.
    for (std::size_t i = 0; i < observers_.size(); ++i) {
        call(*observers_[i]);
    }
}

void StringGrid::addObserver(GridChangeObserver* observer) {
    if (observer != nullptr &&
        std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) {
        observers_.push_back(observer);
    }
}

void StringGrid::removeObserver(GridChangeObserver* observer) {
    std::erase(observers_, observer);
}

void StringGrid::setRowCount(int count) {
    count = std::max(count, 1);
    if (count == rowCount_) {
        return;
    }
    const int old = rowCount_;
    notify([&](GridChangeObserver& o) { o.rowCountAboutToChange(old, count); });
    if (count < old) {
        cells_.clearRows(count, old);
    }
    rowCount_ = count;
    notify([&](GridChangeObserver& o) { o.rowCountChanged(old, count); });
    pullCurrentInside();
}

void StringGrid::setColCount(int count) {
    count = std::max(count, 1);
    if (count == colCount_) {
        return;
    }
    const int old = colCount_;
    notify([&](GridChangeObserver& o) { o.colCountAboutToChange(old, count); });
    colCount_ = count;
    notify([&](GridChangeObserver& o) { o.colCountChanged(old, count); });
    pullCurrentInside();
}

void StringGrid::pullCurrentInside() {
    bool changed = false;
    if (anchorRow_ >= rowCount_ || anchorCol_ >= colCount_) {
        anchorRow_ = std::min(anchorRow_, rowCount_ - 1);
        anchorCol_ = std::min(anchorCol_, colCount_ - 1);
        changed = true;
    }
    if (row_ >= rowCount_ || col_ >= colCount_) {
        const int col = std::min(col_, colCount_ - 1);
        const int row = std::min(row_, rowCount_ - 1);
        raiseSelectCell(col, row);
        col_ = anchorCol_ = col;
        row_ = anchorRow_ = row;
        changed = true;
    }
    if (changed) {
        notify([](GridChangeObserver& o) { o.currentChanged(); });
    }
}

void StringGrid::setCell(int col, int row, std::string value) {
    if (col < 0 || row < 0) {
        throwGridIndex();
    }
    // Writing what a cell already holds tells the views nothing new.
    if (cells_.cell(col, row) == value) {
        return;
    }
    cells_.setCell(col, row, std::move(value));
    notify([&](GridChangeObserver& o) { o.cellsChanged({col, row, col, row}); });
}

bool StringGrid::isSelectable(int col, int row) const {
    return col >= fixedCols() && col < colCount_ && row >= fixedRows() && row < rowCount_;
}

void StringGrid::checkSelectable(int col, int row) const {
    if (!isSelectable(col, row)) {
        throwGridIndex();
    }
}

void StringGrid::setCol(int col) {
    programMove(col, row_);
}

void StringGrid::setRow(int row) {
    programMove(col_, row);
}

void StringGrid::focusCell(int col, int row) {
    programMove(col, row);
}

void StringGrid::programMove(int col, int row) {
    if (col == col_ && row == row_) {
        return;
    }
    checkSelectable(col, row);
    raiseSelectCell(col, row);
    moveCurrent(col, row, false);
    raiseClick();
}

void StringGrid::moveCurrentByUser(int col, int row, bool keepAnchor) {
    checkSelectable(col, row);
    raiseSelectCell(col, row);
    moveCurrent(col, row, keepAnchor && options_ == GridOptions::RowSelecting);
}

void StringGrid::moveCurrent(int col, int row, bool keepAnchor) {
    col_ = col;
    row_ = row;
    if (!keepAnchor) {
        anchorCol_ = col;
        anchorRow_ = row;
    }
    notify([](GridChangeObserver& o) { o.currentChanged(); });
}

void StringGrid::extendSelectionTo(int row) {
    if (options_ != GridOptions::RowSelecting || rowCount_ <= fixedRows()) {
        return;
    }
    row = std::clamp(row, fixedRows(), rowCount_ - 1);
    if (row == anchorRow_) {
        return;
    }
    anchorRow_ = row;
    notify([](GridChangeObserver& o) { o.currentChanged(); });
}

void StringGrid::raiseSelectCell(int col, int row) {
    if (sink_ != nullptr) {
        sink_->selectCell(col, row);
    }
}

void StringGrid::raiseClick() {
    if (sink_ != nullptr) {
        sink_->click();
    }
}

GridRect StringGrid::selection() const {
    if (options_ == GridOptions::Editing) {
        return {col_, row_, col_, row_};
    }
    return {fixedCols(), std::min(anchorRow_, row_), colCount_ - 1, std::max(anchorRow_, row_)};
}

void StringGrid::setOptions(GridOptions options) {
    if (options == options_) {
        return;
    }
    options_ = options;
    anchorCol_ = col_;
    anchorRow_ = row_;
    notify([](GridChangeObserver& o) { o.optionsChanged(); });
    notify([](GridChangeObserver& o) { o.currentChanged(); });
}

void StringGrid::moveRow(int from, int to) {
    if (from < 0 || to < 0 || from > rowCount_ || to > rowCount_) {
        throwGridIndex();
    }
    if (from == to) {
        return;
    }
    notify([&](GridChangeObserver& o) { o.rowsAboutToMove(from, to); });
    cells_.moveRow(from, to);
    const int row = followMove(row_, from, to);
    const int anchorRow = followMove(anchorRow_, from, to);
    const bool currentMoved = row != row_ || anchorRow != anchorRow_;
    row_ = row;
    anchorRow_ = anchorRow;
    notify([&](GridChangeObserver& o) { o.rowsMoved(from, to); });
    if (currentMoved) {
        notify([](GridChangeObserver& o) { o.currentChanged(); });
    }
}

void StringGrid::moveColumn(int from, int to) {
    if (from < 0 || to < 0 || from > colCount_ || to > colCount_) {
        throwGridIndex();
    }
    if (from == to) {
        return;
    }
    notify([&](GridChangeObserver& o) { o.columnsAboutToMove(from, to); });
    cells_.moveColumn(from, to);
    const int col = followMove(col_, from, to);
    const int anchorCol = followMove(anchorCol_, from, to);
    const bool currentMoved = col != col_ || anchorCol != anchorCol_;
    col_ = col;
    anchorCol_ = anchorCol;
    notify([&](GridChangeObserver& o) { o.columnsMoved(from, to); });
    if (currentMoved) {
        notify([](GridChangeObserver& o) { o.currentChanged(); });
    }
}

void StringGrid::deleteRow(int row) {
    moveRow(row, rowCount_ - 1);
    setRowCount(rowCount_ - 1);
}

void StringGrid::deleteColumn(int col) {
    moveColumn(col, colCount_ - 1);
    setColCount(colCount_ - 1);
}

} // namespace qorvel
