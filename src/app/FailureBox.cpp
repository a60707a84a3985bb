#include "app/FailureBox.h"

#include "app/SystemText.h"
#include "base/Messages.h"
#include "base/PlatformError.h"

namespace qorvel {
namespace {

void showFailureText(WindowServices& services, QWidget* owner, const QString& text) {
    services.showMessage(
        owner, {QStringLiteral("Qorvel"), text, MessageIcon::Error, {QStringLiteral("OK")}, 0});
}

} // namespace

void showFailureBox(WindowServices& services, QWidget* owner, const std::exception& failure) {
    if (dynamic_cast<const PlatformError*>(&failure) == nullptr) {
        showUnknownFailureBox(services, owner);
        return;
    }
    showFailureText(services, owner, fromSystemBytes(displayText(failure.what())));
}

void showUnknownFailureBox(WindowServices& services, QWidget* owner) {
    showFailureText(services, owner, QString());
}

} // namespace qorvel
