#include "grid/FileList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qorvel {
namespace {

class FileListTest : public ::testing::Test {
protected:
    void append(const std::string& name) { AppendEntry(grid, fileCount, "/p/" + name, name); }

    // Column 1 of every row below the headings.
    std::vector<std::string> names() const {
        std::vector<std::string> cells;
        for (int row = 1; row < grid.rowCount(); ++row) {
            cells.push_back(grid.cell(1, row));
        }
        return cells;
    }

    StringGrid grid;
    std::int32_t fileCount = 0;
};

TEST_F(FileListTest, ThreeAppendsGiveFiveRows) {
    append("a");
    append("b");
    append("c");
    EXPECT_EQ(fileCount, 3);
    EXPECT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(names(), (std::vector<std::string>{"a", "b", "c", ""}));
    EXPECT_EQ(grid.cell(0, 2), "/p/b");
    EXPECT_EQ(entryCount(grid), 3);
}

TEST_F(FileListTest, AppendLeavesTheTitleColumnAlone) {
    grid.setCell(2, 1, "old title");
    append("a");
    EXPECT_EQ(grid.cell(2, 1), "old title");
}

TEST_F(FileListTest, DeleteThenAppendPutsTheNewEntryAfterTheRest) {
    append("a");
    append("b");
    append("c");
    // The window's deletion: the row goes, the last row is emptied, the count follows.
    grid.deleteRow(2);
    for (int col = 0; col < 3; ++col) {
        grid.setCell(col, grid.rowCount() - 1, "");
    }
    fileCount = grid.rowCount() - 2;
    append("d");
    EXPECT_EQ(names(), (std::vector<std::string>{"a", "c", "d", ""}));
    EXPECT_EQ(grid.rowCount(), fileCount + 2);
}

TEST_F(FileListTest, AppendRowsFillsEachNewRowThenCounts) {
    append("a");
    std::vector<int> filled;
    appendRows(grid, fileCount, 3, [&](int row, int index) {
        EXPECT_EQ(grid.rowCount(), row + 2) << "an empty final row follows the filled one";
        EXPECT_EQ(fileCount, 1) << "the count rises after the last line";
        grid.setCell(0, row, "/q/" + std::to_string(index));
        filled.push_back(row);
    });
    EXPECT_EQ(filled, (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(fileCount, 4);
    EXPECT_EQ(grid.rowCount(), 6);
    EXPECT_EQ(walkedRows(grid), (std::vector<int>{1, 2, 3, 4}));
}

class FileListClear : public ::testing::TestWithParam<int> {};

TEST_P(FileListClear, AnyLengthGivesTheEmptyList) {
    StringGrid grid;
    std::int32_t fileCount = 0;
    for (int i = 0; i < GetParam(); ++i) {
        AppendEntry(grid, fileCount, "/p/x", "x");
        grid.setCell(2, fileCount, "t");
    }
    clearList(grid, fileCount);
    EXPECT_EQ(fileCount, 0);
    EXPECT_EQ(grid.rowCount(), 2);
    for (int col = 0; col < 3; ++col) {
        EXPECT_EQ(grid.cell(col, 1), "");
    }
    EXPECT_TRUE(walkedRows(grid).empty());
}

INSTANTIATE_TEST_SUITE_P(Lengths, FileListClear, ::testing::Values(0, 1, 2, 7, 1000));

TEST_F(FileListTest, WalkStopsBeforeTheFirstEmptyPath) {
    append("a");
    append("b");
    append("c");
    grid.setCell(0, 2, "");
    EXPECT_EQ(walkedRows(grid), (std::vector<int>{1}));
    EXPECT_EQ(walkedRows(grid, 3), (std::vector<int>{3}));
}

TEST_F(FileListTest, WalkReadsCellsNotCounts) {
    append("a");
    grid.setCell(0, 2, "/beyond/the/last/row");
    EXPECT_EQ(walkedRows(grid), (std::vector<int>{1, 2}));
}

} // namespace
} // namespace qorvel
