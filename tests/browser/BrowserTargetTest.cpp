#include "browser/BrowserTarget.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace qorvel {
namespace {

struct TargetCase {
    const char* name;
    PathStyle style;
    std::string target;
    std::optional<std::string> path;
};

void PrintTo(const TargetCase& c, std::ostream* os) {
    *os << c.name;
}

Conventions conventionsOf(PathStyle style) {
    return style == PathStyle::Windows ? Conventions::windows() : Conventions::posix();
}

class LocalPathOfTarget : public ::testing::TestWithParam<TargetCase> {};

TEST_P(LocalPathOfTarget, FindsTheLocalFile) {
    const TargetCase& c = GetParam();
    EXPECT_EQ(localPathOfTarget(conventionsOf(c.style), c.target), c.path);
}

const std::string hyou = "\xE8\xA1\xA8"; // 表 in UTF-8
const std::string hyouSjis = "\x95\x5C"; // 表 in Shift-JIS, its second byte 0x5C
constexpr PathStyle posix = PathStyle::Posix;
constexpr PathStyle windows = PathStyle::Windows;

INSTANTIATE_TEST_SUITE_P(
    Targets, LocalPathOfTarget,
    ::testing::Values(
        TargetCase{"PosixAbsolute", posix, "file:///srv/web/a.html", "/srv/web/a.html"},
        TargetCase{"PosixRawCharacters", posix, "file:///tmp/a#" + hyou + " b%20.html",
                   "/tmp/a#" + hyou + " b%20.html"},
        TargetCase{"PosixEmptyPath", posix, "file:///", ""},
        TargetCase{"PosixNoPathAtAll", posix, "file://", ""},
        TargetCase{"PosixDoubleSlashRoot", posix, "file:////net/a.html", "//net/a.html"},
        TargetCase{"PosixPlainAbsolute", posix, "/opt/qorvel/tmp.jpg", "/opt/qorvel/tmp.jpg"},
        TargetCase{"PosixPlainRelative", posix, "pages/a.html", "pages/a.html"},
        TargetCase{"PosixPlainWithColonAfterSlash", posix, "x/y:z.html", "x/y:z.html"},
        TargetCase{"PosixEmptyText", posix, "", ""},
        TargetCase{"PosixUpperCaseScheme", posix, "FILE:///srv/a.html", "/srv/a.html"},
        TargetCase{"PosixHttp", posix, "http://example.org/a.html", std::nullopt},
        TargetCase{"PosixHttps", posix, "https://example.org/", std::nullopt},
        TargetCase{"PosixAbout", posix, "about:blank", std::nullopt},
        TargetCase{"WindowsDrive", windows, "file:///C:/pages/a.htm", "C:/pages/a.htm"},
        TargetCase{"WindowsRelative", windows, "file:///pages/a.htm", "pages/a.htm"},
        TargetCase{"WindowsEmptyPath", windows, "file:///", ""},
        TargetCase{"WindowsShiftJisKept", windows, "file:///C:/" + hyouSjis + "/a#b.htm",
                   "C:/" + hyouSjis + "/a#b.htm"},
        TargetCase{"WindowsUnc", windows, "file://///server/share/a.htm", "//server/share/a.htm"},
        TargetCase{"WindowsPlainDrive", windows, "C:\\qorvel\\tmp.jpg", "C:\\qorvel\\tmp.jpg"},
        TargetCase{"WindowsPlainDriveRelative", windows, "C:tmp.jpg", "C:tmp.jpg"},
        TargetCase{"WindowsHttp", windows, "http://example.org/", std::nullopt},
        TargetCase{"WindowsAbout", windows, "about:blank", std::nullopt}),
    [](const ::testing::TestParamInfo<TargetCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace qorvel
