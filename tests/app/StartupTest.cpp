#include "app/EntryPoint.h"
#include "app/Unit1.h"
#include "support/FakeServices.h"
#include "support/FormFixture.h"
#include "support/TemporaryFolder.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace qorvel::testing {
namespace {

struct StartupCase {
    const char* name;
    bool writePatterns;
    const char* settings; // nullptr: no settings file
    const char* file;     // the file the message names
    QString messageBeforePath;
    QString messageAfterPath;
};

class StartupFailureTest : public ::testing::TestWithParam<StartupCase> {};

TEST_P(StartupFailureTest, ShowsTheFailureBoxAndNeverShowsTheWindow) {
    const StartupCase& c = GetParam();
    TemporaryFolder folder;
    if (c.writePatterns) {
        folder.write("pattern.txt", twoPatterns());
    }
    if (c.settings != nullptr) {
        folder.write("qorvel.i2", c.settings);
    }
    FakeServices services;
    bool windowShown = false;
    EXPECT_EQ(runQorvel(services, folder.path(), [&](TForm1&) { windowShown = true; }), 0);

    EXPECT_FALSE(windowShown);
    ASSERT_EQ(services.messages.size(), 1u);
    const MessageSetup& box = services.messages[0];
    EXPECT_EQ(box.caption, "Qorvel");
    EXPECT_EQ(box.icon, MessageIcon::Error);
    EXPECT_EQ(box.buttons, std::vector<QString>{"OK"});
    const QString path = c.file[0] != '\0' ? QString::fromStdString(folder.file(c.file)) : "";
    EXPECT_EQ(box.text, c.messageBeforePath + path + c.messageAfterPath);
}

INSTANTIATE_TEST_SUITE_P(
    Startup, StartupFailureTest,
    ::testing::Values(StartupCase{"NoPatternFile", false, "0\r\n0\r\n0\r\n0\r\n", "pattern.txt",
                                  "ファイル ", " は開けません."},
                      StartupCase{"NoSettingsFile", true, nullptr, "qorvel.i2", "ファイル ",
                                  " は開けません."},
                      StartupCase{"ThreeLines", true, "0\r\n0\r\n0\r\n", "",
                                  "リストのインデックスが範囲を超えています (3)", ""},
                      StartupCase{"NoInteger", true, "0\r\nyes\r\n0\r\n0\r\n", "",
                                  "'yes' は整数ではありません.", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartupTest, RunsTheLoopWithTheReadyWindow) {
    TemporaryFolder folder;
    folder.write("pattern.txt", twoPatterns());
    folder.write("qorvel.i2", "1\r\n0\r\n0\r\n0\r\n");
    FakeServices services;
    bool loopRan = false;
    runQorvel(services, folder.path(), [&](TForm1& form) {
        loopRan = true;
        EXPECT_FALSE(form.N15->isChecked());
        EXPECT_EQ(QApplication::applicationName(), "Qorvel");
        EXPECT_EQ(form.windowTitle(), "Qorvel_Maker");
    });
    EXPECT_TRUE(loopRan);
    EXPECT_TRUE(services.messages.empty());
}

TEST(StartupTest, AMissingHelpPageStillShowsTheWindow) {
    TemporaryFolder folder;
    folder.write("pattern.txt", twoPatterns());
    folder.write("qorvel.i2", allOptionsOnSettings());
    FakeServices services;
    bool loopRan = false;
    runQorvel(services, folder.path(), [&](TForm1&) { loopRan = true; });
    EXPECT_TRUE(loopRan);
}

} // namespace
} // namespace qorvel::testing
