#include "grid/CellStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qorvel {
namespace {

// Rows 0..count-1 of column 0 as one string each.
std::vector<std::string> column0(const CellStore& store, int count) {
    std::vector<std::string> cells;
    for (int row = 0; row < count; ++row) {
        cells.push_back(store.cell(0, row));
    }
    return cells;
}

CellStore numbered(int count) {
    CellStore store;
    for (int row = 0; row < count; ++row) {
        store.setCell(0, row, std::to_string(row));
    }
    return store;
}

TEST(CellStore, NeverWrittenCellsReadEmptyAndAnyCellCanBeWritten) {
    CellStore store;
    EXPECT_EQ(store.cell(0, 0), "");
    EXPECT_EQ(store.cell(7, 100000), "");
    EXPECT_EQ(store.cell(-1, -1), "");
    store.setCell(5, 250000, "far");
    EXPECT_EQ(store.cell(5, 250000), "far");
    EXPECT_EQ(store.cell(4, 250000), "");
    EXPECT_EQ(store.cell(5, 249999), "");
}

TEST(CellStore, ClearRowsEmptiesOnlyThoseRows) {
    CellStore store = numbered(5);
    store.setCell(2, 3, "title");
    store.clearRows(3, 5);
    EXPECT_EQ(column0(store, 5), (std::vector<std::string>{"0", "1", "2", "", ""}));
    EXPECT_EQ(store.cell(2, 3), "");
    store.clearRow(0);
    EXPECT_EQ(store.cell(0, 0), "");
    EXPECT_EQ(store.cell(0, 1), "1");
}

struct MoveCase {
    int from;
    int to;
    std::vector<std::string> expected; // rows 0..5 afterwards
};

class CellStoreRowMove : public ::testing::TestWithParam<MoveCase> {};

TEST_P(CellStoreRowMove, TakesTheRowOutAndPutsItInAtTheTarget) {
    CellStore store = numbered(5); // row 5 was never written
    store.moveRow(GetParam().from, GetParam().to);
    EXPECT_EQ(column0(store, 6), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, CellStoreRowMove,
    ::testing::Values(MoveCase{3, 1, {"0", "3", "1", "2", "4", ""}},
                      MoveCase{1, 3, {"0", "2", "3", "1", "4", ""}},
                      MoveCase{2, 2, {"0", "1", "2", "3", "4", ""}},
                      MoveCase{5, 1, {"0", "", "1", "2", "3", "4"}}, // from just past the end
                      MoveCase{1, 5, {"0", "2", "3", "4", "", "1"}},
                      MoveCase{7, 6, {"0", "1", "2", "3", "4", ""}}));

TEST(CellStore, ColumnMoveShiftsTheCellsOfEveryRow) {
    CellStore store;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            store.setCell(col, row, std::to_string(row) + std::to_string(col));
        }
    }
    store.moveColumn(0, 2);
    for (int row = 0; row < 3; ++row) {
        const std::string r = std::to_string(row);
        EXPECT_EQ(store.cell(0, row), r + "1");
        EXPECT_EQ(store.cell(1, row), r + "2");
        EXPECT_EQ(store.cell(2, row), r + "0");
    }
    store.moveColumn(3, 0); // an empty column comes in from past the end
    EXPECT_EQ(store.cell(0, 1), "");
    EXPECT_EQ(store.cell(1, 1), "11");
    EXPECT_EQ(store.cell(3, 1), "10");
}

TEST(CellStore, HandlesAHundredThousandRows) {
    constexpr int kRows = 100000;
    CellStore store;
    for (int row = 0; row < kRows; ++row) {
        store.setCell(0, row, "path");
        store.setCell(1, row, "name");
    }
    store.moveRow(0, kRows - 1);
    store.moveColumn(0, 1);
    EXPECT_EQ(store.cell(1, kRows - 2), "path");
    store.clearRows(2, kRows);
    EXPECT_EQ(store.storedRows(), 2);
}

} // namespace
} // namespace qorvel
