#pragma once

#include "app/WindowServices.h"
#include "support/RecordingBrowserView.h"

#include <deque>
#include <string>
#include <vector>

namespace qorvel::testing {

// Services that answer from a script and record what was asked.
class FakeServices : public WindowServices {
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

    // Scripted answers, taken from the front; an empty script answers "cancel" (button 0 for
    // messages).
    std::deque<std::string> folderAnswers;
    std::deque<std::vector<std::string>> openAnswers;
    std::deque<std::string> saveAnswers;
    std::deque<int> messageAnswers;
    std::deque<std::optional<QFont>> fontAnswers;

    // What was asked.
    std::vector<QString> folderPrompts;
    std::vector<FileDialogSetup> openSetups;
    std::vector<FileDialogSetup> saveSetups;
    std::vector<MessageSetup> messages;
    std::vector<std::string> shellUrls;
    // The views in the order they were made (the window makes the list tab's view first).
    std::vector<RecordingBrowserView*> views;
};

} // namespace qorvel::testing
