#include "app/EntryPoint.h"

#include "app/FailureBox.h"
#include "app/Unit1.h"

#include <QApplication>
#include <QFont>

namespace qorvel {

void installJapaneseFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
}

int runQorvel(WindowServices& services, const std::string& applicationFolder,
              const std::function<void(TForm1&)>& runLoop) {
    try {
        // The application title. A display name is left unset: Qt would append it to the
        // window's caption.
        QApplication::setApplicationName(QStringLiteral("Qorvel"));
        installJapaneseFontSubstitutes();
        TForm1 form(services, applicationFolder);
        runLoop(form);
    } catch (const std::exception& failure) {
        showFailureBox(services, nullptr, failure);
    } catch (...) {
        showUnknownFailureBox(services, nullptr);
    }
    return 0;
}

} // namespace qorvel
