#pragma once

#include <string>
#include <vector>

namespace qorvel {

// The cells of a string grid, addressed (column, row) from 0 and kept apart from the grid's
// counts: any cell can be written, a cell never written reads as empty text. Rows are held as
// short vectors, so lists of a hundred thousand rows stay cheap to grow, read and reorder.
class CellStore {
public:
    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string value);

    // Empties every cell of the row.
    void clearRow(int row);
    // Empties every cell of the rows first .. last - 1.
    void clearRows(int first, int last);

    // The row at from is taken out and put in at to; the rows between shift by one.
    void moveRow(int from, int to);
    // The same for columns, in every row.
    void moveColumn(int from, int to);

    // One past the last row that holds storage (not necessarily a non-empty cell).
    int storedRows() const { return static_cast<int>(rows_.size()); }

private:
    using Row = std::vector<std::string>;
    void trimTail();

    std::vector<Row> rows_;
};

} // namespace qorvel
