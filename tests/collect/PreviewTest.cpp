#include "collect/CollectFixture.h"

#include <QAction>
#include <QLineEdit>

namespace qorvel::testing {
namespace {

using PreviewTest = CollectFixture;

TEST_F(PreviewTest, AClickShowsTitleAndPathWithoutNavigating) {
    appendEntries(3);
    const std::size_t navigations = listView().urls.size();
    clickRow(2);
    EXPECT_EQ(form->CurrentRow, 2);
    EXPECT_EQ(form->USGrid->toolTip(), "タイトル=t2\nファイル名＝/pages/e2.htm");
    EXPECT_EQ(form->statusPanelText(2), "Preview File=/pages/e2.htm");
    EXPECT_EQ(listView().urls.size(), navigations);
}

TEST_F(PreviewTest, ADoubleClickShowsTheRowsFile) {
    appendEntries(3);
    clickRow(3);
    QTest::mouseDClick(form->USGrid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCenter(1, 3));
    EXPECT_EQ(form->CurrentRow, 3);
    EXPECT_EQ(listView().urls.back(), "file:///pages/e3.htm");
}

TEST_F(PreviewTest, ADoubleClickOnTheEmptyFinalRowNavigatesToTheEmptyPath) {
    appendEntries(1);
    clickRow(2);
    QTest::mouseDClick(form->USGrid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCenter(1, 2));
    EXPECT_EQ(listView().urls.back(), "file:///");
}

TEST_F(PreviewTest, ShiftClickKeepsTheCurrentRowWhereTheRangeStarted) {
    useCellEditing(false);
    appendEntries(5);
    clickRow(2);
    clickRow(4, Qt::ShiftModifier);
    EXPECT_EQ(form->CurrentRow, 2);
    EXPECT_EQ(form->USGrid->grid().selection().bottom, 4);
}

TEST_F(PreviewTest, EveryKeyShowsTheCurrentRowsFile) {
    useCellEditing(false);
    appendEntries(3);
    clickRow(2);
    QTest::keyClick(form->USGrid, Qt::Key_Down);
    EXPECT_EQ(form->CurrentRow, 3);
    EXPECT_EQ(form->statusPanelText(2), "Preview File=/pages/e3.htm");
    const std::size_t navigations = listView().urls.size();
    QTest::keyClick(form->USGrid, Qt::Key_A);
    QTest::keyClick(form->USGrid, Qt::Key_Return);
    EXPECT_EQ(form->CurrentRow, 3);
    ASSERT_EQ(listView().urls.size(), navigations + 2);
    EXPECT_EQ(listView().urls.back(), "file:///pages/e3.htm");
}

TEST_F(PreviewTest, EnterWhileEditingMovesToTheNextRowOrBackToTheFirst) {
    useCellEditing(true);
    appendEntries(8); // rows 0 to 9
    struct Step {
        int fromRow;
        int toRow;
    };
    for (const Step step : {Step{3, 4}, Step{9, 1}}) {
        SCOPED_TRACE(step.fromRow);
        QTest::mouseClick(form->USGrid->viewport(), Qt::LeftButton, Qt::NoModifier,
                          cellCenter(2, step.fromRow));
        ASSERT_TRUE(form->USGrid->isEditing());
        QWidget* editor = form->USGrid->cellEditor();
        ASSERT_NE(editor, nullptr);
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_EQ(form->USGrid->grid().row(), step.toRow);
        EXPECT_EQ(form->USGrid->grid().col(), 1);
        EXPECT_EQ(form->CurrentRow, step.toRow);
        const std::string expected =
            step.toRow <= 8 ? "file:///pages/e" + std::to_string(step.toRow) + ".htm" : "file:///";
        EXPECT_EQ(listView().urls.back(), expected);
    }
}

TEST_F(PreviewTest, HelpShowsTheHelpPage) {
    appendEntries(1);
    clickRow(1);
    form->N5->trigger();
    EXPECT_EQ(listView().urls.back(), "file://" + folder.file("readme.html"));
    EXPECT_EQ(form->statusPanelText(2), "Preview File=ヘルプファイル");
}

TEST_F(PreviewTest, TheRightButtonKeepsTheCurrentRow) {
    appendEntries(3);
    clickRow(1);
    form->USGrid->setContextMenuPolicy(Qt::NoContextMenu);
    QTest::mouseClick(form->USGrid->viewport(), Qt::RightButton, Qt::NoModifier, cellCenter(1, 3));
    EXPECT_EQ(form->CurrentRow, 1);
    EXPECT_EQ(form->USGrid->grid().row(), 1);
}

} // namespace
} // namespace qorvel::testing

namespace qorvel::testing {
namespace {

TEST_F(PreviewTest, CellEditingOpensOneCellAndAllowsNoRange) {
    appendEntries(5);
    useCellEditing(true);
    clickRow(2);
    EXPECT_TRUE(form->USGrid->isEditing());
    clickRow(4, Qt::ShiftModifier);
    GridRect selection = form->USGrid->grid().selection();
    EXPECT_EQ(selection.top, selection.bottom);
    EXPECT_EQ(selection.left, selection.right);

    useCellEditing(false);
    clickRow(2);
    clickRow(4, Qt::ShiftModifier);
    selection = form->USGrid->grid().selection();
    EXPECT_FALSE(form->USGrid->isEditing());
    EXPECT_EQ(selection, (GridRect{0, 2, 2, 4}));
}

} // namespace
} // namespace qorvel::testing
