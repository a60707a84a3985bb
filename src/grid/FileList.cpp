#include "grid/FileList.h"

namespace qorvel {

void AppendEntry(StringGrid& grid, std::int32_t& fileCount, const std::string& path,
                 const std::string& name) {
    ++fileCount;
    grid.setRowCount(grid.rowCount() + 1);
    grid.setCell(0, fileCount, path);
    grid.setCell(1, fileCount, name);
}

void appendRows(StringGrid& grid, std::int32_t& fileCount, int lineCount,
                const std::function<void(int row, int index)>& fill) {
    for (int i = 0; i < lineCount; ++i) {
        grid.setRowCount(grid.rowCount() + 1);
        fill(fileCount + 1 + i, i);
    }
    if (lineCount > 0) {
        fileCount += lineCount;
    }
}

void clearList(StringGrid& grid, std::int32_t& fileCount) {
    grid.setRowCount(2);
    fileCount = 0;
    for (int col = 0; col < 3; ++col) {
        grid.setCell(col, 1, std::string());
    }
}

void walkEntries(const StringGrid& grid, int startRow, const std::function<void(int row)>& visit) {
    for (int row = startRow; !grid.cell(0, row).empty(); ++row) {
        visit(row);
    }
}

std::vector<int> walkedRows(const StringGrid& grid, int startRow) {
    std::vector<int> rows;
    walkEntries(grid, startRow, [&rows](int row) { rows.push_back(row); });
    return rows;
}

int entryCount(const StringGrid& grid) {
    return grid.rowCount() - 2;
}

} // namespace qorvel
