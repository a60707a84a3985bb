#include "collect/CollectFixture.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

namespace qorvel::testing {
namespace {

using ScanCommandsTest = CollectFixture;

TEST_F(ScanCommandsTest, AppendsTheMatchingFilesOfTheTreeAndShowsTheCount) {
    appendEntries(1);
    folder.write("tree/a.htm", "");
    folder.write("tree/b.txt", "");
    folder.write("tree/sub/c.HTML", "");
    services.folderAnswers.push_back(folder.file("tree"));

    form->N2->trigger();

    EXPECT_EQ(services.folderPrompts, std::vector<QString>{"フォルダを選択してください"});
    EXPECT_EQ(form->FileCount, 3);
    const StringGrid& grid = form->USGrid->grid();
    EXPECT_EQ(grid.rowCount(), 5);
    std::vector<std::string> found = {grid.cell(0, 2), grid.cell(0, 3)};
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{folder.file("tree/a.htm"),
                                               folder.file("tree/sub/c.HTML")}));
    EXPECT_EQ(grid.cell(1, 2), grid.cell(0, 2).substr(grid.cell(0, 2).rfind('/') + 1));
    EXPECT_EQ(grid.cell(2, 2), "");
    EXPECT_EQ(grid.cell(0, 4), "");
    EXPECT_EQ(form->statusPanelText(1), "File List Num=3 files");
}

TEST_F(ScanCommandsTest, ACancelChangesNothingButTheCountText) {
    appendEntries(2);
    form->N2Click();
    EXPECT_EQ(form->FileCount, 2);
    EXPECT_EQ(form->USGrid->grid().rowCount(), 4);
    EXPECT_EQ(form->statusPanelText(1), "File List Num=2 files");
}

TEST_F(ScanCommandsTest, AFolderThatCannotBeListedIsReportedInAPlainBox) {
    const std::string missing = folder.file("missing");
    services.folderAnswers.push_back(missing);
    form->N2Click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].caption, "Qorvel");
    EXPECT_EQ(services.messages[0].text, QString::fromStdString("error:" + missing + "/*.*"));
    EXPECT_EQ(services.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(services.messages[0].buttons, std::vector<QString>{"OK"});
    EXPECT_EQ(form->statusPanelText(1), "File List Num=0 files");
}

TEST_F(ScanCommandsTest, TheChosenPatternDecidesWhatIsCollected) {
    folder.write("pics/a.jpg", "");
    folder.write("pics/b.htm", "");
    form->N01Click(form->kaa->actions().at(1));
    services.folderAnswers.push_back(folder.file("pics"));
    form->N2Click();
    ASSERT_EQ(form->FileCount, 1);
    EXPECT_EQ(form->USGrid->grid().cell(1, 1), "a.jpg");
}

} // namespace
} // namespace qorvel::testing
