#include <QApplication>
#include <gtest/gtest.h>
#include <unistd.h>

// GUI tests run the real widgets under the offscreen platform.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // WebEngine refuses its sandbox when run as root, as tests and CI are.
    if (geteuid() == 0 && qgetenv("QTWEBENGINE_DISABLE_SANDBOX").isEmpty()) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
