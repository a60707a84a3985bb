// The main menu and the file list's context menu: every command's caption, tag, check mark and
// shortcut, and the handler it runs.
#include "app/Unit1.h"

#include "app/MenuTags.h"
#include "grid/USGrid.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

namespace qorvel {
namespace {

// A command whose handler comes with a later part of the program: shown, but not offered.
QAction* addPendingCommand(QMenu* menu, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setEnabled(false);
    return action;
}

} // namespace

QAction* TForm1::addCommand(QMenu* menu, const QString& caption, void (TForm1::*handler)()) {
    QAction* action = menu->addAction(caption);
    connect(action, &QAction::triggered, this,
            [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
    return action;
}

QAction* TForm1::addOption(const QString& caption, int tag) {
    QAction* action = N14->addAction(caption);
    action->setData(tag);
    action->setCheckable(true);
    action->setChecked(true);
    // N15Click toggles the mark itself, so the action must not toggle it first.
    connect(action, &QAction::triggered, this, [this, action] {
        action->setChecked(!action->isChecked());
        runGuarded([this, action] { N15Click(action); });
    });
    return action;
}

QAction* TForm1::addSizePreset(const QString& caption, int tag) {
    QAction* action = Window1->addAction(caption);
    action->setData(tag);
    connect(action, &QAction::triggered, this,
            [this, action] { runGuarded([this, action] { defaut1Click(action); }); });
    return action;
}

void TForm1::createActions() {
    N1 = new QMenu(QStringLiteral("ファイル"), this);
    N8 = new QMenu(QStringLiteral("オリジナルリスト"), this);
    N14 = new QMenu(QStringLiteral("設定"), this);
    kaa = new QMenu(QStringLiteral("拡張子パターン"), this);
    Window1 = new QMenu(QStringLiteral("Window"), this);
    PopupMenu1 = new QMenu(this);

    N2 = addCommand(N1, QStringLiteral("フォルダ選択"), &TForm1::N2Click);
    opfile = addCommand(N1, QStringLiteral("ファイル選択"), &TForm1::opfileClick);
    N3 = addPendingCommand(N1, QStringLiteral("リスト読み込み"));
    N4 = addPendingCommand(N1, QStringLiteral("リスト保存"));

    N9 = addPendingCommand(N8, QStringLiteral("リスト保存"));
    N10 = addPendingCommand(N8, QStringLiteral("リスト読み込み"));
    html1 = addPendingCommand(N8, QStringLiteral("htmlに書き出し"));
    htmlFrame1 = addPendingCommand(N8, QStringLiteral("htmlに書き出し(Frame)"));
    html3 = addPendingCommand(N8, QStringLiteral("htmlに書き出し(画像Jpeg)"));
    html4 = addPendingCommand(N8, QStringLiteral("htmlに書き出し(その他画像)"));

    N15 = addOption(QStringLiteral("行削除時に確認を求めない"), 0);
    html2 = addOption(QStringLiteral("html書込み後ブラウザ起動"), 0);
    N19 = addOption(QStringLiteral("セル編集を可能にする"), cellEditTag);
    N19->setShortcut(QKeySequence(Qt::Key_F2));
    GET1 = addOption(QStringLiteral("タイトルGETは選択行以下"), 0);

    patternGroup = new QActionGroup(this);
    patternGroup->setExclusive(true);

    defaut1 = addSizePreset(QStringLiteral("defaut size"), defaultSizeTag);
    LIST1 = addSizePreset(QStringLiteral("LIST size"), 501);
    Preview1 = addSizePreset(QStringLiteral("Preview size"), 502);
    Nextsize1 = addSizePreset(QStringLiteral("Next size"), nextSizeTag);
    Nextsize1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));

    N5 = new QAction(QStringLiteral("ヘルプ"), this);
    connect(N5, &QAction::triggered, this, [this] { runGuarded([this] { N5Click(); }); });
}

void TForm1::createMenus() {
    QMenuBar* bar = menuBar();
    bar->addMenu(N1);
    bar->addMenu(N8);
    bar->addMenu(N14);
    bar->addMenu(kaa);
    bar->addMenu(Window1);
    bar->addAction(N5);
    // The shortcuts work while the menus are closed.
    addActions({N19, Nextsize1});
}

void TForm1::createContextMenu() {
    N6 = addCommand(PopupMenu1, QStringLiteral("選択行の削除"), &TForm1::N6Click);
    sortlist1 = addPendingCommand(PopupMenu1, QStringLiteral("ファイル名sort"));
    sortlist2 = addPendingCommand(PopupMenu1, QStringLiteral("HPタイトルsort"));
    htmlGET2 = addPendingCommand(PopupMenu1, QStringLiteral("htmlタイトルGET"));
    N7 = addCommand(PopupMenu1, QStringLiteral("関連付けで開く"), &TForm1::N7Click);
    N11 = addCommand(PopupMenu1, QStringLiteral("リストクリア"), &TForm1::N11Click);
    N12 = addPendingCommand(PopupMenu1, QStringLiteral("画像変換へ"));
    html5 = addPendingCommand(PopupMenu1, QStringLiteral("htmlソースへ"));
    USGrid->setContextMenu(PopupMenu1);
}

} // namespace qorvel
