#include "collect/CollectFixture.h"

#include <QAction>

namespace qorvel::testing {
namespace {

constexpr int okAnswer = 0;
constexpr int cancelAnswer = 1;

class ListEditTest : public CollectFixture {
protected:
    void SetUp() override {
        CollectFixture::SetUp();
        useCellEditing(false);
        appendEntries(5);
    }
    void askBeforeDeleting() { form->N15Click(form->N15); }
    void selectRows(int top, int bottom) {
        clickRow(top);
        clickRow(bottom, Qt::ShiftModifier);
    }
    void expectInvariant() const {
        const StringGrid& grid = form->USGrid->grid();
        EXPECT_EQ(grid.rowCount(), form->FileCount + 2);
        for (int column = 0; column < 3; ++column) {
            EXPECT_EQ(grid.cell(column, grid.rowCount() - 1), "");
        }
        EXPECT_LT(grid.row(), grid.rowCount());
        EXPECT_EQ(form->statusPanelText(1), QString("File List Num=%1 files").arg(form->FileCount));
    }
};

TEST_F(ListEditTest, DeletingAfterTheQuestionRemovesTheSelectedBlock) {
    askBeforeDeleting();
    selectRows(2, 3);
    services.messageAnswers.push_back(okAnswer);
    form->N6->trigger();

    ASSERT_EQ(services.messages.size(), 1u);
    const MessageSetup& question = services.messages[0];
    EXPECT_EQ(question.caption, "情報");
    EXPECT_EQ(question.text, "2行-3行\nを削除しますか?");
    EXPECT_EQ(question.icon, MessageIcon::Information);
    EXPECT_EQ(question.buttons, (std::vector<QString>{"OK", "キャンセル"}));
    EXPECT_EQ(question.escapeButton, cancelAnswer);

    EXPECT_EQ(paths(),
              (std::vector<std::string>{"/pages/e1.htm", "/pages/e4.htm", "/pages/e5.htm", ""}));
    EXPECT_EQ(form->FileCount, 3);
    EXPECT_EQ(form->CurrentRow, 2);
    EXPECT_EQ(form->statusPanelText(2), "Preview File=/pages/e4.htm");
    expectInvariant();
}

TEST_F(ListEditTest, WithoutTheQuestionTheBlockGoesAtOnce) {
    selectRows(2, 3);
    form->N6Click();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(paths(),
              (std::vector<std::string>{"/pages/e1.htm", "/pages/e4.htm", "/pages/e5.htm", ""}));
    expectInvariant();
}

TEST_F(ListEditTest, CancelDeletesNothingAndRewritesTheCount) {
    askBeforeDeleting();
    selectRows(2, 3);
    form->setStatusPanel(1, "x");
    services.messageAnswers.push_back(cancelAnswer);
    form->N6Click();
    EXPECT_EQ(form->FileCount, 5);
    EXPECT_EQ(paths().size(), 6u);
    expectInvariant();
}

TEST_F(ListEditTest, WithCellEditingOnlyTheCurrentRowIsNamedAndDeleted) {
    useCellEditing(true);
    askBeforeDeleting();
    QTest::mouseClick(form->USGrid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCenter(1, 4));
    services.messageAnswers.push_back(okAnswer);
    form->N6Click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "4行-4行\nを削除しますか?");
    EXPECT_EQ(paths(), (std::vector<std::string>{"/pages/e1.htm", "/pages/e2.htm", "/pages/e3.htm",
                                                 "/pages/e5.htm", ""}));
    expectInvariant();
}

TEST_F(ListEditTest, ASelectionReachingTheEmptyFinalRowDeletesOnlyEntries) {
    struct Case {
        int top;
        int bottom;
        std::vector<std::string> left;
    };
    const std::vector<Case> cases = {
        {4, 6, {"/pages/e1.htm", "/pages/e2.htm", "/pages/e3.htm", ""}},
        {1, 6, {""}},
        {6,
         6,
         {"/pages/e1.htm", "/pages/e2.htm", "/pages/e3.htm", "/pages/e4.htm", "/pages/e5.htm", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.top);
        form->N11Click();
        appendEntries(5);
        selectRows(c.top, c.bottom);
        form->N6Click();
        EXPECT_EQ(paths(), c.left);
        expectInvariant();
    }
}

TEST_F(ListEditTest, ClearingGivesTheEmptyList) {
    clickRow(4);
    form->N11->trigger();
    const StringGrid& grid = form->USGrid->grid();
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(form->FileCount, 0);
    EXPECT_EQ(paths(), std::vector<std::string>{""});
    EXPECT_EQ(form->CurrentRow, 1);
    EXPECT_EQ(form->statusPanelText(1), "File List Num");
}

TEST_F(ListEditTest, OpeningHandsTheRowsFileUrlToTheShell) {
    form->USGrid->grid().setCell(0, 2, "/pages/a #1 表.htm");
    clickRow(2);
    form->N7->trigger();
    EXPECT_EQ(services.shellUrls, std::vector<std::string>{"file:///pages/a #1 表.htm"});
    EXPECT_TRUE(services.messages.empty());
}

} // namespace
} // namespace qorvel::testing
