#include "grid/USGrid.h"
#include "support/FormFixture.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

namespace qorvel::testing {
namespace {

using MainWindowTest = FormFixture;

// One menu item as the user sees it: caption, tag, checkable/checked, shortcut, enabled.
struct MenuItem {
    QString caption;
    int tag;
    bool checkable;
    bool checked;
    QString shortcut;
    bool enabled;
};

std::vector<MenuItem> itemsOf(const QList<QAction*>& actions) {
    std::vector<MenuItem> items;
    for (const QAction* action : actions) {
        items.push_back({action->text(), action->data().toInt(), action->isCheckable(),
                         action->isChecked(), action->shortcut().toString(), action->isEnabled()});
    }
    return items;
}

void expectItems(const std::vector<MenuItem>& actual, const std::vector<MenuItem>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].caption.toStdString());
        EXPECT_EQ(actual[i].caption, expected[i].caption);
        EXPECT_EQ(actual[i].tag, expected[i].tag);
        EXPECT_EQ(actual[i].checkable, expected[i].checkable);
        EXPECT_EQ(actual[i].checked, expected[i].checked);
        EXPECT_EQ(actual[i].shortcut, expected[i].shortcut);
        EXPECT_EQ(actual[i].enabled, expected[i].enabled);
    }
}

TEST_F(MainWindowTest, StartsWithTheEmptyListTheHelpPageAndTheStartTexts) {
    EXPECT_EQ(form->windowTitle(), "Qorvel_Maker");
    EXPECT_EQ(form->FileCount, 0);
    EXPECT_EQ(form->CurrentRow, 0);
    EXPECT_EQ(form->CurrentExtensions.first, ".htm");
    EXPECT_EQ(form->CurrentExtensions.second, ".html");
    EXPECT_EQ(form->SizePreset, 500);

    const StringGrid& grid = form->USGrid->grid();
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.cell(0, 0), "フルパス");
    EXPECT_EQ(grid.cell(1, 0), "ファイル名");
    EXPECT_EQ(grid.cell(2, 0), "HPタイトル");
    EXPECT_EQ(grid.cell(0, 1), "");
    EXPECT_EQ(form->USGrid->columnWidth(0), 0);
    EXPECT_EQ(form->USGrid->columnWidth(1), 114);
    EXPECT_EQ(form->USGrid->columnWidth(2), 200);

    EXPECT_EQ(form->statusPanelText(0), "Read File=");
    EXPECT_EQ(form->statusPanelText(1), "File List Num");
    EXPECT_EQ(form->statusPanelText(2), "Preview File=ヘルプファイル");

    ASSERT_EQ(services.views.size(), 3u);
    EXPECT_EQ(listView().urls, std::vector<std::string>{"file://" + folder.file("readme.html")});
    EXPECT_TRUE(services.views[1]->urls.empty());
    EXPECT_TRUE(services.views[2]->urls.empty());

    ASSERT_EQ(form->PageControl1->count(), 3);
    EXPECT_EQ(form->PageControl1->tabText(0), "リスト作成");
    EXPECT_EQ(form->PageControl1->tabText(1), "画像サイズ変換(Jpeg限定)");
    EXPECT_EQ(form->PageControl1->tabText(2), "htmlソース");
    EXPECT_EQ(form->PageControl1->currentIndex(), 0);
}

TEST_F(MainWindowTest, MenuTreeHoldsEveryCommand) {
    std::vector<QString> bar;
    for (const QAction* action : form->menuBar()->actions()) {
        bar.push_back(action->text());
    }
    EXPECT_EQ(bar, (std::vector<QString>{"ファイル", "オリジナルリスト", "設定", "拡張子パターン",
                                         "Window", "ヘルプ"}));
    EXPECT_TRUE(form->N5->isEnabled());
    EXPECT_EQ(form->N5->menu(), nullptr);

    expectItems(itemsOf(form->N1->actions()), {{"フォルダ選択", 0, false, false, "", true},
                                               {"ファイル選択", 0, false, false, "", true},
                                               {"リスト読み込み", 0, false, false, "", false},
                                               {"リスト保存", 0, false, false, "", false}});
    expectItems(itemsOf(form->N8->actions()),
                {{"リスト保存", 0, false, false, "", false},
                 {"リスト読み込み", 0, false, false, "", false},
                 {"htmlに書き出し", 0, false, false, "", false},
                 {"htmlに書き出し(Frame)", 0, false, false, "", false},
                 {"htmlに書き出し(画像Jpeg)", 0, false, false, "", false},
                 {"htmlに書き出し(その他画像)", 0, false, false, "", false}});
    expectItems(itemsOf(form->N14->actions()),
                {{"行削除時に確認を求めない", 0, true, true, "", true},
                 {"html書込み後ブラウザ起動", 0, true, true, "", true},
                 {"セル編集を可能にする", 1001, true, true, "F2", true},
                 {"タイトルGETは選択行以下", 0, true, true, "", true}});
    expectItems(itemsOf(form->kaa->actions()),
                {{"html", 100, true, false, "", true}, {"jpeg", 101, true, false, "", true}});
    expectItems(itemsOf(form->Window1->actions()),
                {{"defaut size", 500, false, false, "", true},
                 {"LIST size", 501, false, false, "", true},
                 {"Preview size", 502, false, false, "", true},
                 {"Next size", 503, false, false, "Ctrl+W", true}});
    expectItems(itemsOf(form->PopupMenu1->actions()),
                {{"選択行の削除", 0, false, false, "", true},
                 {"ファイル名sort", 0, false, false, "", false},
                 {"HPタイトルsort", 0, false, false, "", false},
                 {"htmlタイトルGET", 0, false, false, "", false},
                 {"関連付けで開く", 0, false, false, "", true},
                 {"リストクリア", 0, false, false, "", true},
                 {"画像変換へ", 0, false, false, "", false},
                 {"htmlソースへ", 0, false, false, "", false}});
    for (QAction* pattern : form->kaa->actions()) {
        EXPECT_EQ(pattern->actionGroup(), form->patternGroup);
    }
    EXPECT_TRUE(form->patternGroup->isExclusive());
}

TEST_F(MainWindowTest, DialogsCarryTheirFiltersAndDefaultExtensions) {
    EXPECT_EQ(form->OpenDialog.filter, "html (*.html *htm)");
    EXPECT_TRUE(form->OpenDialog.multipleSelection);
    EXPECT_EQ(form->FV_Save.defaultSuffix, "LST");
    EXPECT_EQ(form->FV_Save.filter, "QORVELのお気に入り (*.LST)");
    EXPECT_EQ(form->FV_Open.filter, "QORVELのお気に入り (*.LST)");
    EXPECT_EQ(form->SDg.defaultSuffix, "html");
    EXPECT_EQ(form->SDg.filter, "html (*.html)");
    EXPECT_EQ(form->F_gazo.defaultSuffix, "jpg");
    EXPECT_TRUE(form->F_gazo.filter.isEmpty());
    EXPECT_EQ(form->FontDialog1Font.family(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(form->FontDialog1Font.pixelSize(), 12);
}

TEST_F(MainWindowTest, StatusPanelsAreTheListTabsOwn) {
    for (const QLabel* panel : form->StatusPanels) {
        EXPECT_EQ(panel->width(), 250);
        EXPECT_TRUE(form->TabSheet1->isAncestorOf(panel));
    }
    EXPECT_TRUE(form->TabSheet1->isAncestorOf(form->USGrid));
    EXPECT_EQ(form->font().family(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(form->font().pixelSize(), 12);
    EXPECT_EQ(form->USGrid->font().family(), "ＭＳ ゴシック");
    EXPECT_EQ(form->USGrid->font().pixelSize(), 15);
}

} // namespace
} // namespace qorvel::testing
