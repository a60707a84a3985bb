#pragma once

#include "app/ExtensionPatterns.h"
#include "app/WindowServices.h"
#include "browser/BrowserView.h"
#include "collect/FolderScan.h"

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QStatusBar;
class QTabWidget;

namespace qorvel {

class LabeledEdit;
class USGrid;

// The main window. It owns the file list, the browser views, the menus and the shared fields;
// every command is one of its handlers. Handlers are defined in the folder of the subsystem that
// owns the command.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // Runs the start-up steps; a failure (pattern or settings file) leaves the constructor.
    TForm1(WindowServices& services, std::string applicationFolder, QWidget* parent = nullptr);
    ~TForm1() override;

    // Shared fields.
    std::int32_t FileCount = 0;
    std::int32_t CurrentRow = 0;
    ExtensionPair CurrentExtensions;
    std::vector<ExtensionPattern> ExtensionPatterns;
    std::int32_t PatternCount = 0;
    std::int32_t SizePreset = 500;

    // Components, named as in the window's design.
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QSplitter* Splitter2 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QSplitter* Splitter4 = nullptr;
    std::unique_ptr<BrowserView> CppWebBrowser1;
    std::unique_ptr<BrowserView> CppWebBrowser2;
    std::unique_ptr<BrowserView> CppWebBrowser3;
    qorvel::USGrid* USGrid = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 3> StatusPanels{};
    LabeledEdit* LabeledEdit1 = nullptr;
    LabeledEdit* LabeledEdit2 = nullptr;
    LabeledEdit* LabeledEdit3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPlainTextEdit* RichEdit1 = nullptr;

    // Main menu.
    QMenu* N1 = nullptr;
    QAction* N2 = nullptr;
    QAction* opfile = nullptr;
    QAction* N3 = nullptr;
    QAction* N4 = nullptr;
    QMenu* N8 = nullptr;
    QAction* N9 = nullptr;
    QAction* N10 = nullptr;
    QAction* html1 = nullptr;
    QAction* htmlFrame1 = nullptr;
    QAction* html3 = nullptr;
    QAction* html4 = nullptr;
    QMenu* N14 = nullptr;
    QAction* N15 = nullptr;
    QAction* html2 = nullptr;
    QAction* N19 = nullptr;
    QAction* GET1 = nullptr;
    QMenu* kaa = nullptr;
    QActionGroup* patternGroup = nullptr;
    QMenu* Window1 = nullptr;
    QAction* defaut1 = nullptr;
    QAction* LIST1 = nullptr;
    QAction* Preview1 = nullptr;
    QAction* Nextsize1 = nullptr;
    QAction* N5 = nullptr;
    // Context menu of the file list.
    QMenu* PopupMenu1 = nullptr;
    QAction* N6 = nullptr;
    QAction* sortlist1 = nullptr;
    QAction* sortlist2 = nullptr;
    QAction* htmlGET2 = nullptr;
    QAction* N7 = nullptr;
    QAction* N11 = nullptr;
    QAction* N12 = nullptr;
    QAction* html5 = nullptr;

    // Dialogs owned by the window.
    FileDialogSetup OpenDialog;
    FileDialogSetup FV_Save;
    FileDialogSetup FV_Open;
    FileDialogSetup SDg;
    FileDialogSetup F_gazo;
    QFont FontDialog1Font;

    // Application shell.
    void FormClose();
    void N15Click(QAction* item);
    void LoadSettings();
    void SaveSettings();
    void defaut1Click(QAction* item);
    void ApplySizePreset(std::int32_t tag);
    void BuildPatternMenu();
    void N01Click(QAction* item);

    // Collecting and browsing.
    void N2Click();
    void ScanSelectedFolder();
    std::string SelectFolder();
    void ScanFolder(const std::string& folder, const std::string& mask);
    void opfileClick();
    void WMDropFiles(const std::vector<std::string>& paths);
    void N6Click();
    void N11Click();
    void N7Click();
    void USGridSelectCell(int column, int row);
    void USGridClick();
    void USGridDblClick();
    void USGridKeyPress(char16_t key);
    void N5Click();

    // The status panel's text as the system's bytes.
    void setStatusPanel(int panel, const std::string& text);
    QString statusPanelText(int panel) const;
    // The application folder followed by one of the program's own file names.
    std::string applicationFile(const std::string& name) const;
    WindowServices& services() { return services_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createTabs();
    QWidget* createListTab();
    QWidget* createResizeTab();
    QWidget* createSourceTab();
    void createActions();
    void createMenus();
    void createContextMenu();
    void connectGridEvents();
    void showFileCount();
    // Each path appended as an entry with its file name, in the given order.
    void appendPaths(const std::vector<std::string>& paths);
    // Runs a handler; a failure is shown in the failure box and the program goes on.
    void runGuarded(const std::function<void()>& handler);
    QAction* addCommand(QMenu* menu, const QString& caption, void (TForm1::*handler)());
    QAction* addOption(const QString& caption, int tag);
    QAction* addSizePreset(const QString& caption, int tag);

    WindowServices& services_;
    std::string applicationFolder_;
};

} // namespace qorvel
