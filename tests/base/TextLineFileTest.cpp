#include "base/TextLineFile.h"
#include "support/TemporaryFolder.h"

#include "base/Messages.h"
#include "base/PlatformError.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace qorvel {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Lines = std::vector<std::string>;

// Shift-JIS 表 and ソ: their second byte is 0x5C.
const std::string sjisLine = "\x95\x5C\x83\x5C,x";

TEST(SplitLinesTest, BreaksAndTheEndOfText) {
    const std::vector<std::pair<std::string, Lines>> cases = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\r\n", {"a"}},
        {"a\r", {"a"}},
        {"a\n", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\n", {""}},
        {"\r\r", {"", ""}},
        {"\n\r", {"", ""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\r\nb", {"a", "", "b"}},
        {" a \t\r\n", {" a \t"}},
        {"a\0b\r\nc"s, {"a"}},
        {"ab\r\n\0\r\nc"s, {"ab"}},
        {"\0a"s, {}},
        {sjisLine + "\r\n" + sjisLine, {sjisLine, sjisLine}},
    };
    for (const auto& [bytes, lines] : cases) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        EXPECT_EQ(splitLines(bytes), lines);
    }
}

// Lowers the file-size limit so that a write fails part-way with EFBIG instead of a signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active() const { return active_; }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
    bool active_ = false;
};

class TextLineFileTest : public ::testing::Test {
protected:
    testing::TemporaryFolder temporary_;
    fs::path folder_ = temporary_.path();

    std::string file(const std::string& name) const { return (folder_ / name).string(); }

    // The names in the folder, sorted: shows a temporary file left behind.
    Lines entries() const {
        Lines names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::string readRaw(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void writeRaw(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    static void expectFailure(const std::function<void()>& action, const std::string& message) {
        try {
            action();
            ADD_FAILURE() << "no failure raised";
        } catch (const PlatformError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }
};

TEST_F(TextLineFileTest, WritesEveryLineFollowedByCrLfAndReadsItBack) {
    const std::vector<std::pair<Lines, std::string>> cases = {
        {{}, ""},
        {{"a"}, "a\r\n"},
        {{""}, "\r\n"},
        {{"a", "", "b"}, "a\r\n\r\nb\r\n"},
        {{"a", ""}, "a\r\n\r\n"},
        {{" x ", sjisLine}, " x \r\n" + sjisLine + "\r\n"},
    };
    for (const auto& [lines, bytes] : cases) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        const std::string path = file("list.ini");
        writeLines(path, lines);
        EXPECT_EQ(readRaw(path), bytes);
        EXPECT_EQ(readFileBytes(path), bytes);
        EXPECT_EQ(readLines(path), lines);
        EXPECT_EQ(entries(), Lines{"list.ini"});
    }
}

TEST_F(TextLineFileTest, ReadsTheWholeFile) {
    std::string bytes;
    for (int i = 0; bytes.size() < 200000; ++i) {
        bytes += "line " + std::to_string(i) + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\r" : "\n");
    }
    const std::string path = file("big.txt");
    writeRaw(path, bytes + "\0tail\r\n"s);
    EXPECT_EQ(readFileBytes(path), bytes + "\0tail\r\n"s);
    const Lines lines = readLines(path);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines, splitLines(bytes));
    EXPECT_EQ(lines.front(), "line 0");
}

TEST_F(TextLineFileTest, RewriteReplacesTheContent) {
    const std::string path = file("a.ini");
    writeLines(path, Lines(1000, "a long line of the first content"));
    writeLines(path, {"b"});
    EXPECT_EQ(readRaw(path), "b\r\n");
    writeLines(path, {});
    EXPECT_EQ(readRaw(path), "");
    EXPECT_EQ(entries(), Lines{"a.ini"});
}

TEST_F(TextLineFileTest, ReplacesAFileWhoseNameHasTheLongestLength) {
    const std::string name(255, 'n');
    const std::string path = file(name);
    writeLines(path, {"one"});
    writeLines(path, {"two"});
    EXPECT_EQ(readRaw(path), "two\r\n");
    EXPECT_EQ(entries(), Lines{name});
}

TEST_F(TextLineFileTest, ReplacedFileKeepsItsPermissions) {
    const std::string path = file("a.ini");
    writeRaw(path, "old\r\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    writeLines(path, {"new"});
    EXPECT_EQ(readRaw(path), "new\r\n");
    EXPECT_EQ(static_cast<int>(fs::status(path).permissions() & fs::perms::all), 0640);
}

TEST_F(TextLineFileTest, WritingThroughASymbolicLinkReplacesItsTarget) {
    fs::create_directory(folder_ / "real");
    const std::string target = file("real/a.LST");
    writeRaw(target, "old\r\n");
    const std::string link = file("link.LST");
    fs::create_symlink(target, link);
    writeLines(link, {"new"});
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(readRaw(target), "new\r\n");
    EXPECT_EQ(entries(), (Lines{"link.LST", "real"}));
}

TEST_F(TextLineFileTest, ReadingWhatCannotBeOpenedRaisesTheOpenError) {
    writeRaw(file("plain"), "x");
    fs::create_directory(folder_ / "dir");
    for (const std::string& path : {file("missing.ini"), file("missing/a.ini"), file("plain/a.ini"),
                                    file("dir"), file(std::string(256, 'n'))}) {
        SCOPED_TRACE(path);
        expectFailure([&] { readLines(path); }, fileOpenMessage(path));
        EXPECT_EQ(fileOpenMessage(path), "ファイル " + path + " は開けません");
    }
}

TEST_F(TextLineFileTest, WritingWhereNoFileCanBeMadeRaisesTheCreateError) {
    writeRaw(file("plain"), "x");
    fs::create_directory(folder_ / "dir");
    for (const std::string& path :
         {file("missing/a.ini"), file("plain/a.ini"), file("dir"), file(std::string(256, 'n'))}) {
        SCOPED_TRACE(path);
        expectFailure([&] { writeLines(path, {"a"}); }, fileCreateMessage(path));
        EXPECT_EQ(entries(), (Lines{"dir", "plain"}));
        EXPECT_TRUE(fs::is_empty(folder_ / "dir"));
        EXPECT_EQ(readRaw(file("plain")), "x");
    }
}

TEST_F(TextLineFileTest, AFullDeviceRaisesTheWriteErrorAndStaysADevice) {
    const std::string device = "/dev/full";
    if (!fs::is_character_file(device)) {
        GTEST_SKIP() << "no " << device;
    }
    expectFailure([&] { writeLines(device, {"a", "b"}); }, streamWriteMessage());
    EXPECT_TRUE(fs::is_character_file(device));
}

TEST_F(TextLineFileTest, AWriteThatFailsPartWayLeavesTheOldFile) {
    const std::string existing = file("a.ini");
    writeRaw(existing, "old line\r\n");
    const Lines bigLines(20000, "a line of text that is long enough to pass the limit");
    for (const std::string& path : {existing, file("new.ini")}) {
        SCOPED_TRACE(path);
        {
            FileSizeLimit limit(4096);
            ASSERT_TRUE(limit.active());
            expectFailure([&] { writeLines(path, bigLines); }, streamWriteMessage());
        }
        EXPECT_EQ(readRaw(existing), "old line\r\n");
        EXPECT_EQ(entries(), Lines{"a.ini"});
    }
}

} // namespace
} // namespace qorvel
