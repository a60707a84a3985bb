#include "app/ExtensionPatterns.h"

#include "base/Messages.h"
#include "base/PlatformError.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace qorvel {
namespace {

// A fresh folder per test, removed afterwards.
class PatternFileTest : public ::testing::Test {
protected:
    testing::TemporaryFolder temporary_;
    std::string folder_ = temporary_.path();

    std::string writeFile(const std::string& bytes) const {
        const std::string path = folder_ + "/pattern.txt";
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
};

TEST(ExtensionPatternsTest, PatternLineFields) {
    struct Case {
        std::string line;
        ExtensionPattern expected;
    };
    const std::vector<Case> cases = {
        {"html .htm .html; comment", {"html", ".htm", ".html"}},
        {"html .htm .html;", {"html", ".htm", ".html"}},
        {"pic .jpg;", {"pic", ".jpg", ""}},
        {"x  .htm;", {"x", "", ".htm"}},
        {"html .htm .html", {"", "", ""}},
        {"", {"", "", ""}},
        {";", {"", "", ""}},
        {"txt .txt .text;.doc .rtf; more", {"txt", ".txt", ".text"}},
        {" .htm .html;", {"", ".htm", ".html"}},
        {"pic .jpg ;", {"pic", ".jpg", ""}},
        {"a .b .c .d .e;", {"a", ".b", ".c"}},
        {"\x95\x5c\x8e\xa6 .htm .html;", {"\x95\x5c\x8e\xa6", ".htm", ".html"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(parsePatternLine(c.line), c.expected);
    }
}

TEST(ExtensionPatternsTest, OpenDialogFilter) {
    const CodePage utf8(Encoding::Utf8);
    const CodePage shiftJis(Encoding::ShiftJis);
    struct Case {
        ExtensionPattern pattern;
        const CodePage& codePage;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{"html", ".htm", ".html"}, utf8, "html (*.htm *.html)"},
        {{"pic", ".jpg", ""}, utf8, "pic (*.jpg *)"},
        {{"x", "", ".htm"}, utf8, "x (* *.htm)"},
        {{"", "", ""}, utf8, "(* *)"},
        {{"", ".htm", ".html"}, utf8, "(*.htm *.html)"},
        // Qt takes the patterns from the last parenthesised group, so the name is free.
        {{"JPEG (baseline)", ".jpg", ".jpeg"}, utf8, "JPEG (baseline) (*.jpg *.jpeg)"},
        {{"a) (b", ".jpg", ".jpeg"}, utf8, "a) (b (*.jpg *.jpeg)"},
        {{"画像", ".jpg", ".jpeg"}, utf8, "画像 (*.jpg *.jpeg)"},
        // Characters the pattern group cannot carry stand as one "?" each.
        {{"odd", ".(x)", ".a'b\\"}, utf8, "odd (*.?x? *.a?b?)"},
        {{"tab", ".a\tb", ".c\"d"}, utf8, "tab (*.a?b *.c?d)"},
        {{"utf8", ".テキスト", ".é"}, utf8, "utf8 (*.???? *.?)"},
        {{"sjis", ".\x83\x5c\x83\x41", ".\xb1"}, shiftJis, "sjis (*.?? *.?)"},
        {{"kept", ".a_1,+#-[]@{}/!<>$%&=^~:|*?", ".B"},
         utf8,
         "kept (*.a_1,+#-[]@{}/!<>$%&=^~:|*? *.B)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(openDialogFilter(c.pattern, c.codePage), c.expected);
    }
    EXPECT_EQ(openDialogFilter({"html", ".htm", ".html"}), "html (*.htm *.html)");
}

TEST(ExtensionPatternsTest, DefaultOpenDialogFilter) {
    EXPECT_EQ(defaultOpenDialogFilter(), "html (*.html *htm)");
}

TEST_F(PatternFileTest, LineBreaks) {
    const std::vector<ExtensionPattern> expected = {
        {"html", ".htm", ".html"}, {"pic", ".jpg", ""}, {"", "", ""}};
    for (const std::string breakBytes : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(::testing::PrintToString(breakBytes));
        const std::string path = writeFile("html .htm .html; comment" + breakBytes + "pic .jpg;" +
                                           breakBytes + "no semicolon" + breakBytes);
        EXPECT_EQ(readPatternFile(path), expected);
    }
}

TEST_F(PatternFileTest, EmptyFileGivesNoPatterns) {
    EXPECT_TRUE(readPatternFile(writeFile("")).empty());
}

TEST_F(PatternFileTest, KeepsTheFirstSixtyLines) {
    std::string bytes;
    for (int i = 0; i <= maxExtensionPatterns; ++i) {
        const std::string number = std::to_string(i);
        bytes.append("p").append(number).append(" .e").append(number).append(";\r\n");
    }
    const std::vector<ExtensionPattern> patterns = readPatternFile(writeFile(bytes));
    ASSERT_EQ(patterns.size(), static_cast<std::size_t>(maxExtensionPatterns));
    EXPECT_EQ(patterns.front(), (ExtensionPattern{"p0", ".e0", ""}));
    EXPECT_EQ(patterns.back(), (ExtensionPattern{"p59", ".e59", ""}));
}

TEST_F(PatternFileTest, MissingFileRaisesTheOpenError) {
    const std::string path = folder_ + "/missing/pattern.txt";
    try {
        readPatternFile(path);
        FAIL() << "no error raised";
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.what(), fileOpenMessage(path));
    }
}

} // namespace
} // namespace qorvel
