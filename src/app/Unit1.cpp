#include "app/Unit1.h"

#include "app/FailureBox.h"
#include "app/LabeledEdit.h"
#include "app/MenuTags.h"
#include "app/SystemText.h"
#include "base/PathRules.h"
#include "grid/USGrid.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qorvel {
namespace {

constexpr int designWidth = 831;
constexpr int designHeight = 369;
constexpr int listBrowserWidth = 560;
constexpr int resizeBrowserWidth = 513;
constexpr int topPanelHeight = 57;
constexpr int statusPanelWidth = 250;
constexpr int statusBarHeight = 19;
constexpr int fileNameColumnWidth = 114;

QFont windowFont() {
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(12);
    return font;
}

QSplitter* designSplitter(Qt::Orientation orientation, int handleWidth, QWidget* parent) {
    auto* splitter = new QSplitter(orientation, parent);
    splitter->setHandleWidth(handleWidth);
    splitter->setOpaqueResize(true);
    splitter->setChildrenCollapsible(false);
    return splitter;
}

// A tab page's contents, stacked edge to edge.
QVBoxLayout* pageLayout(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

QWidget* topPanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFixedHeight(topPanelHeight);
    return panel;
}

} // namespace

TForm1::TForm1(WindowServices& services, std::string applicationFolder, QWidget* parent)
    : QMainWindow(parent), services_(services), applicationFolder_(std::move(applicationFolder)) {
    // Step 1: the window and its components.
    setWindowTitle(QStringLiteral("Qorvel_Maker"));
    setFont(windowFont());
    resize(designWidth, designHeight);
    setAcceptDrops(true);
    OpenDialog = {QString::fromStdString(defaultOpenDialogFilter()), QString(), true};
    FV_Save = {QStringLiteral("QORVELのお気に入り (*.LST)"), QStringLiteral("LST"), false};
    FV_Open = {QStringLiteral("QORVELのお気に入り (*.LST)"), QString(), false};
    SDg = {QStringLiteral("html (*.html)"), QStringLiteral("html"), false};
    F_gazo = {QString(), QStringLiteral("jpg"), false};
    FontDialog1Font = windowFont();
    createTabs();
    createActions();
    createMenus();
    createContextMenu();
    connectGridEvents();

    // Step 2: the shared fields start empty.
    ExtensionPatterns.assign(maxExtensionPatterns, ExtensionPattern{});
    // Steps 4 to 8.
    const char* const headings[] = {"フルパス", "ファイル名", "HPタイトル"};
    for (int column = 0; column < 3; ++column) {
        USGrid->grid().setCell(column, 0, systemText(headings[column]));
    }
    USGrid->setColumnWidth(0, 0);
    USGrid->setColumnWidth(2, 200);
    FileCount = 0;
    CurrentExtensions = {".htm", ".html"};
    SizePreset = defaultSizeTag;
    // Step 9: the help page.
    CppWebBrowser1->navigate(fileUrl(Conventions::host(), applicationFile("readme.html")));
    // Steps 10 to 12.
    BuildPatternMenu();
    LoadSettings();
    setStatusPanel(0, systemText("Read File="));
    setStatusPanel(1, systemText("File List Num"));
    setStatusPanel(2, systemText("Preview File=ヘルプファイル"));
}

TForm1::~TForm1() = default;

void TForm1::createTabs() {
    PageControl1 = new QTabWidget(this);
    TabSheet1 = createListTab();
    TabSheet2 = createResizeTab();
    TabSheet3 = createSourceTab();
    PageControl1->addTab(TabSheet1, QStringLiteral("リスト作成"));
    PageControl1->addTab(TabSheet2, QStringLiteral("画像サイズ変換(Jpeg限定)"));
    PageControl1->addTab(TabSheet3, QStringLiteral("htmlソース"));
    PageControl1->setCurrentIndex(0);
    setCentralWidget(PageControl1);
}

QWidget* TForm1::createListTab() {
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page);

    Splitter2 = designSplitter(Qt::Horizontal, 9, page);
    CppWebBrowser1 = services_.createBrowserView(Splitter2);
    USGrid = new qorvel::USGrid(Splitter2);
    USGrid->setColumnWidth(1, fileNameColumnWidth);
    Splitter2->addWidget(CppWebBrowser1->widget());
    Splitter2->addWidget(USGrid);
    Splitter2->setStretchFactor(0, 0);
    Splitter2->setStretchFactor(1, 1);
    Splitter2->setSizes({listBrowserWidth, designWidth - listBrowserWidth});
    layout->addWidget(Splitter2, 1);

    StatusBar1 = new QStatusBar(page);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(statusBarHeight);
    for (QLabel*& panel : StatusPanels) {
        panel = new QLabel(StatusBar1);
        panel->setFixedWidth(statusPanelWidth);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        StatusBar1->addWidget(panel);
    }
    layout->addWidget(StatusBar1);
    return page;
}

QWidget* TForm1::createResizeTab() {
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page);

    QWidget* panel = topPanel(page);
    auto* panelLayout = new QHBoxLayout(panel);
    LabeledEdit1 = new LabeledEdit(QStringLiteral("元ファイル名"), panel);
    LabeledEdit2 = new LabeledEdit(QStringLiteral("画像高さ入力"), panel);
    Button1 = new QPushButton(QStringLiteral("convert"), panel);
    Button2 = new QPushButton(QStringLiteral("save"), panel);
    // The resize commands are not built yet.
    Button1->setEnabled(false);
    Button2->setEnabled(false);
    panelLayout->addWidget(LabeledEdit1, 3);
    panelLayout->addWidget(LabeledEdit2, 1);
    panelLayout->addWidget(Button1, 0, Qt::AlignBottom);
    panelLayout->addWidget(Button2, 0, Qt::AlignBottom);
    layout->addWidget(panel);

    Splitter1 = designSplitter(Qt::Horizontal, 6, page);
    CppWebBrowser2 = services_.createBrowserView(Splitter1);
    CppWebBrowser3 = services_.createBrowserView(Splitter1);
    Splitter1->addWidget(CppWebBrowser2->widget());
    Splitter1->addWidget(CppWebBrowser3->widget());
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({resizeBrowserWidth, designWidth - resizeBrowserWidth});
    layout->addWidget(Splitter1, 1);
    return page;
}

QWidget* TForm1::createSourceTab() {
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page);

    Splitter4 = designSplitter(Qt::Vertical, 5, page);
    QWidget* panel = topPanel(Splitter4);
    auto* panelLayout = new QHBoxLayout(panel);
    LabeledEdit3 = new LabeledEdit(QStringLiteral("ソースファイル名"), panel);
    BitBtn1 = new QPushButton(QStringLiteral("保存"), panel);
    BitBtn2 = new QPushButton(QStringLiteral("フォント"), panel);
    // The source view commands are not built yet.
    BitBtn1->setEnabled(false);
    BitBtn2->setEnabled(false);
    panelLayout->addWidget(LabeledEdit3, 1);
    panelLayout->addWidget(BitBtn1, 0, Qt::AlignBottom);
    panelLayout->addWidget(BitBtn2, 0, Qt::AlignBottom);

    RichEdit1 = new QPlainTextEdit(Splitter4);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Splitter4->addWidget(panel);
    Splitter4->addWidget(RichEdit1);
    Splitter4->setStretchFactor(1, 1);
    layout->addWidget(Splitter4, 1);
    return page;
}

void TForm1::FormClose() {
    SaveSettings();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A failed save is shown and the window still closes: a read-only application folder must
    // not make the program impossible to end.
    runGuarded([this] { FormClose(); });
    event->accept();
}

void TForm1::runGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        showFailureBox(services_, this, failure);
    }
}

void TForm1::setStatusPanel(int panel, const std::string& text) {
    StatusPanels.at(static_cast<std::size_t>(panel))->setText(fromSystemBytes(text));
}

QString TForm1::statusPanelText(int panel) const {
    return StatusPanels.at(static_cast<std::size_t>(panel))->text();
}

void TForm1::showFileCount() {
    setStatusPanel(1, systemText("File List Num=" + std::to_string(FileCount) + " files"));
}

std::string TForm1::applicationFile(const std::string& name) const {
    return joinPath(Conventions::host(), applicationFolder_, name);
}

} // namespace qorvel
