#include "support/FakeServices.h"

namespace qorvel::testing {
namespace {

template <typename T> T takeFront(std::deque<T>& answers, T cancel) {
    if (answers.empty()) {
        return cancel;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

std::string FakeServices::chooseFolder(QWidget*, const QString& prompt) {
    folderPrompts.push_back(prompt);
    return takeFront(folderAnswers, std::string());
}

std::vector<std::string> FakeServices::chooseFilesToOpen(QWidget*, const FileDialogSetup& setup) {
    openSetups.push_back(setup);
    return takeFront(openAnswers, std::vector<std::string>());
}

std::string FakeServices::chooseFileToSave(QWidget*, const FileDialogSetup& setup,
                                           const std::string&) {
    saveSetups.push_back(setup);
    return takeFront(saveAnswers, std::string());
}

int FakeServices::showMessage(QWidget*, const MessageSetup& setup) {
    messages.push_back(setup);
    return takeFront(messageAnswers, setup.escapeButton);
}

std::optional<QFont> FakeServices::chooseFont(QWidget*, const QFont&) {
    return takeFront(fontAnswers, std::optional<QFont>());
}

void FakeServices::openWithShell(const std::string& url) {
    shellUrls.push_back(url);
}

std::unique_ptr<BrowserView> FakeServices::createBrowserView(QWidget* parent) {
    auto view = std::make_unique<RecordingBrowserView>(parent);
    views.push_back(view.get());
    return view;
}

} // namespace qorvel::testing
