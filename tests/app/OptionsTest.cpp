#include "grid/USGrid.h"
#include "support/FormFixture.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSplitter>
#include <filesystem>

namespace qorvel::testing {
namespace {

using OptionsTest = FormFixture;

TEST_F(OptionsTest, EachOptionToggles) {
    for (QAction* item : {form->N15, form->html2, form->N19, form->GET1}) {
        form->N15Click(item);
        EXPECT_FALSE(item->isChecked());
        form->N15Click(item);
        EXPECT_TRUE(item->isChecked());
    }
}

TEST_F(OptionsTest, TheMenuItemTogglesOnceLikeTheHandler) {
    form->html2->trigger();
    EXPECT_FALSE(form->html2->isChecked());
}

TEST_F(OptionsTest, CellEditSwitchesTheGridOptions) {
    EXPECT_TRUE(form->USGrid->editingOptions());
    form->N15Click(form->N19);
    EXPECT_FALSE(form->USGrid->editingOptions());
    form->N15Click(form->N19);
    EXPECT_TRUE(form->USGrid->editingOptions());
}

TEST_F(OptionsTest, LoadedCellEditOffStartsTheGridSelectingRows) {
    folder.write("qorvel.i2", "0\r\n0\r\n1\r\n0\r\n");
    startForm();
    EXPECT_FALSE(form->N19->isChecked());
    EXPECT_FALSE(form->USGrid->editingOptions());
}

TEST_F(OptionsTest, ClosingWritesTheOptionsAndTheNextStartRestoresThem) {
    form->N15Click(form->html2);
    form->N15Click(form->GET1);
    form->close();
    EXPECT_EQ(readBytes(folder.file("qorvel.i2")),
              "0\r\n1\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");

    startForm();
    EXPECT_TRUE(form->N15->isChecked());
    EXPECT_FALSE(form->html2->isChecked());
    EXPECT_TRUE(form->N19->isChecked());
    EXPECT_FALSE(form->GET1->isChecked());
}

TEST_F(OptionsTest, AFailedSaveIsShownAndTheWindowStillCloses) {
    std::filesystem::remove(folder.file("qorvel.i2"));
    std::filesystem::create_directory(folder.file("qorvel.i2"));
    form->show();
    EXPECT_TRUE(form->close());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].caption, "Qorvel");
    EXPECT_EQ(
        services.messages[0].text,
        QString::fromStdString("ファイル " + folder.file("qorvel.i2") + " を作成できません."));
    EXPECT_FALSE(form->isVisible());
}

class SizePresetTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        form->resize(1000, 500);
        form->show();
    }
    int browserWidth() const { return form->Splitter2->sizes().at(0); }
};

TEST_F(SizePresetTest, NextSizeRunsThroughTheThreePresets) {
    const std::vector<int> expected = {501, 502, 500, 501};
    for (int preset : expected) {
        form->defaut1Click(form->Nextsize1);
        EXPECT_EQ(form->SizePreset, preset);
    }
    EXPECT_EQ(browserWidth(), 10);
    EXPECT_EQ(form->USGrid->columnWidth(0), 300);
    EXPECT_EQ(form->USGrid->columnWidth(1), 114);
    EXPECT_EQ(form->USGrid->columnWidth(2), 600);
}

TEST_F(SizePresetTest, ChoosingAPresetDirectlyLeavesTheSequenceWhereItWas) {
    form->defaut1Click(form->LIST1);
    EXPECT_EQ(form->SizePreset, 500);
    form->defaut1Click(form->Nextsize1);
    EXPECT_EQ(form->SizePreset, 501);
}

TEST_F(SizePresetTest, PreviewSizeKeepsTheTitleColumn) {
    form->defaut1Click(form->LIST1);
    form->defaut1Click(form->Preview1);
    EXPECT_EQ(form->USGrid->columnWidth(0), 0);
    EXPECT_EQ(form->USGrid->columnWidth(2), 600);
    // The window's outer width less 10 leaves the grid only what it needs at the least.
    EXPECT_GT(browserWidth(), 800);

    form->defaut1Click(form->defaut1);
    EXPECT_EQ(browserWidth(), 560);
    EXPECT_EQ(form->USGrid->columnWidth(0), 0);
    EXPECT_EQ(form->USGrid->columnWidth(2), 200);
}

TEST_F(OptionsTest, ChoosingAPatternSetsTheExtensionsAndTheFilter) {
    QAction* html = form->kaa->actions().at(0);
    QAction* jpeg = form->kaa->actions().at(1);
    for (int time = 0; time < 2; ++time) {
        form->N01Click(jpeg);
        EXPECT_TRUE(jpeg->isChecked());
        EXPECT_FALSE(html->isChecked());
        EXPECT_EQ(form->CurrentExtensions.first, ".jpg");
        EXPECT_EQ(form->CurrentExtensions.second, ".jpeg");
        EXPECT_EQ(form->OpenDialog.filter, "jpeg (*.jpg *.jpeg)");
    }
    html->trigger();
    EXPECT_TRUE(html->isChecked());
    EXPECT_FALSE(jpeg->isChecked());
    EXPECT_EQ(form->CurrentExtensions.second, ".html");
    EXPECT_EQ(form->OpenDialog.filter, "html (*.htm *.html)");
}

} // namespace
} // namespace qorvel::testing
