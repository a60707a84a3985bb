#include "app/SettingsFile.h"

#include "base/Messages.h"
#include "base/PlatformError.h"
#include "base/TextLineFile.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace qorvel {
namespace {

constexpr OptionStates allOn{};
constexpr OptionStates allOff{false, false, false, false};

// A fresh folder per test, removed afterwards.
class SettingsFileTest : public ::testing::Test {
protected:
    testing::TemporaryFolder temporary_;
    std::string folder_ = temporary_.path();
    std::string path_ = temporary_.file("qorvel.i2");
};

std::string lines(const std::vector<std::string>& texts) {
    std::string bytes;
    for (const std::string& text : texts) {
        bytes += text + "\r\n";
    }
    return bytes;
}

TEST_F(SettingsFileTest, Reading) {
    const std::string tenZeros = lines({"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
    struct Case {
        std::string label;
        std::string bytes;
        OptionStates design;
        OptionStates expected;
        // Empty when the file is read without error.
        std::string error;
    };
    const std::vector<Case> cases = {
        {"ten zeros", tenZeros, allOn, allOn, ""},
        {"1 in line 1",
         lines({"1", "0", "0", "0", "0", "0", "0", "0", "0", "0"}),
         allOn,
         {false, true, true, true},
         ""},
        {"1 in every line", lines({"1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}), allOn,
         allOff, ""},
        {"0, 2, -1 keep the option", lines({"0", "2", "-1", "0"}), allOn, allOn, ""},
        {"a number other than 1 keeps an option off", tenZeros, allOff, allOff, ""},
        {"leading spaces", lines({"0", "  1", "0", "0"}), allOn, {true, false, true, true}, ""},
        {"exactly four lines", lines({"0", "0", "1", "0"}), allOn, {true, true, false, true}, ""},
        {"no final break", "0\r\n0\r\n0\r\n1", allOn, {true, true, true, false}, ""},
        {"LF and lone CR", "1\n1\r0\r\n1", allOn, {false, false, true, false}, ""},
        {"hexadecimal $1", lines({"0", "0", "0", "$1"}), allOn, {true, true, true, false}, ""},
        {"hexadecimal 0x1", lines({"0", "0", "0x1", "0"}), allOn, {true, true, false, true}, ""},
        {"lines past the fourth are never read",
         lines({"0", "1", "0", "0", "x", ""}),
         allOn,
         {true, false, true, true},
         ""},
        {"trailing space", lines({"1 ", "0", "0", "0"}), allOn, {}, notAnIntegerMessage("1 ")},
        {"empty line among the first four",
         lines({"1", "0", "", "0"}),
         allOn,
         {},
         notAnIntegerMessage("")},
        {"text", lines({"0", "on", "0", "0"}), allOn, {}, notAnIntegerMessage("on")},
        {"out of the 32-bit range",
         lines({"0", "0", "0", "2147483648"}),
         allOn,
         {},
         notAnIntegerMessage("2147483648")},
        {"three lines", lines({"1", "0", "0"}), allOn, {}, listIndexMessage(3)},
        {"three lines, one no integer",
         lines({"0", "x", "0"}),
         allOn,
         {},
         notAnIntegerMessage("x")},
        {"one line", lines({"1"}), allOn, {}, listIndexMessage(1)},
        {"empty file", "", allOn, {}, listIndexMessage(0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << c.bytes;
        if (c.error.empty()) {
            EXPECT_EQ(applySettingsFile(path_, c.design), c.expected);
            continue;
        }
        try {
            applySettingsFile(path_, c.design);
            ADD_FAILURE() << "no error raised";
        } catch (const PlatformError& error) {
            EXPECT_EQ(error.what(), c.error);
        }
    }
}

TEST_F(SettingsFileTest, MissingFileRaisesTheOpenError) {
    try {
        applySettingsFile(path_, allOn);
        FAIL() << "no error raised";
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.what(), fileOpenMessage(path_));
    }
}

TEST_F(SettingsFileTest, Writing) {
    struct Case {
        OptionStates states;
        std::string bytes;
    };
    const std::string zeros = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
    const std::vector<Case> cases = {
        {allOn, "0\r\n0\r\n0\r\n0\r\n" + zeros},
        {{true, false, true, true}, "0\r\n1\r\n0\r\n0\r\n" + zeros},
        {{false, true, true, true}, "1\r\n0\r\n0\r\n0\r\n" + zeros},
        {{true, true, false, false}, "0\r\n0\r\n1\r\n1\r\n" + zeros},
        {allOff, "1\r\n1\r\n1\r\n1\r\n" + zeros},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.bytes));
        EXPECT_EQ(settingsLines(c.states).size(), 10u);
        writeSettingsFile(path_, c.states);
        EXPECT_EQ(readFileBytes(path_), c.bytes);
        EXPECT_EQ(applySettingsFile(path_, allOn), c.states);
    }
}

TEST_F(SettingsFileTest, WriteIntoAMissingFolderRaisesTheCreateError) {
    const std::string path = folder_ + "/missing/qorvel.i2";
    try {
        writeSettingsFile(path, allOn);
        FAIL() << "no error raised";
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.what(), fileCreateMessage(path));
    }
}

TEST(SizePresetTest, Widths) {
    struct Case {
        int tag;
        int windowOuterWidth;
        SizePresetWidths expected;
    };
    const std::vector<Case> cases = {
        {500, 1024, {560, 0, 200}},
        {501, 1024, {10, 300, 600}},
        {502, 1024, {1014, 0, std::nullopt}},
        {502, 5, {-5, 0, std::nullopt}},
        {503, 1024, {}},
        {499, 1024, {}},
        {0, 1024, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(sizePresetWidths(c.tag, c.windowOuterWidth), c.expected);
    }
}

TEST(SizePresetTest, NextSizeCyclesFromTheStart) {
    std::vector<int> applied;
    int preset = 500;
    for (int step = 0; step < 4; ++step) {
        preset = nextSizePreset(preset);
        applied.push_back(preset);
    }
    EXPECT_EQ(applied, (std::vector<int>{501, 502, 500, 501}));
}

} // namespace
} // namespace qorvel
