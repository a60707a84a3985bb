#include "app/QtWindowServices.h"

#include "app/SystemText.h"
#include "base/Conventions.h"
#include "browser/BrowserTarget.h"
#include "browser/WebEngineBrowserView.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace qorvel {
namespace {

std::string pathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QMessageBox::Icon messageBoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

std::string QtWindowServices::chooseFolder(QWidget* owner, const QString& prompt) {
    const QString folder = QFileDialog::getExistingDirectory(owner, prompt);
    return folder.isEmpty() ? std::string() : pathBytes(QDir::toNativeSeparators(folder));
}

std::vector<std::string> QtWindowServices::chooseFilesToOpen(QWidget* owner,
                                                             const FileDialogSetup& setup) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(setup.multipleSelection ? QFileDialog::ExistingFiles
                                               : QFileDialog::ExistingFile);
    if (!setup.filter.isEmpty()) {
        dialog.setNameFilter(setup.filter);
    }
    std::vector<std::string> files;
    if (dialog.exec() != QDialog::Accepted) {
        return files;
    }
    for (const QString& file : dialog.selectedFiles()) {
        files.push_back(pathBytes(QDir::toNativeSeparators(file)));
    }
    return files;
}

std::string QtWindowServices::chooseFileToSave(QWidget* owner, const FileDialogSetup& setup,
                                               const std::string& lastName) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!setup.filter.isEmpty()) {
        dialog.setNameFilter(setup.filter);
    }
    dialog.setDefaultSuffix(setup.defaultSuffix);
    if (!lastName.empty()) {
        dialog.selectFile(QFile::decodeName(QByteArray::fromStdString(lastName)));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return pathBytes(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

int QtWindowServices::showMessage(QWidget* owner, const MessageSetup& setup) {
    QMessageBox box(messageBoxIcon(setup.icon), setup.caption, setup.text, QMessageBox::NoButton,
                    owner);
    std::vector<QPushButton*> buttons;
    for (const QString& caption : setup.buttons) {
        buttons.push_back(box.addButton(caption, QMessageBox::ActionRole));
    }
    if (!buttons.empty()) {
        box.setDefaultButton(buttons.front());
        box.setEscapeButton(buttons.at(static_cast<std::size_t>(setup.escapeButton)));
    }
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) {
            return static_cast<int>(i);
        }
    }
    return setup.escapeButton;
}

std::optional<QFont> QtWindowServices::chooseFont(QWidget* owner, const QFont& initial) {
    bool accepted = false;
    const QFont font = QFontDialog::getFont(&accepted, initial, owner);
    return accepted ? std::optional<QFont>(font) : std::nullopt;
}

void QtWindowServices::openWithShell(const std::string& url) {
    const std::optional<std::string> path = localPathOfTarget(Conventions::host(), url);
    if (path && !path->empty()) {
        QDesktopServices::openUrl(
            QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(*path))));
    } else if (!path) {
        QDesktopServices::openUrl(QUrl(fromSystemBytes(url)));
    }
}

std::unique_ptr<BrowserView> QtWindowServices::createBrowserView(QWidget* parent) {
    return createWebEngineBrowserView(parent);
}

} // namespace qorvel
