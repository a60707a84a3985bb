#include "grid/USGrid.h"

#include "grid/GridTableModel.h"

#include <QContextMenuEvent>
#include <QFont>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleHints>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>

namespace qorvel {
namespace {

// The platform grid's default row height and column width.
constexpr int kRowHeight = 24;
constexpr int kColumnWidth = 64;

} // namespace

// Passes the grid's select-cell and click events on as signals.
class USGrid::EventRelay : public GridEventSink {
public:
    explicit EventRelay(USGrid& view) : view_(view) {}
    void selectCell(int col, int row) override { emit view_.selectCell(col, row); }
    void click() override { emit view_.click(); }

private:
    USGrid& view_;
};

// Keeps the view's current index, selection, editor and column widths in line with the grid.
class USGrid::Follower : public GridChangeObserver {
public:
    explicit Follower(USGrid& view) : view_(view) {}
    void rowCountChanged(int oldCount, int newCount) override {
        if (newCount < oldCount) {
            view_.syncView();
        }
    }
    void colCountChanged(int, int) override { view_.syncView(); }
    void rowsMoved(int, int) override { view_.syncView(); }
    void columnsAboutToMove(int, int) override { view_.rememberColumnWidths(); }
    void columnsMoved(int from, int to) override {
        view_.moveColumnWidths(from, to);
        view_.syncView();
    }
    void currentChanged() override { view_.syncView(); }
    void optionsChanged() override { view_.applyOptions(); }

private:
    USGrid& view_;
};

// The cell editor: a line edit whose every change goes into the cell at once (the model writes
// only real changes); key presses reach the grid's handlers before the editor sees them.
class USGrid::CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(USGrid* view) : QStyledItemDelegate(view), view_(view) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setContextMenuPolicy(Qt::NoContextMenu); // the grid's own menu shows instead
        auto* self = const_cast<CellDelegate*>(this);
        connect(editor, &QLineEdit::textEdited, self,
                [self, editor] { emit self->commitData(editor); });
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* lineEdit = qobject_cast<QLineEdit*>(editor);
        const QString text = index.data(Qt::EditRole).toString();
        if (lineEdit != nullptr && lineEdit->text() != text) {
            lineEdit->setText(text);
        }
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        if (auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
            model->setData(index, lineEdit->text(), Qt::EditRole);
        }
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() != QEvent::ToolTip) {
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        }
        // The grid has one hint for all its cells.
        if (view_->hintText().isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(event->globalPos(), view_->hintText(), view);
        }
        return true;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (auto* editor = qobject_cast<QLineEdit*>(object)) {
            if (event->type() == QEvent::KeyPress &&
                view_->editorKeyPress(editor, static_cast<QKeyEvent*>(event))) {
                return true;
            }
            if (event->type() == QEvent::MouseButtonDblClick &&
                static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                emit view_->dblClick();
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    USGrid* view_;
};

USGrid::USGrid(QWidget* parent)
    : QTableView(parent), relay_(std::make_unique<EventRelay>(*this)),
      model_(std::make_unique<GridTableModel>(grid_)),
      follower_(std::make_unique<Follower>(*this)) {
    grid_.setEventSink(relay_.get());
    grid_.addObserver(follower_.get());

    delegate_ = new CellDelegate(this);
    setItemDelegate(delegate_);
    setModel(model_.get());

    QFont cellFont(QStringLiteral("ＭＳ ゴシック"));
    cellFont.setPixelSize(15);
    setFont(cellFont);

    setEditTriggers(QAbstractItemView::NoEditTriggers); // the editor is opened by the grid
    setTabKeyNavigation(false);
    setDragEnabled(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone); // long text is cut at the cell's border
    setShowGrid(true);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(kRowHeight);

    QHeaderView* headings = horizontalHeader();
    headings->setSectionResizeMode(QHeaderView::Interactive);
    headings->setSectionsClickable(false);
    headings->setSectionsMovable(false);
    headings->setHighlightSections(false);
    headings->setStretchLastSection(false);
    headings->setMinimumSectionSize(0);
    headings->setDefaultSectionSize(kColumnWidth);
    headings->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    applyOptions();
    syncView();
}

USGrid::~USGrid() {
    closeCellEditor();
    grid_.removeObserver(follower_.get());
    grid_.setEventSink(nullptr);
    setModel(nullptr);
}

void USGrid::setEditingOptions(bool editing) {
    grid_.setOptions(editing ? GridOptions::Editing : GridOptions::RowSelecting);
}

bool USGrid::isEditing() const {
    return editingOptions() && cellEditor() != nullptr;
}

QLineEdit* USGrid::cellEditor() const {
    if (!editorIndex_.isValid()) {
        return nullptr;
    }
    return qobject_cast<QLineEdit*>(indexWidget(editorIndex_));
}

void USGrid::setHintText(const QString& text) {
    setToolTip(text);
}

void USGrid::setContextMenu(QMenu* menu) {
    contextMenu_ = menu;
}

QRect USGrid::cellRect(int column, int row) const {
    return visualRect(model_->index(GridTableModel::modelRow(row), column));
}

void USGrid::DeleteRow(int column, int row) {
    grid_.deleteRow(row);
    grid_.setRow(row);
    grid_.setCol(column);
}

void USGrid::DeleteColumn(int column, int row) {
    grid_.deleteColumn(column);
    grid_.setRow(row);
    grid_.setCol(column);
}

void USGrid::MoveRow(int fromIndex, int toIndex) {
    grid_.moveRow(fromIndex, toIndex);
}

void USGrid::MoveColumn(int fromIndex, int toIndex) {
    grid_.moveColumn(fromIndex, toIndex);
}

void USGrid::InsertRow(int column, int row) {
    grid_.moveRow(grid_.rowCount(), row);
    grid_.setRow(row);
    grid_.setCol(column);
}

void USGrid::InsertCol(int column, int row) {
    grid_.moveColumn(grid_.colCount(), column);
    grid_.setRow(row);
    grid_.setCol(column);
}

// ---- mouse and keyboard

bool USGrid::isSecondPressOfDoubleClick(const QMouseEvent* event) {
    // The toolkit delivers the second press of a double click as a press followed by a
    // double-click event; the same rule tells it apart here so that it raises nothing else.
    const QStyleHints* hints = QGuiApplication::styleHints();
    const QPoint pos = event->globalPosition().toPoint();
    const bool second =
        event->button() == lastPressButton_ &&
        event->timestamp() - lastPressTime_ <
            static_cast<quint64>(hints->mouseDoubleClickInterval()) &&
        (pos - lastPressPos_).manhattanLength() <= hints->mouseDoubleClickDistance();
    if (second) {
        lastPressButton_ = Qt::NoButton;
    } else {
        lastPressButton_ = event->button();
        lastPressTime_ = event->timestamp();
        lastPressPos_ = pos;
    }
    return second;
}

void USGrid::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return; // the right button opens the context menu and leaves the current cell alone
    }
    if (isSecondPressOfDoubleClick(event)) {
        selecting_ = false;
        return;
    }
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid()) {
        return;
    }
    const int col = index.column();
    const int row = GridTableModel::gridRow(index.row());
    if (grid_.options() == GridOptions::RowSelecting) {
        if (event->modifiers() & Qt::ShiftModifier) {
            grid_.extendSelectionTo(row);
        } else {
            grid_.moveCurrentByUser(col, row, false);
        }
        selecting_ = true; // click comes with the release
        return;
    }
    if (col != grid_.col() || row != grid_.row()) {
        grid_.moveCurrentByUser(col, row, false);
    }
    grid_.raiseClick();
}

void USGrid::mouseMoveEvent(QMouseEvent* event) {
    if (selecting_ && (event->buttons() & Qt::LeftButton)) {
        const int modelRow = gridRowAt(event->position().toPoint().y());
        if (modelRow >= 0) {
            grid_.extendSelectionTo(GridTableModel::gridRow(modelRow));
            scrollTo(model_->index(modelRow, std::max(grid_.col(), 0)));
        }
        event->accept();
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        QTableView::mouseMoveEvent(event); // hover only
    }
}

void USGrid::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && selecting_) {
        selecting_ = false;
        grid_.raiseClick();
    }
}

void USGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) {
        selecting_ = false;
        emit dblClick();
    }
}

void USGrid::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (contextMenu_ != nullptr) {
        contextMenu_->popup(event->globalPos());
    }
}

void USGrid::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    if (QLineEdit* editor = cellEditor()) {
        editor->setFocus(event->reason());
    }
}

void USGrid::emitCharacters(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        return; // types no character on the platform
    }
    const QString text = event->text();
    for (const QChar key : text) {
        emit keyPress(key);
    }
}

void USGrid::keyPressEvent(QKeyEvent* event) {
    emitCharacters(event);
    if (navigate(event)) {
        event->accept();
        return;
    }
    event->ignore(); // nothing else is the grid's: let the window see it
}

bool USGrid::navigate(const QKeyEvent* event) {
    const bool editing = grid_.options() == GridOptions::Editing;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int firstRow = StringGrid::fixedRows();
    const int lastRow = grid_.rowCount() - 1;
    int col = grid_.col();
    int row = grid_.row();
    switch (event->key()) {
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_PageUp:
        row -= visibleRowCount();
        break;
    case Qt::Key_PageDown:
        row += visibleRowCount();
        break;
    case Qt::Key_Home:
        if (!editing || ctrl) {
            row = firstRow;
        }
        if (editing) {
            col = StringGrid::fixedCols();
        }
        break;
    case Qt::Key_End:
        if (!editing || ctrl) {
            row = lastRow;
        }
        if (editing) {
            col = grid_.colCount() - 1;
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (!editing) {
            return false; // whole rows are selected: there is no column to move to
        }
        col += event->key() == Qt::Key_Left ? -1 : 1;
        break;
    default:
        return false;
    }
    if (lastRow < firstRow) {
        return true;
    }
    row = std::clamp(row, firstRow, lastRow);
    col = std::clamp(col, StringGrid::fixedCols(), grid_.colCount() - 1);
    if (col == grid_.col() && row == grid_.row()) {
        return true;
    }
    grid_.moveCurrentByUser(col, row, event->modifiers() & Qt::ShiftModifier);
    grid_.raiseClick();
    return true;
}

bool USGrid::editorKeyPress(QLineEdit* editor, QKeyEvent* event) {
    const QPointer<QLineEdit> guard(editor);
    emitCharacters(event);
    if (guard == nullptr || cellEditor() != editor) {
        return true; // the handler moved the current cell: this editor is gone
    }
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool atStart = editor->cursorPosition() == 0 && !editor->hasSelectedText();
    const bool atEnd =
        editor->cursorPosition() == editor->text().size() && !editor->hasSelectedText();
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return navigate(event);
    case Qt::Key_Left:
        return atStart && navigate(event);
    case Qt::Key_Right:
        return atEnd && navigate(event);
    case Qt::Key_Home:
    case Qt::Key_End:
        return ctrl && navigate(event);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_Escape:
        // The editor stays open on its cell, whose text is already stored.
        return true;
    default:
        return false;
    }
}

int USGrid::visibleRowCount() const {
    return std::max(1, viewport()->height() / verticalHeader()->defaultSectionSize());
}

bool USGrid::rowIsVisible(int modelRow) const {
    const int top = verticalScrollBar()->value();
    return modelRow >= top && modelRow <= top + visibleRowCount() + 1;
}

int USGrid::gridRowAt(int y) const {
    const int rows = model_->rowCount();
    if (rows == 0) {
        return -1;
    }
    const int height = viewport()->height();
    if (y < 0) {
        return std::max(0, rowAt(0) - 1);
    }
    if (y >= height) {
        const int last = rowAt(height - 1);
        return last < 0 ? rows - 1 : std::min(rows - 1, last + 1);
    }
    const int row = rowAt(y);
    return row < 0 ? rows - 1 : row;
}

// ---- following the grid

void USGrid::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                         const QList<int>& roles) {
    // A single cell off the screen needs no repaint; appending many entries stays cheap.
    if (topLeft == bottomRight && topLeft.isValid() && topLeft != QModelIndex(editorIndex_) &&
        !rowIsVisible(topLeft.row())) {
        return;
    }
    QTableView::dataChanged(topLeft, bottomRight, roles);
}

void USGrid::rowsInserted(const QModelIndex& parent, int start, int end) {
    // Rows added below the cell editor do not move it: an append needs no editor layout.
    if (editorIndex_.isValid() && start > editorIndex_.row()) {
        return;
    }
    QTableView::rowsInserted(parent, start, end);
}

void USGrid::syncView() {
    if (syncing_) {
        return;
    }
    syncing_ = true;
    QItemSelectionModel* selection = selectionModel();
    const QModelIndex current = model_->index(GridTableModel::modelRow(grid_.row()), grid_.col());
    if (!current.isValid()) {
        selection->clear();
    } else {
        if (selection->currentIndex() != current) {
            selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        }
        const GridRect cells = grid_.selection();
        const int lastRow = model_->rowCount() - 1;
        const int top = std::clamp(GridTableModel::modelRow(cells.top), 0, lastRow);
        const int bottom = std::clamp(GridTableModel::modelRow(cells.bottom), 0, lastRow);
        const QItemSelection wanted(model_->index(top, cells.left),
                                    model_->index(bottom, cells.right));
        if (selection->selection() != wanted) {
            selection->select(wanted, QItemSelectionModel::ClearAndSelect);
        }
    }
    syncing_ = false;
    syncEditor();
}

void USGrid::syncEditor() {
    if (!editingOptions()) {
        closeCellEditor();
        return;
    }
    const QModelIndex current = model_->index(GridTableModel::modelRow(grid_.row()), grid_.col());
    if (current.isValid() && QModelIndex(editorIndex_) == current && cellEditor() != nullptr) {
        return;
    }
    QLineEdit* old = cellEditor();
    const bool focused =
        hasFocus() || viewport()->hasFocus() || (old != nullptr && old->hasFocus());
    closeCellEditor();
    if (!current.isValid()) {
        return;
    }
    openPersistentEditor(current);
    editorIndex_ = current;
    if (QLineEdit* editor = cellEditor()) {
        if (focused) {
            editor->setFocus(Qt::OtherFocusReason);
        }
    }
}

void USGrid::closeCellEditor() {
    if (editorIndex_.isValid() && isPersistentEditorOpen(editorIndex_)) {
        closePersistentEditor(editorIndex_);
    }
    editorIndex_ = QPersistentModelIndex();
}

void USGrid::applyOptions() {
    if (editingOptions()) {
        setSelectionBehavior(QAbstractItemView::SelectItems);
        setSelectionMode(QAbstractItemView::SingleSelection);
    } else {
        closeCellEditor();
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
}

void USGrid::rememberColumnWidths() {
    widthsBeforeMove_.clear();
    for (int col = 0; col < grid_.colCount(); ++col) {
        widthsBeforeMove_.push_back(columnWidth(col));
    }
}

void USGrid::moveColumnWidths(int from, int to) {
    // Widths travel with their columns; one that comes in from past the end gets the default.
    std::vector<int> widths = widthsBeforeMove_;
    widths.resize(std::max({widths.size(), static_cast<std::size_t>(from) + 1,
                            static_cast<std::size_t>(to) + 1}),
                  horizontalHeader()->defaultSectionSize());
    const int moved = widths[from];
    widths.erase(widths.begin() + from);
    widths.insert(widths.begin() + to, moved);
    for (int col = 0; col < grid_.colCount(); ++col) {
        if (columnWidth(col) != widths[col]) {
            setColumnWidth(col, widths[col]);
        }
    }
}

} // namespace qorvel
