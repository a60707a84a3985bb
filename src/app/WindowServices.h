#pragma once

#include "browser/BrowserView.h"

#include <QFont>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace qorvel {

// What a file dialog of the window is set up with. The filter is in Qt's name-filter syntax.
struct FileDialogSetup {
    QString filter;
    QString defaultSuffix;
    bool multipleSelection = false;
};

enum class MessageIcon { None, Information, Warning, Error, Question };

// A message box: caption, text, icon, and button captions (the first is the default one).
struct MessageSetup {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::Information;
    std::vector<QString> buttons;
    // The button that counts as the answer when the box is closed or Escape is pressed.
    int escapeButton = 0;
};

// The window's outside world: dialogs, message boxes, the desktop shell and the browser views.
// Paths and URLs are the system's bytes. main() passes the Qt implementation; tests pass fakes.
class WindowServices {
public:
    virtual ~WindowServices() = default;

    // The chosen folder, or empty text on a cancel.
    virtual std::string chooseFolder(QWidget* owner, const QString& prompt) = 0;
    // The chosen files in the dialog's order; none on a cancel.
    virtual std::vector<std::string> chooseFilesToOpen(QWidget* owner,
                                                       const FileDialogSetup& setup) = 0;
    // The chosen name, or empty text on a cancel; lastName is offered as the start.
    virtual std::string chooseFileToSave(QWidget* owner, const FileDialogSetup& setup,
                                         const std::string& lastName) = 0;
    // The index of the button chosen.
    virtual int showMessage(QWidget* owner, const MessageSetup& setup) = 0;
    virtual std::optional<QFont> chooseFont(QWidget* owner, const QFont& initial) = 0;
    // Opens the URL with the desktop's associated program; a failure is not reported.
    virtual void openWithShell(const std::string& url) = 0;
    virtual std::unique_ptr<BrowserView> createBrowserView(QWidget* parent) = 0;
};

} // namespace qorvel
