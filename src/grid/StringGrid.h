#pragma once

#include "grid/CellStore.h"

#include <string>
#include <vector>

namespace qorvel {

// A rectangle of cells in grid indices, all four ends included.
struct GridRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const GridRect&) const = default;
};

// The events a grid raises for its owner (the window's handlers).
class GridEventSink {
public:
    virtual ~GridEventSink() = default;
    // Just before the current cell moves to (col, row); the move is always allowed.
    virtual void selectCell(int col, int row) = 0;
    // After the select-cell event of the same action.
    virtual void click() = 0;
};

// Changes a view follows. Row and column counts come in before/after pairs so that a view can
// insert or remove exactly the rows concerned; everything else arrives after the change.
class GridChangeObserver {
public:
    virtual ~GridChangeObserver() = default;
    virtual void rowCountAboutToChange(int /*oldCount*/, int /*newCount*/) {}
    virtual void rowCountChanged(int /*oldCount*/, int /*newCount*/) {}
    virtual void colCountAboutToChange(int /*oldCount*/, int /*newCount*/) {}
    virtual void colCountChanged(int /*oldCount*/, int /*newCount*/) {}
    // The text of these cells may have changed (a single cell, a row, a block of moved rows).
    virtual void cellsChanged(const GridRect& /*cells*/) {}
    // Before and after a row or column move; the cells in between have changed too.
    virtual void rowsAboutToMove(int /*from*/, int /*to*/) {}
    virtual void rowsMoved(int /*from*/, int /*to*/) {}
    virtual void columnsAboutToMove(int /*from*/, int /*to*/) {}
    virtual void columnsMoved(int /*from*/, int /*to*/) {}
    // The current cell, the anchor (and so the selection) or the option set changed.
    virtual void currentChanged() {}
    virtual void optionsChanged() {}
};

// The option sets of the file list's grid.
enum class GridOptions {
    RowSelecting, // whole rows are selected, Shift or dragging selects a run of rows
    Editing,      // one cell is current and selected and can be edited; no ranges
};

// The state and rules of a string grid, free of any widget: counts, one fixed row at the top and
// no fixed column, the cell store, the current cell, the selection anchor and the option set.
// Program steps that set the current cell raise select-cell and then click through the sink.
class StringGrid {
public:
    StringGrid();

    static constexpr int fixedRows() { return 1; }
    static constexpr int fixedCols() { return 0; }

    int colCount() const { return colCount_; }
    int rowCount() const { return rowCount_; }
    // At least 1. Shrinking empties the cells of the rows that drop off; growing changes no
    // cell. A current cell that falls outside is pulled back in (select-cell only).
    void setRowCount(int count);
    // At least 1; changes no cell.
    void setColCount(int count);

    const std::string& cell(int col, int row) const { return cells_.cell(col, row); }
    void setCell(int col, int row, std::string value);
    const CellStore& cells() const { return cells_; }

    // The current cell.
    int col() const { return col_; }
    int row() const { return row_; }
    // Program steps: a cell outside the grid (or in the fixed row) raises the grid index error;
    // a different cell raises select-cell, becomes current with the anchor on it, then click;
    // the cell that is already current changes nothing.
    void setCol(int col);
    void setRow(int row);
    void focusCell(int col, int row);

    // A user's move (mouse press, keyboard): select-cell, always, then the move. keepAnchor
    // leaves the anchor where it is so that the selection runs from it to the new current row
    // (Shift with a key). The caller raises click when its action is complete.
    void moveCurrentByUser(int col, int row, bool keepAnchor);
    // Shift with a click, or dragging: the current cell stays, the selection runs from it to
    // row. No event; nothing happens with the editing set.
    void extendSelectionTo(int row);
    void raiseClick();

    int anchorCol() const { return anchorCol_; }
    int anchorRow() const { return anchorRow_; }
    // Row selecting: the fixed columns' end to the last column, from the lower to the higher of
    // the anchor's and the current row. Editing: the current cell alone.
    GridRect selection() const;

    GridOptions options() const { return options_; }
    void setOptions(GridOptions options);

    // The platform's moves: the row at from is taken out and put in at to, the rows between
    // shift by one. from and to may be the count itself (the row just past the last). The
    // current row and the anchor follow the rows they belong to; no event is raised.
    void moveRow(int from, int to);
    void moveColumn(int from, int to);
    // moveRow(row, rowCount - 1), then the row count drops by one (emptying that row).
    void deleteRow(int row);
    // moveColumn(col, colCount - 1), then the column count drops by one.
    void deleteColumn(int col);

    // Owned by the caller; may be null.
    void setEventSink(GridEventSink* sink) { sink_ = sink; }
    void addObserver(GridChangeObserver* observer);
    void removeObserver(GridChangeObserver* observer);

private:
    void pullCurrentInside();
    bool isSelectable(int col, int row) const;
    void checkSelectable(int col, int row) const;
    void programMove(int col, int row);
    void moveCurrent(int col, int row, bool keepAnchor);
    void raiseSelectCell(int col, int row);
    template <typename Call> void notify(Call call);

    int colCount_ = 3;
    int rowCount_ = 2;
    int col_ = 0;
    int row_ = 1;
    int anchorCol_ = 0;
    int anchorRow_ = 1;
    GridOptions options_ = GridOptions::RowSelecting;
    CellStore cells_;
    GridEventSink* sink_ = nullptr;
    std::vector<GridChangeObserver*> observers_;
};

} // namespace qorvel
