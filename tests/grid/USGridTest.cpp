#include "grid/USGrid.h"

#include "base/Messages.h"
#include "base/PlatformError.h"
#include "grid/FileList.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qorvel {
namespace {

using Events = std::vector<std::string>;

class USGridTest : public ::testing::Test {
protected:
    USGridTest() {
        view.resize(600, 400);
        view.setColumnWidth(0, 100);
        view.setColumnWidth(1, 114);
        view.setColumnWidth(2, 200);
        QObject::connect(&view, &USGrid::selectCell, [this](int col, int row) {
            log.push_back("select(" + std::to_string(col) + "," + std::to_string(row) + ")");
        });
        QObject::connect(&view, &USGrid::click, [this] { log.push_back("click"); });
        QObject::connect(&view, &USGrid::dblClick, [this] { log.push_back("dblclick"); });
        QObject::connect(&view, &USGrid::keyPress, [this](QChar key) {
            log.push_back("key(" + std::to_string(key.unicode()) + ")");
        });
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    StringGrid& grid() { return view.grid(); }

    // Rows 0..count-1 with "r<row>" in column 0 and "n<row>" in column 1; events cleared.
    void fill(int count) {
        grid().setRowCount(count);
        for (int row = 0; row < count; ++row) {
            grid().setCell(0, row, "r" + std::to_string(row));
            grid().setCell(1, row, "n" + std::to_string(row));
        }
        log.clear();
    }

    std::vector<std::string> column(int col) {
        std::vector<std::string> cells;
        for (int row = 0; row < grid().rowCount(); ++row) {
            cells.push_back(grid().cell(col, row));
        }
        return cells;
    }

    QWidget* cells() { return view.viewport(); }
    QPoint at(int col, int row) { return view.cellRect(col, row).center(); }
    Events take() { return std::exchange(log, {}); }

    // The grid rows the view shows as selected.
    std::vector<int> selectedRows() {
        std::vector<int> rows;
        for (const QModelIndex& index : view.selectionModel()->selectedRows()) {
            rows.push_back(index.row() + 1);
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    USGrid view;
    Events log;
};

TEST_F(USGridTest, ShowsTheHeadingsRowAsTheHeader) {
    grid().setCell(0, 0, "フルパス");
    grid().setCell(1, 0, "ファイル名");
    QAbstractItemModel* model = view.model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("フルパス"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("ファイル名"));
    EXPECT_EQ(model->rowCount(), 1);
    EXPECT_EQ(model->columnCount(), 3);
    EXPECT_TRUE(view.verticalHeader()->isHidden());
    EXPECT_EQ(view.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(view.font().pixelSize(), 15);
    view.setColumnWidth(0, 0);
    EXPECT_EQ(view.columnWidth(0), 0);
}

TEST_F(USGridTest, PressRaisesSelectCellAndReleaseRaisesClick) {
    fill(6);
    QTest::mousePress(cells(), Qt::LeftButton, {}, at(1, 3));
    EXPECT_EQ(take(), (Events{"select(1,3)"}));
    EXPECT_EQ(grid().row(), 3);
    QTest::mouseRelease(cells(), Qt::LeftButton, {}, at(1, 3));
    EXPECT_EQ(take(), (Events{"click"}));
    QTest::mouseClick(cells(), Qt::LeftButton, {}, at(2, 3));
    EXPECT_EQ(take(), (Events{"select(2,3)", "click"})) << "the row already current too";
    EXPECT_EQ(selectedRows(), (std::vector<int>{3}));
    EXPECT_EQ(view.currentIndex().row(), 2);
}

TEST_F(USGridTest, ShiftClickAndDraggingOnlyExtendTheSelection) {
    fill(8);
    QTest::mouseClick(cells(), Qt::LeftButton, {}, at(0, 2));
    take();
    QTest::mouseClick(cells(), Qt::LeftButton, Qt::ShiftModifier, at(0, 5));
    EXPECT_EQ(take(), (Events{"click"}));
    EXPECT_EQ(grid().row(), 2);
    EXPECT_EQ(grid().selection(), (GridRect{0, 2, 2, 5}));
    EXPECT_EQ(selectedRows(), (std::vector<int>{2, 3, 4, 5}));

    QTest::mousePress(cells(), Qt::LeftButton, {}, at(0, 6));
    QTest::mouseMove(cells(), at(0, 4));
    QTest::mouseMove(cells(), at(0, 3));
    QTest::mouseRelease(cells(), Qt::LeftButton, {}, at(0, 3));
    EXPECT_EQ(take(), (Events{"select(0,6)", "click"}));
    EXPECT_EQ(grid().row(), 6);
    EXPECT_EQ(selectedRows(), (std::vector<int>{3, 4, 5, 6}));
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Events events; // from row 3 of rows 0..7
    GridRect selection;
};

class USGridKeys : public USGridTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(USGridKeys, MoveTheCurrentCellWithSelectCellThenClick) {
    fill(8);
    grid().setRow(3);
    take();
    QTest::keyClick(&view, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(take(), GetParam().events);
    EXPECT_EQ(grid().selection(), GetParam().selection);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, USGridKeys,
    ::testing::Values(
        KeyCase{"Down", Qt::Key_Down, {}, {"select(0,4)", "click"}, {0, 4, 2, 4}},
        KeyCase{"Up", Qt::Key_Up, {}, {"select(0,2)", "click"}, {0, 2, 2, 2}},
        KeyCase{
            "ShiftDown", Qt::Key_Down, Qt::ShiftModifier, {"select(0,4)", "click"}, {0, 3, 2, 4}},
        KeyCase{"ShiftUp", Qt::Key_Up, Qt::ShiftModifier, {"select(0,2)", "click"}, {0, 2, 2, 3}},
        KeyCase{"Home", Qt::Key_Home, {}, {"select(0,1)", "click"}, {0, 1, 2, 1}},
        KeyCase{"End", Qt::Key_End, {}, {"select(0,7)", "click"}, {0, 7, 2, 7}},
        KeyCase{"PageDown", Qt::Key_PageDown, {}, {"select(0,7)", "click"}, {0, 7, 2, 7}},
        KeyCase{"Right", Qt::Key_Right, {}, {}, {0, 3, 2, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(USGridTest, KeyboardStopsAtTheEdges) {
    fill(3);
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(take(), Events{});
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(take(), (Events{"select(0,2)", "click"}));
}

TEST_F(USGridTest, ProgramStepsRaiseSelectCellThenClick) {
    fill(5);
    grid().setRow(4);
    grid().setCol(2);
    EXPECT_EQ(take(), (Events{"select(0,4)", "click", "select(2,4)", "click"}));
    EXPECT_EQ(view.currentIndex(), view.model()->index(3, 2));
    EXPECT_EQ(selectedRows(), (std::vector<int>{4}));
}

TEST_F(USGridTest, DoubleClickComesOnTheSecondPress) {
    fill(4);
    QTest::mouseClick(cells(), Qt::LeftButton, {}, at(1, 2));
    QTest::mouseDClick(cells(), Qt::LeftButton, {}, at(1, 2));
    EXPECT_EQ(take(), (Events{"select(1,2)", "click", "dblclick"}));
}

TEST_F(USGridTest, TheSecondPressOfARealDoubleClickRaisesNothingElse) {
    fill(4);
    const QPoint pos = at(1, 2);
    const QPoint global = cells()->mapToGlobal(pos);
    const std::pair<QEvent::Type, quint64> sequence[] = {
        {QEvent::MouseButtonPress, 1000},   {QEvent::MouseButtonRelease, 1050},
        {QEvent::MouseButtonPress, 1150},   {QEvent::MouseButtonDblClick, 1150},
        {QEvent::MouseButtonRelease, 1200},
    };
    for (const auto& [type, time] : sequence) {
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pos, global, Qt::LeftButton, buttons, Qt::NoModifier);
        event.setTimestamp(time);
        QApplication::sendEvent(cells(), &event);
    }
    EXPECT_EQ(take(), (Events{"select(1,2)", "click", "dblclick"}));
}

// A key as the window system delivers it: the key code with the text it types.
void typeKey(QWidget* widget, Qt::Key key, const QString& text,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

TEST_F(USGridTest, KeyPressComesForCharactersOnly) {
    struct Case {
        Qt::Key key;
        QString text;
        Qt::KeyboardModifiers modifiers;
        Events events;
    };
    const Case cases[] = {
        {Qt::Key_A, QStringLiteral("a"), {}, {"key(97)"}},
        {Qt::Key_Return, QStringLiteral("\r"), {}, {"key(13)"}},
        {Qt::Key_Backspace, QStringLiteral("\b"), {}, {"key(8)"}},
        {Qt::Key_Escape, QStringLiteral("\x1b"), {}, {"key(27)"}},
        {Qt::Key_B, QStringLiteral("\x02"), Qt::ControlModifier, {"key(2)"}},
        {Qt::Key_F5, QString(), {}, {}},
        {Qt::Key_Left, QString(), {}, {}},
        {Qt::Key_Delete, QStringLiteral("\x7f"), {}, {}},
    };
    for (const Case& c : cases) {
        typeKey(&view, c.key, c.text, c.modifiers);
        EXPECT_EQ(take(), c.events) << QKeySequence(c.key).toString().toStdString();
    }
}

TEST_F(USGridTest, RightClickLeavesTheCurrentCellAndOpensTheMenu) {
    fill(6);
    QTest::mouseClick(cells(), Qt::LeftButton, {}, at(0, 2));
    take();
    QTest::mouseClick(cells(), Qt::RightButton, {}, at(0, 4));
    EXPECT_EQ(take(), Events{});
    EXPECT_EQ(grid().row(), 2);

    QMenu menu;
    menu.addAction(QStringLiteral("item"));
    view.setContextMenu(&menu);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at(0, 4), cells()->mapToGlobal(at(0, 4)));
    QApplication::sendEvent(cells(), &event);
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
    EXPECT_EQ(grid().row(), 2);
}

TEST_F(USGridTest, HintTextIsTheTooltip) {
    view.setHintText(QStringLiteral("タイトル=t\nファイル名＝p"));
    EXPECT_EQ(view.toolTip(), QStringLiteral("タイトル=t\nファイル名＝p"));
}

// ---- the published operations, on rows 0..4

TEST_F(USGridTest, DeleteRowRemovesTheRowThenSetsRowAndColumn) {
    fill(5);
    view.DeleteRow(1, 2);
    EXPECT_EQ(column(0), (std::vector<std::string>{"r0", "r1", "r3", "r4"}));
    EXPECT_EQ(grid().cell(0, 4), "");
    EXPECT_EQ(take(), (Events{"select(0,2)", "click", "select(1,2)", "click"}));
    EXPECT_EQ(view.model()->rowCount(), 3);
}

TEST_F(USGridTest, DeleteRowOnTheLastRowRemovesItThenRaisesTheIndexError) {
    fill(5);
    try {
        view.DeleteRow(0, 4);
        FAIL() << "no grid index error";
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.what(), gridIndexMessage());
    }
    EXPECT_EQ(column(0), (std::vector<std::string>{"r0", "r1", "r2", "r3"}));
    EXPECT_EQ(take(), Events{});
}

TEST_F(USGridTest, DeletingTheCurrentRowPullsTheCurrentCellAlong) {
    fill(5);
    grid().setRow(4);
    take();
    view.DeleteRow(0, 2);
    EXPECT_EQ(take(), (Events{"select(0,2)", "click"})) << "row 4 followed its row to 3";
}

TEST_F(USGridTest, InsertRowOpensAnEmptyRowAndKeepsTheCount) {
    fill(5);
    view.InsertRow(0, 1);
    EXPECT_EQ(column(0), (std::vector<std::string>{"r0", "", "r1", "r2", "r3"}));
    EXPECT_EQ(take(), (Events{"select(0,1)", "click"}));
    grid().setRowCount(6);
    EXPECT_EQ(grid().cell(0, 5), "r4");
}

TEST_F(USGridTest, MoveRowPutsTheRowInAtTheTarget) {
    fill(5);
    view.MoveRow(3, 1);
    EXPECT_EQ(column(0), (std::vector<std::string>{"r0", "r3", "r1", "r2", "r4"}));
    EXPECT_EQ(view.model()->index(0, 0).data().toString(), QStringLiteral("r3"));
    EXPECT_EQ(take(), Events{});
}

TEST_F(USGridTest, MoveColumnTakesTheWidthAlong) {
    fill(3);
    view.MoveColumn(0, 2);
    EXPECT_EQ(grid().cell(2, 1), "r1");
    EXPECT_EQ(grid().cell(0, 1), "n1");
    EXPECT_EQ(view.columnWidth(0), 114);
    EXPECT_EQ(view.columnWidth(1), 200);
    EXPECT_EQ(view.columnWidth(2), 100);
    EXPECT_EQ(grid().col(), 2) << "the current column followed its column";
}

TEST_F(USGridTest, DeleteColumnRemovesTheColumnThenSetsRowAndColumn) {
    fill(4);
    grid().setCell(2, 2, "t2");
    take();
    view.DeleteColumn(1, 2);
    EXPECT_EQ(grid().colCount(), 2);
    EXPECT_EQ(view.model()->columnCount(), 2);
    EXPECT_EQ(grid().cell(1, 2), "t2");
    EXPECT_EQ(view.columnWidth(1), 200);
    EXPECT_EQ(take(), (Events{"select(0,2)", "click", "select(1,2)", "click"}));
}

TEST_F(USGridTest, InsertColOpensAnEmptyColumn) {
    fill(3);
    view.InsertCol(0, 1);
    EXPECT_EQ(grid().colCount(), 3);
    EXPECT_EQ(grid().cell(0, 1), "");
    EXPECT_EQ(grid().cell(1, 1), "r1");
    EXPECT_EQ(grid().cell(2, 1), "n1");
    EXPECT_EQ(view.columnWidth(1), 100);
    EXPECT_EQ(view.columnWidth(2), 114);
    EXPECT_EQ(take(), (Events{"select(0,1)", "click"}));
}

// ---- the editing set

TEST_F(USGridTest, EditingSetOpensOneEditorAndAllowsNoRange) {
    fill(6);
    EXPECT_FALSE(view.isEditing());
    view.setEditingOptions(true);
    EXPECT_TRUE(view.isEditing());
    QTest::mousePress(cells(), Qt::LeftButton, {}, at(1, 3));
    EXPECT_EQ(take(), (Events{"select(1,3)", "click"})) << "click right after the press";
    QTest::mouseRelease(cells(), Qt::LeftButton, {}, at(1, 3));
    EXPECT_EQ(take(), Events{});
    ASSERT_NE(view.cellEditor(), nullptr);
    EXPECT_EQ(view.cellEditor()->text(), QStringLiteral("n3"));
    EXPECT_EQ(view.cellEditor()->geometry(), view.cellRect(1, 3));

    QTest::mouseClick(cells(), Qt::LeftButton, Qt::ShiftModifier, at(1, 5));
    EXPECT_EQ(grid().selection(), (GridRect{1, 5, 1, 5}));
    EXPECT_EQ(view.selectionModel()->selectedIndexes().size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(view.findChildren<QLineEdit*>().size(), 1);

    view.setEditingOptions(false);
    EXPECT_FALSE(view.isEditing());
    EXPECT_EQ(selectedRows(), (std::vector<int>{5}));
}

TEST_F(USGridTest, EditedCellIsWrittenBackOnlyOnARealChange) {
    fill(4);
    const std::string undecodable = "\xff\xfe"
                                    "abc";
    grid().setCell(1, 2, undecodable);
    view.setEditingOptions(true);
    grid().focusCell(1, 2);
    ASSERT_TRUE(view.isEditing());
    grid().focusCell(0, 2); // looked at, left alone
    EXPECT_EQ(grid().cell(1, 2), undecodable);

    QLineEdit* editor = view.cellEditor();
    ASSERT_NE(editor, nullptr);
    std::vector<QString> seen;
    QObject::connect(&view, &USGrid::keyPress, [&](QChar) { seen.push_back(editor->text()); });
    QTest::keyClick(editor, Qt::Key_End); // the editor opens with its text selected
    typeKey(editor, Qt::Key_X, QStringLiteral("x"));
    typeKey(editor, Qt::Key_Eacute, QStringLiteral("é"));
    EXPECT_EQ(grid().cell(0, 2), "r2x\xc3\xa9");
    EXPECT_EQ(seen, (std::vector<QString>{QStringLiteral("r2"), QStringLiteral("r2x")}))
        << "the handler runs before the editor takes the key";
    EXPECT_EQ(take(),
              (Events{"select(1,2)", "click", "select(0,2)", "click", "key(120)", "key(233)"}));
}

TEST_F(USGridTest, EnterWhileEditingCanMoveTheCurrentCell) {
    fill(5);
    view.setEditingOptions(true);
    // The window's reaction: column 1 of the next row.
    QObject::connect(&view, &USGrid::keyPress, [this](QChar key) {
        if (key == QChar(13) && view.isEditing()) {
            grid().setCol(1);
            grid().setRow(grid().row() + 1);
        }
    });
    QTest::keyClick(view.cellEditor(), Qt::Key_Return);
    EXPECT_EQ(take(), (Events{"key(13)", "select(1,1)", "click", "select(1,2)", "click"}));
    ASSERT_NE(view.cellEditor(), nullptr);
    EXPECT_EQ(view.cellEditor()->text(), QStringLiteral("n2"));
    EXPECT_EQ(grid().cell(0, 1), "r1");
    QTest::keyClick(view.cellEditor(), Qt::Key_Down);
    EXPECT_EQ(take(), (Events{"select(1,3)", "click"}));
}

class USGridAppend : public USGridTest, public ::testing::WithParamInterface<bool> {};

TEST_P(USGridAppend, AHundredThousandEntriesOneAtATime) {
    view.setEditingOptions(GetParam());
    std::int32_t fileCount = 0;
    for (int i = 0; i < 100000; ++i) {
        AppendEntry(grid(), fileCount, "/p/" + std::to_string(i), std::to_string(i));
    }
    QApplication::processEvents();
    EXPECT_EQ(grid().rowCount(), 100002);
    EXPECT_EQ(view.model()->rowCount(), 100001);
    grid().setRow(100000);
    EXPECT_TRUE(view.viewport()->rect().intersects(view.cellRect(0, 100000)));
    clearList(grid(), fileCount);
    EXPECT_EQ(view.model()->rowCount(), 1);
    EXPECT_EQ(grid().row(), 1);
}

INSTANTIATE_TEST_SUITE_P(OptionSets, USGridAppend, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Editing" : "RowSelecting"; });

} // namespace
} // namespace qorvel
