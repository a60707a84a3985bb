#include "base/PathRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qorvel {
namespace {

// Shift-JIS characters whose second byte is 0x5C, the byte of "\".
const std::string hyo = "\x95\x5C"; // 表
const std::string so = "\x83\x5C";  // ソ
const std::string kana = "\xB1";    // ｱ, a single-byte half-width katakana
const std::string nihon = "日本語"; // UTF-8

using PathRule = std::string (*)(const Conventions&, const std::string&);

struct PathCase {
    PathStyle style;
    std::string path;
    std::string expected;
};

Conventions conventionsOf(PathStyle style) {
    return style == PathStyle::Windows ? Conventions::windows() : Conventions::posix();
}

void expectRule(PathRule rule, const std::vector<PathCase>& cases) {
    for (const PathCase& c : cases) {
        SCOPED_TRACE((c.style == PathStyle::Windows ? "windows: " : "posix: ") + c.path);
        EXPECT_EQ(rule(conventionsOf(c.style), c.path), c.expected);
    }
}

constexpr PathStyle win = PathStyle::Windows;
constexpr PathStyle posix = PathStyle::Posix;

TEST(ConventionsTest, StylesCarryTheirCodePages) {
    EXPECT_EQ(Conventions::windows().style, win);
    EXPECT_EQ(Conventions::windows().codePage.encoding(), Encoding::ShiftJis);
    EXPECT_EQ(Conventions::posix().style, posix);
    EXPECT_EQ(Conventions::posix().codePage.encoding(), Encoding::Utf8);
#ifndef _WIN32
    EXPECT_EQ(Conventions::host().style, posix);
    EXPECT_EQ(Conventions::host().codePage, CodePage::host());
#endif
}

TEST(PathRulesTest, FileUrl) {
    expectRule(fileUrl, {
                            {win, "C:\\pages\\a.htm", "file:///C:/pages/a.htm"},
                            {win, "C:\\web\\index.html", "file:///C:/web/index.html"},
                            {win, "", "file:///"},
                            {win, "C:\\" + hyo + "\\" + so + ".htm",
                             "file:///C:/" + hyo + "/" + so + ".htm"},
                            {win, hyo + so, "file:///" + hyo + so},
                            {win, "C:\\" + kana + "\\a", "file:///C:/" + kana + "/a"},
                            {win, "C:\\a\x95", "file:///C:/a\x95"},
                            {win, "C:\\a b\\#%.htm", "file:///C:/a b/#%.htm"},
                            {posix, "/home/u/a.htm", "file:///home/u/a.htm"},
                            {posix, "/x/a #1 50%.htm", "file:///x/a #1 50%.htm"},
                            {posix, "/x/" + nihon + ".htm", "file:///x/" + nihon + ".htm"},
                            {posix, "/x/a\\b.htm", "file:///x/a\\b.htm"},
                            {posix, "rel/a.htm", "file:///rel/a.htm"},
                            {posix, "", "file:///"},
                        });
}

TEST(PathRulesTest, LinkText) {
    expectRule(linkText, {
                             {win, "C:\\web\\a.htm", "C:/web/a.htm"},
                             {win, "C:\\" + hyo + "\\" + so, "C:/" + hyo + "/" + so},
                             {win, "", ""},
                             {posix, "/x/a\\b #%.htm", "/x/a\\b #%.htm"},
                             {posix, "/" + nihon + "/a.htm", "/" + nihon + "/a.htm"},
                         });
}

TEST(PathRulesTest, GalleryUrl) {
    expectRule(galleryUrl, {
                               {win, "C:\\pics\\Cat.jpg", "file:///C:\\pics\\Cat.jpg"},
                               {win, "C:\\" + hyo + "\\a.jpg", "file:///C:\\" + hyo + "\\a.jpg"},
                               {win, "", "file:///"},
                               {posix, "/p/c d#.jpg", "file:///p/c d#.jpg"},
                               {posix, "rel.jpg", "file:///rel.jpg"},
                               {posix, "", "file:///"},
                           });
}

TEST(PathRulesTest, FileNameOf) {
    expectRule(fileNameOf, {
                               {win, "C:\\web\\index.html", "index.html"},
                               {win, "C:a.htm", "a.htm"},
                               {win, "a.htm", "a.htm"},
                               {win, "C:\\web\\", ""},
                               {win, "a:b\\c", "c"},
                               {win, "C:\\" + hyo + ".htm", hyo + ".htm"},
                               {win, "C:\\x\\" + so, so},
                               {win, "C:\\x\\" + hyo + so, hyo + so},
                               {win, kana + "\\a", "a"},
                               {posix, "/x/a.htm", "a.htm"},
                               {posix, "a.htm", "a.htm"},
                               {posix, "/x/", ""},
                               {posix, "C:\\web\\a.htm", "C:\\web\\a.htm"},
                               {posix, "/x/" + nihon + " #%.htm", nihon + " #%.htm"},
                           });
}

TEST(PathRulesTest, FolderPart) {
    expectRule(folderPart, {
                               {win, "C:\\web\\a.htm", "C:\\web"},
                               {win, "C:\\out\\gal.html", "C:\\out"},
                               {win, "C:\\a.htm", "C:\\"},
                               {win, "C:a", "C:"},
                               {win, "a", ""},
                               {win, "", ""},
                               {win, "\\a", "\\"},
                               {win, "C:\\x\\\\a", "C:\\x\\\\"},
                               {win, "C:\\" + hyo + "\\a.htm", "C:\\" + hyo},
                               {win, "C:\\x\\" + so, "C:\\x"},
                               {win, "C:\\" + hyo, "C:\\"},
                               {posix, "/x/a.htm", "/x"},
                               {posix, "/x/y/", "/x/y"},
                               {posix, "/a", "/"},
                               {posix, "a", ""},
                               {posix, "x/a", "x"},
                               {posix, "/" + nihon + " #%/a.htm", "/" + nihon + " #%"},
                           });
}

TEST(PathRulesTest, ApplicationFolder) {
    expectRule(applicationFolder,
               {
                   {win, "C:\\Program Files\\Qorvel\\qorvel.exe", "C:\\Program Files\\Qorvel"},
                   {win, "C:\\qorvel.exe", "C:\\"},
                   {win, "C:\\" + hyo + "\\qorvel.exe", "C:\\" + hyo},
                   {posix, "/opt/qorvel/app/qorvel", "/opt/qorvel/app"},
                   {posix, "/qorvel", "/"},
               });
}

TEST(PathRulesTest, JoinPath) {
    struct JoinCase {
        PathStyle style;
        std::string folder;
        std::string name;
        std::string expected;
    };
    const std::vector<JoinCase> cases = {
        {win, "C:\\web", "index.html", "C:\\web\\index.html"},
        {win, "C:\\", "a", "C:\\\\a"},
        {win, "C:\\" + hyo, so, "C:\\" + hyo + "\\" + so},
        {posix, "/x", "a", "/x/a"},
        {posix, "/", "a", "/a"},
        {posix, "/x/", "a", "/x/a"},
        {posix, "/" + nihon + " #", "a%.htm", "/" + nihon + " #/a%.htm"},
    };
    for (const JoinCase& c : cases) {
        SCOPED_TRACE(c.folder + " + " + c.name);
        EXPECT_EQ(joinPath(conventionsOf(c.style), c.folder, c.name), c.expected);
    }
}

TEST(PathRulesTest, ProgramFilesOfAnExecutableInADriveRootHoldTwoBackslashes) {
    const Conventions& windows = Conventions::windows();
    EXPECT_EQ(joinPath(windows, applicationFolder(windows, "C:\\qorvel.exe"), "readme.html"),
              "C:\\\\readme.html");
    EXPECT_EQ(joinPath(windows, applicationFolder(windows, "C:\\app\\qorvel.exe"), "qorvel.i2"),
              "C:\\app\\qorvel.i2");
}

TEST(TrimBlanksTest, RemovesBytesUpToSpaceAtBothEndsOnly) {
    using namespace std::string_literals;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"a", "a"},
        {"  a b  ", "a b"},
        {"\t\r\n a\x01\x1F", "a"},
        {"\0a\0"s, "a"},
        {"\x20\x20", ""},
        {"\x21"
         "a\x7F",
         "\x21"
         "a\x7F"},
        {"\xA0x\xA0", "\xA0x\xA0"},
        {"\xE3\x80\x80x\xE3\x80\x80", "\xE3\x80\x80x\xE3\x80\x80"}, // U+3000 in UTF-8
        {"\x81\x40x\x81\x40", "\x81\x40x\x81\x40"},                 // U+3000 in Shift-JIS
        {" " + hyo + " ", hyo},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_EQ(trimBlanks(text), expected);
    }
}

} // namespace
} // namespace qorvel
