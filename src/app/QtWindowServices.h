#pragma once

#include "app/WindowServices.h"

namespace qorvel {

// The real dialogs, message boxes, shell and browser views: Qt's own and Qt WebEngine.
class QtWindowServices : public WindowServices {
public:
    std::string chooseFolder(QWidget* owner, const QString& prompt) override;
    std::vector<std::string> chooseFilesToOpen(QWidget* owner,
                                               const FileDialogSetup& setup) override;
    std::string chooseFileToSave(QWidget* owner, const FileDialogSetup& setup,
                                 const std::string& lastName) override;
    int showMessage(QWidget* owner, const MessageSetup& setup) override;
    std::optional<QFont> chooseFont(QWidget* owner, const QFont& initial) override;
    void openWithShell(const std::string& url) override;
    std::unique_ptr<BrowserView> createBrowserView(QWidget* parent) override;
};

} // namespace qorvel
