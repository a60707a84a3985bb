#pragma once

#include "grid/StringGrid.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qorvel {

// The file list's rules over its grid: column 0 full path, 1 file name, 2 page title; headings in
// row 0, entries in rows 1 to fileCount, one empty final row, so the row count is fileCount + 2.
// fileCount is the window's FileCount.

// One entry at the end: fileCount rises by one, the row count by one, then columns 0 and 1 of
// row fileCount are written (column 2 is left as it is).
void AppendEntry(StringGrid& grid, std::int32_t& fileCount, const std::string& path,
                 const std::string& name);

// The lines of a list file: for the i-th line (from 0) the row count rises by one, then
// fill(fileCount + 1 + i, i) sets that row; after the last line fileCount rises by lineCount.
// A fill that throws leaves the rows added so far and fileCount as it was.
void appendRows(StringGrid& grid, std::int32_t& fileCount, int lineCount,
                const std::function<void(int row, int index)>& fill);

// The empty list: row count 2, fileCount 0, the three cells of row 1 emptied.
void clearList(StringGrid& grid, std::int32_t& fileCount);

// The walk: from startRow on, each row while its column 0 is not empty. Reads cells only; the
// counts are never looked at.
void walkEntries(const StringGrid& grid, int startRow, const std::function<void(int row)>& visit);
std::vector<int> walkedRows(const StringGrid& grid, int startRow = 1);

// The number of entries as the sorts count them: the row count minus 2.
int entryCount(const StringGrid& grid);

} // namespace qorvel
