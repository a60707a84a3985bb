#include "collect/FolderScan.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <utility>
#include <vector>

namespace qorvel {
namespace {

namespace fs = std::filesystem;

const ExtensionPair defaultExtensions{".htm", ".html"};
const std::string mask = "*.*";

// Appended paths and failure messages in the order the walk reported them.
struct RecordingSink : ScanSink {
    std::vector<std::string> events;
    std::vector<std::string> names;

    void appendFile(const std::string& path, const std::string& name) override {
        events.push_back(path);
        names.push_back(name);
    }
    void listingFailed(const std::string& message) override { events.push_back(message); }
};

std::vector<std::string> sorted(std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
}

// ---- Extensions and classification -----------------------------------------------------------

struct ExtensionCase {
    std::string name;
    ExtensionPair extensions;
    std::string extension;
    bool matches;
};

TEST(ScanExtensionTest, ComparesWholeExtensionsIgnoringLetterCase) {
    const std::vector<ExtensionCase> cases = {
        {"INDEX.HTM", defaultExtensions, ".HTM", true},
        {"page.Html", defaultExtensions, ".Html", true},
        {"page.htm.bak", defaultExtensions, ".bak", false},
        {"page.shtml", defaultExtensions, ".shtml", false},
        {"a.tar.htm", defaultExtensions, ".htm", true},
        {".htm", defaultExtensions, ".htm", true},
        {"a.html", {".htm", ""}, ".html", false},
        {"a.htm", {"", ".HTM"}, ".htm", true},
        {"README", defaultExtensions, "", false},
        {"README", {".txt", ""}, "", true},
        {"README", {"", ".txt"}, "", true},
        {"notes.", {".txt", ""}, ".", false},
    };
    for (const ExtensionCase& c : cases) {
        SCOPED_TRACE(c.name + " with " + c.extensions.first + "|" + c.extensions.second);
        EXPECT_EQ(extensionOf(c.name), c.extension);
        EXPECT_EQ(extensionMatches(c.name, c.extensions), c.matches);
    }
}

TEST(ScanExtensionTest, ShiftJisSecondBytesAreNotFolded) {
    const CodePage shiftJis(Encoding::ShiftJis);
    // 0x83 0x41 and 0x83 0x61 are two different katakana; their second bytes look like A and a.
    EXPECT_FALSE(extensionMatches(shiftJis, "x.\x83\x41", {".\x83\x61", ""}));
    EXPECT_TRUE(extensionMatches(shiftJis, "x.\x83\x41", {".\x83\x41", ""}));
    EXPECT_TRUE(extensionMatches(shiftJis, "\x95\x5C.HTM", defaultExtensions));
}

TEST(ScanEntryKindTest, OnlyPlainFoldersAreWalkedInto) {
    const std::vector<std::pair<std::uint32_t, EntryKind>> attributes = {
        {16, EntryKind::PlainFolder}, {17, EntryKind::Other}, {18, EntryKind::Other},
        {20, EntryKind::Other},       {48, EntryKind::Other}, {1040, EntryKind::Other},
        {32, EntryKind::Other},       {0, EntryKind::Other},
    };
    for (const auto& [bits, kind] : attributes) {
        EXPECT_EQ(classifyByAttributes(bits), kind) << bits;
    }
    EXPECT_EQ(classifyPosixEntry("sub", true), EntryKind::PlainFolder);
    EXPECT_EQ(classifyPosixEntry(".git", true), EntryKind::Other);
    EXPECT_EQ(classifyPosixEntry("sub", false), EntryKind::Other);
}

// ---- The walk over a scripted listing ----------------------------------------------------------

ListingEntry file(const std::string& name) {
    return {name, EntryKind::Other};
}
ListingEntry folder(const std::string& name) {
    return {name, EntryKind::PlainFolder};
}

class ScriptedListing : public DirectoryListing {
public:
    // A folder missing from the script cannot be opened.
    std::map<std::string, std::vector<ListingEntry>> folders;
    std::map<std::string, int> opened;

    std::unique_ptr<FolderListing> open(const std::string& path) override {
        ++opened[path];
        const auto found = folders.find(path);
        if (found == folders.end()) {
            return nullptr;
        }
        return std::make_unique<Entries>(found->second);
    }

private:
    class Entries : public FolderListing {
    public:
        explicit Entries(std::vector<ListingEntry> entries) : entries_(std::move(entries)) {}
        bool next(ListingEntry& entry) override {
            if (next_ == entries_.size()) {
                return false;
            }
            entry = entries_[next_++];
            return true;
        }

    private:
        std::vector<ListingEntry> entries_;
        std::size_t next_ = 0;
    };
};

TEST(ScanFolderTest, WalksDepthFirstInListingOrder) {
    ScriptedListing listing;
    listing.folders["/r"] = {folder("."),   folder(".."),     file("a.htm"),
                             folder("sub"), file("skip.txt"), file("z.html")};
    listing.folders["/r/sub"] = {file("b.htm"), folder("deeper"), file("c.txt"), file("d.HTM")};
    listing.folders["/r/sub/deeper"] = {file("e.html")};
    RecordingSink sink;
    ScanFolder(Conventions::posix(), listing, "/r", mask, defaultExtensions, sink);
    EXPECT_EQ(sink.events,
              (std::vector<std::string>{"/r/a.htm", "/r/sub/b.htm", "/r/sub/deeper/e.html",
                                        "/r/sub/d.HTM", "/r/z.html"}));
    EXPECT_EQ(sink.names,
              (std::vector<std::string>{"a.htm", "b.htm", "e.html", "d.HTM", "z.html"}));
    EXPECT_EQ(listing.opened,
              (std::map<std::string, int>{{"/r", 1}, {"/r/sub", 1}, {"/r/sub/deeper", 1}}));
}

TEST(ScanFolderTest, FailedSubfolderIsReportedOnceAndTheParentGoesOn) {
    ScriptedListing listing;
    listing.folders["/r"] = {file("a.htm"), folder("bad"), file("b.htm")};
    RecordingSink sink;
    ScanFolder(Conventions::posix(), listing, "/r", mask, defaultExtensions, sink);
    EXPECT_EQ(sink.events, (std::vector<std::string>{"/r/a.htm", "error:/r/bad/*.*", "/r/b.htm"}));
}

TEST(ScanFolderTest, WindowsStyleJoinsAsTheyAreBelowADriveRoot) {
    ScriptedListing listing;
    listing.folders[R"(C:\)"] = {file("a.htm"), folder("sub"), folder("gone"), file("b.txt")};
    listing.folders[R"(C:\\sub)"] = {file("c.HTML")};
    RecordingSink sink;
    ScanFolder(Conventions::windows(), listing, R"(C:\)", mask, defaultExtensions, sink);
    EXPECT_EQ(sink.events, (std::vector<std::string>{R"(C:\\a.htm)", R"(C:\\sub\c.HTML)",
                                                     R"(error:C:\\gone\*.*)"}));
}

// ---- The walk over real trees -----------------------------------------------------------------

class FolderScanTreeTest : public ::testing::Test {
protected:
    testing::TemporaryFolder temporary_;
    std::string root_ = temporary_.path();

    std::string at(const std::string& relative) const { return root_ + "/" + relative; }
    void makeFile(const std::string& relative) const {
        fs::create_directories(fs::path(at(relative)).parent_path());
        std::ofstream(at(relative)).put('x');
    }
    void makeFolder(const std::string& relative) const { fs::create_directories(at(relative)); }
    void makeLink(const std::string& target, const std::string& relative) const {
        fs::create_symlink(target, at(relative));
    }

    std::vector<std::string> scan(const std::string& start, RecordingSink& sink) const {
        FileSystemListing listing;
        ScanFolder(Conventions::posix(), listing, start, mask, defaultExtensions, sink);
        return sorted(sink.events);
    }
    std::vector<std::string> scan() const {
        RecordingSink sink;
        return scan(root_, sink);
    }
    std::vector<std::string> paths(const std::vector<std::string>& relatives) const {
        std::vector<std::string> result;
        for (const std::string& relative : relatives) {
            result.push_back(at(relative));
        }
        return sorted(result);
    }
};

TEST_F(FolderScanTreeTest, HiddenEntriesAreListedAndOnlyPlainFoldersWalked) {
    makeFile(".hidden.htm");
    makeFile("page.html");
    makeFile("notes.txt");
    makeFile(".config/inner.htm");
    makeFile(".htm/inner.htm");
    makeFile("sub/deep.HTM");
    makeLink(at("sub"), "x.html");
    makeLink("sub", "linked");
    makeLink("page.html", "file.htm");
    makeLink("missing", "dangling.htm");
    EXPECT_EQ(scan(), paths({".hidden.htm", ".htm", "dangling.htm", "file.htm", "page.html",
                             "sub/deep.HTM", "x.html"}));
}

TEST_F(FolderScanTreeTest, LinkBackToAnAncestorDoesNotLoop) {
    makeFile("a/b/f.htm");
    makeLink(root_, "a/b/up");
    makeLink("..", "a/b/parent.htm");
    EXPECT_EQ(scan(), paths({"a/b/f.htm", "a/b/parent.htm"}));
}

TEST_F(FolderScanTreeTest, ScanningTwiceListsEveryFileTwice) {
    makeFile("a.htm");
    makeFile("sub/b.html");
    RecordingSink sink;
    scan(root_, sink);
    EXPECT_EQ(scan(root_, sink), paths({"a.htm", "a.htm", "sub/b.html", "sub/b.html"}));
}

TEST_F(FolderScanTreeTest, StartFolderThatCannotBeListedGivesOneMessage) {
    makeFile("plain.htm");
    const std::vector<std::string> starts = {at("missing"), at("plain.htm"),
                                             at(std::string(300, 'n'))};
    for (const std::string& start : starts) {
        SCOPED_TRACE(start);
        RecordingSink sink;
        EXPECT_EQ(scan(start, sink), std::vector<std::string>{"error:" + start + "/*.*"});
    }
}

TEST_F(FolderScanTreeTest, ListingKeepsTheFileSystemOrderAcrossASuspend) {
    for (int i = 0; i < 40; ++i) {
        makeFile(std::to_string(i) + ".txt");
    }
    makeFolder("sub");
    makeFolder(".dot");
    std::vector<std::string> expected;
    DIR* dir = opendir(root_.c_str());
    ASSERT_NE(dir, nullptr);
    while (const dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        if (name != "." && name != "..") {
            expected.push_back(name);
        }
    }
    closedir(dir);

    FileSystemListing listing;
    const std::unique_ptr<FolderListing> entries = listing.open(root_);
    ASSERT_NE(entries, nullptr);
    std::vector<std::string> names;
    ListingEntry entry;
    while (entries->next(entry)) {
        names.push_back(entry.name);
        EXPECT_EQ(entry.kind, entry.name == "sub" ? EntryKind::PlainFolder : EntryKind::Other);
        if (names.size() == 10) {
            entries->suspend();
        }
    }
    EXPECT_EQ(names, expected);
}

// Restores the soft limit of open descriptors when it goes out of scope.
class DescriptorLimit {
public:
    explicit DescriptorLimit(rlim_t soft) {
        getrlimit(RLIMIT_NOFILE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = soft;
        setrlimit(RLIMIT_NOFILE, &lowered);
    }
    DescriptorLimit(const DescriptorLimit&) = delete;
    DescriptorLimit& operator=(const DescriptorLimit&) = delete;
    ~DescriptorLimit() { setrlimit(RLIMIT_NOFILE, &saved_); }

private:
    rlimit saved_{};
};

// New descriptors take the lowest free numbers, so this many plus a few leaves only those few.
rlim_t openDescriptorCount() {
    const fs::directory_iterator descriptors("/proc/self/fd");
    return static_cast<rlim_t>(std::distance(fs::begin(descriptors), fs::end(descriptors)));
}

TEST_F(FolderScanTreeTest, DepthIsNotBoundByOpenDescriptors) {
    std::string deep;
    for (int level = 0; level < 64; ++level) {
        deep += "d/";
        makeFile(deep + "f.htm");
    }
    RecordingSink sink;
    {
        const DescriptorLimit limit(openDescriptorCount() + 8);
        FileSystemListing listing;
        ScanFolder(Conventions::posix(), listing, root_, mask, defaultExtensions, sink);
    }
    EXPECT_EQ(sink.events.size(), 64u);
    EXPECT_EQ(std::count_if(sink.events.begin(), sink.events.end(),
                            [](const std::string& event) { return event.starts_with("error:"); }),
              0);
}

} // namespace
} // namespace qorvel
