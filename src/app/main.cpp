#include "app/EntryPoint.h"
#include "app/QtWindowServices.h"
#include "app/Unit1.h"
#include "base/PathRules.h"

#include <QApplication>
#include <QFile>

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    qorvel::QtWindowServices services;
    const std::string executable =
        QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    const std::string folder = qorvel::applicationFolder(qorvel::Conventions::host(), executable);
    return qorvel::runQorvel(services, folder, [&application](qorvel::TForm1& form) {
        form.showMaximized();
        application.exec();
    });
}
