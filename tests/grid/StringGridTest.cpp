#include "grid/StringGrid.h"

#include "base/Messages.h"
#include "base/PlatformError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qorvel {
namespace {

// Records the grid's events as "select(col,row)" and "click", in order.
class RecordingSink : public GridEventSink {
public:
    void selectCell(int col, int row) override {
        events.push_back("select(" + std::to_string(col) + "," + std::to_string(row) + ")");
    }
    void click() override { events.push_back("click"); }
    std::vector<std::string> take() { return std::exchange(events, {}); }
    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

class StringGridTest : public ::testing::Test {
protected:
    StringGridTest() { grid.setEventSink(&sink); }

    // Rows 0..count-1, column 0 holding "r<row>".
    void fill(int count) {
        grid.setRowCount(count);
        for (int row = 0; row < count; ++row) {
            grid.setCell(0, row, "r" + std::to_string(row));
        }
        sink.take();
    }

    std::vector<std::string> column0() const {
        std::vector<std::string> cells;
        for (int row = 0; row < grid.rowCount(); ++row) {
            cells.push_back(grid.cell(0, row));
        }
        return cells;
    }

    void expectGridIndexError(void (StringGrid::*step)(int), int value) {
        try {
            (grid.*step)(value);
            FAIL() << "no grid index error";
        } catch (const PlatformError& error) {
            EXPECT_EQ(error.what(), gridIndexMessage());
        }
    }

    StringGrid grid;
    RecordingSink sink;
};

TEST_F(StringGridTest, StartsWithThreeColumnsTwoRowsAndRowOneCurrent) {
    EXPECT_EQ(grid.colCount(), 3);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(StringGrid::fixedRows(), 1);
    EXPECT_EQ(StringGrid::fixedCols(), 0);
    EXPECT_EQ(grid.col(), 0);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.options(), GridOptions::RowSelecting);
    EXPECT_EQ(grid.selection(), (GridRect{0, 1, 2, 1}));
}

TEST_F(StringGridTest, CellsAreKeptApartFromTheCounts) {
    grid.setCell(1, 9, "beyond");
    EXPECT_EQ(grid.cell(1, 9), "beyond");
    fill(5);
    grid.setCell(2, 4, "title");
    grid.setRowCount(3);
    grid.setRowCount(5);
    EXPECT_EQ(grid.cell(0, 3), "");
    EXPECT_EQ(grid.cell(2, 4), "");
    EXPECT_EQ(grid.cell(1, 9), "beyond") << "rows past the old count do not drop off";
    grid.setColCount(1);
    grid.setColCount(3);
    EXPECT_EQ(grid.cell(0, 1), "r1");
    grid.setCell(2, 1, "kept");
    grid.setColCount(2);
    EXPECT_EQ(grid.cell(2, 1), "kept");
}

TEST_F(StringGridTest, ProgramStepsRaiseSelectCellThenClickAndMoveTheAnchor) {
    fill(6);
    grid.setRow(4);
    EXPECT_EQ(sink.take(), (Events{"select(0,4)", "click"}));
    grid.setCol(2);
    EXPECT_EQ(sink.take(), (Events{"select(2,4)", "click"}));
    grid.focusCell(1, 2);
    EXPECT_EQ(sink.take(), (Events{"select(1,2)", "click"}));
    EXPECT_EQ(grid.anchorRow(), 2);
    grid.setRow(2);
    grid.setCol(1);
    EXPECT_EQ(sink.take(), Events{}) << "the current cell again changes nothing";
}

TEST_F(StringGridTest, SelectCellSeesTheOldCellAndClickTheNewOne) {
    fill(4);
    struct Probe : GridEventSink {
        StringGrid* grid = nullptr;
        std::vector<int> rows;
        void selectCell(int, int) override { rows.push_back(grid->row()); }
        void click() override { rows.push_back(grid->row()); }
    } probe;
    probe.grid = &grid;
    grid.setEventSink(&probe);
    grid.setRow(3);
    EXPECT_EQ(probe.rows, (std::vector<int>{1, 3}));
}

TEST_F(StringGridTest, CellsOutsideTheGridRaiseTheGridIndexError) {
    fill(4);
    expectGridIndexError(&StringGrid::setRow, 4);
    expectGridIndexError(&StringGrid::setRow, -1);
    expectGridIndexError(&StringGrid::setRow, 0); // the fixed headings row
    expectGridIndexError(&StringGrid::setCol, 3);
    EXPECT_EQ(sink.take(), Events{});
    EXPECT_EQ(grid.row(), 1);
}

TEST_F(StringGridTest, ShrinkingPullsTheCurrentCellBackWithSelectCellOnly) {
    fill(6);
    grid.focusCell(2, 5);
    sink.take();
    grid.setRowCount(3);
    EXPECT_EQ(sink.take(), (Events{"select(2,2)"}));
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.anchorRow(), 2);
    grid.setColCount(2);
    EXPECT_EQ(sink.take(), (Events{"select(1,2)"}));
    grid.setRowCount(10);
    EXPECT_EQ(sink.take(), Events{}) << "growing moves nothing";
}

TEST_F(StringGridTest, UserMovesRaiseSelectCellAndLeaveClickToTheCaller) {
    fill(6);
    grid.moveCurrentByUser(0, 1, false);
    EXPECT_EQ(sink.take(), (Events{"select(0,1)"})) << "also on the row already current";
    grid.moveCurrentByUser(0, 3, false);
    grid.raiseClick();
    EXPECT_EQ(sink.take(), (Events{"select(0,3)", "click"}));
}

struct SelectionCase {
    const char* name;
    GridOptions options;
    int extendTo;      // shift-click or drag, 0 for none
    int keyboardRow;   // a Shift+arrow move of the current row afterwards, 0 for none
    GridRect expected; // current row 2, column 1 before
};

class StringGridSelection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(StringGridSelection, RunsFromTheCurrentCellToTheAnchor) {
    StringGrid grid;
    RecordingSink sink;
    grid.setRowCount(8);
    grid.setOptions(GetParam().options);
    grid.focusCell(1, 2);
    grid.setEventSink(&sink);
    if (GetParam().extendTo != 0) {
        grid.extendSelectionTo(GetParam().extendTo);
        EXPECT_EQ(sink.take(), Events{}) << "extending raises nothing";
        EXPECT_EQ(grid.row(), 2) << "the current cell stays";
    }
    if (GetParam().keyboardRow != 0) {
        grid.moveCurrentByUser(1, GetParam().keyboardRow, true);
    }
    EXPECT_EQ(grid.selection(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, StringGridSelection,
    ::testing::Values(
        SelectionCase{"RowAlone", GridOptions::RowSelecting, 0, 0, {0, 2, 2, 2}},
        SelectionCase{"ShiftClickDown", GridOptions::RowSelecting, 5, 0, {0, 2, 2, 5}},
        SelectionCase{"DragUp", GridOptions::RowSelecting, 1, 0, {0, 1, 2, 2}},
        SelectionCase{"ShiftArrows", GridOptions::RowSelecting, 0, 4, {0, 2, 2, 4}},
        SelectionCase{"EditingCellAlone", GridOptions::Editing, 0, 0, {1, 2, 1, 2}},
        SelectionCase{"EditingNoRange", GridOptions::Editing, 5, 0, {1, 2, 1, 2}},
        SelectionCase{"EditingShiftArrows", GridOptions::Editing, 0, 4, {1, 4, 1, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StringGridTest, MoveRowKeepsCurrentAndAnchorOnTheirRows) {
    fill(6);
    grid.setRow(3);
    grid.extendSelectionTo(4);
    sink.take();
    grid.moveRow(3, 1);
    EXPECT_EQ(column0(), (std::vector<std::string>{"r0", "r3", "r1", "r2", "r4", "r5"}));
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.anchorRow(), 4);
    grid.moveRow(2, 5);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.anchorRow(), 3);
    EXPECT_EQ(sink.take(), Events{}) << "moves raise no event";
}

TEST_F(StringGridTest, MoveColumnKeepsTheCurrentColumnOnItsColumn) {
    grid.setCell(0, 1, "a");
    grid.setCell(2, 1, "c");
    grid.setCol(2);
    grid.moveColumn(2, 0);
    EXPECT_EQ(grid.cell(0, 1), "c");
    EXPECT_EQ(grid.cell(1, 1), "a");
    EXPECT_EQ(grid.col(), 0);
}

TEST_F(StringGridTest, DeleteRowMovesTheRowToTheEndAndDropsIt) {
    fill(5);
    grid.setRow(4);
    sink.take();
    grid.deleteRow(2);
    EXPECT_EQ(column0(), (std::vector<std::string>{"r0", "r1", "r3", "r4"}));
    EXPECT_EQ(grid.cell(0, 4), "") << "the removed row is emptied";
    EXPECT_EQ(grid.row(), 3) << "the current row followed its row";
    EXPECT_EQ(sink.take(), Events{});
    grid.deleteRow(3);
    EXPECT_EQ(sink.take(), (Events{"select(0,2)"})) << "pulled back from the dropped row";
}

TEST_F(StringGridTest, DeleteColumnShiftsTheColumnsLeft) {
    for (int col = 0; col < 3; ++col) {
        grid.setCell(col, 1, std::string(1, static_cast<char>('a' + col)));
    }
    grid.deleteColumn(0);
    EXPECT_EQ(grid.colCount(), 2);
    EXPECT_EQ(grid.cell(0, 1), "b");
    EXPECT_EQ(grid.cell(1, 1), "c");
    EXPECT_EQ(grid.cell(2, 1), "a") << "column counts change no cell";
}

// Counts what a view would be told.
class CountingObserver : public GridChangeObserver {
public:
    void rowCountAboutToChange(int oldCount, int newCount) override {
        log.push_back("rows " + std::to_string(oldCount) + ">" + std::to_string(newCount));
    }
    void cellsChanged(const GridRect& cells) override {
        log.push_back("cell " + std::to_string(cells.left) + "," + std::to_string(cells.top));
    }
    void rowsMoved(int from, int to) override {
        log.push_back("moved " + std::to_string(from) + ">" + std::to_string(to));
    }
    void currentChanged() override { log.push_back("current"); }
    std::vector<std::string> log;
};

TEST_F(StringGridTest, ObserversHearOfEachChange) {
    CountingObserver observer;
    grid.addObserver(&observer);
    grid.setRowCount(3);
    grid.setCell(1, 2, "x");
    grid.moveRow(2, 1);
    grid.removeObserver(&observer);
    grid.setRowCount(9);
    EXPECT_EQ(observer.log,
              (std::vector<std::string>{"rows 2>3", "cell 1,2", "moved 2>1", "current"}));
}

} // namespace
} // namespace qorvel
