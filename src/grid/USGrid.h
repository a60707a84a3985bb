#pragma once

#include "grid/StringGrid.h"

#include <QPersistentModelIndex>
#include <QPoint>
#include <QPointer>
#include <QTableView>
#include <memory>
#include <vector>

class QLineEdit;
class QMenu;

namespace qorvel {

class GridTableModel;

// The file list's grid widget: a table view over a StringGrid it owns. The StringGrid is the
// truth; the view's current index, selection and cell editor follow it. Row 0 (the headings)
// is the horizontal header, so it never scrolls and cannot be selected.
//
// Signals, as the window's handlers expect them:
//  - selectCell(column, row): just before the current cell moves (left press on a data cell,
//    keyboard moves, program steps, a row count that pulls the current cell back in);
//  - click(): after the select-cell of the same action (on release of a mouse selection; right
//    after the press with the editing set; after keyboard moves and program steps);
//  - dblClick(): on the second press of a double click;
//  - keyPress(key): each typed character, before the grid or its cell editor handles it.
class USGrid : public QTableView {
    Q_OBJECT

public:
    explicit USGrid(QWidget* parent = nullptr);
    ~USGrid() override;

    StringGrid& grid() { return grid_; }
    const StringGrid& grid() const { return grid_; }

    // false: whole rows and runs of rows are selected, cells cannot be edited. true: one cell is
    // current and selected, with its cell editor shown at all times.
    void setEditingOptions(bool editing);
    bool editingOptions() const { return grid_.options() == GridOptions::Editing; }
    // Whether a cell editor is open right now.
    bool isEditing() const;
    QLineEdit* cellEditor() const;

    void setHintText(const QString& text);
    QString hintText() const { return toolTip(); }
    // Shown at the pointer on a right click; not owned.
    void setContextMenu(QMenu* menu);
    QMenu* contextMenu() const;

    // The rectangle of a data cell in viewport coordinates (empty for the headings row).
    QRect cellRect(int column, int row) const;

    // The row operations the grid publishes. Each program step that moves the current cell
    // raises select-cell and click; a target outside the grid raises the grid index error.
    void DeleteRow(int column, int row);
    void DeleteColumn(int column, int row);
    void MoveRow(int fromIndex, int toIndex);
    void MoveColumn(int fromIndex, int toIndex);
    void InsertRow(int column, int row);
    void InsertCol(int column, int row);

signals:
    void selectCell(int column, int row);
    void click();
    void dblClick();
    void keyPress(QChar key);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;

private:
    class EventRelay;
    class Follower;
    class CellDelegate;
    friend class CellDelegate;

    // Emits keyPress for each character the key types; false when the grid went away meanwhile.
    void emitCharacters(const QKeyEvent* event);
    // Arrow, page and Home/End moves; true when the key is a move key.
    bool navigate(const QKeyEvent* event);
    // A key typed into the cell editor; true when it is spent.
    bool editorKeyPress(QLineEdit* editor, QKeyEvent* event);
    bool isSecondPressOfDoubleClick(const QMouseEvent* event);
    int gridRowAt(int y) const;
    int visibleRowCount() const;
    bool rowIsVisible(int modelRow) const;

    // Mirrors the grid's current cell, selection and editor in the view.
    void syncView();
    void syncEditor();
    void closeCellEditor();
    void applyOptions();
    void rememberColumnWidths();
    void moveColumnWidths(int from, int to);

    StringGrid grid_;
    std::unique_ptr<EventRelay> relay_;
    std::unique_ptr<GridTableModel> model_;
    std::unique_ptr<Follower> follower_;
    CellDelegate* delegate_ = nullptr;
    QPointer<QMenu> contextMenu_;
    QPersistentModelIndex editorIndex_;
    std::vector<int> widthsBeforeMove_;
    bool selecting_ = false;
    bool syncing_ = false;
    Qt::MouseButton lastPressButton_ = Qt::NoButton;
    quint64 lastPressTime_ = 0;
    QPoint lastPressPos_;
};

} // namespace qorvel
