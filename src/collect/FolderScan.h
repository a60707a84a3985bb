#pragma once

#include "base/CodePage.h"
#include "base/Conventions.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace qorvel {

// How the walk treats an entry of a listing.
enum class EntryKind {
    PlainFolder, // walked into
    Other,       // files and every folder that is not plain: tested by name like a file
};

struct ListingEntry {
    std::string name; // without any path, exactly as the file system spells it
    EntryKind kind = EntryKind::Other;
};

// Windows attribute bits: a folder is plain when its bits are exactly "directory" (16); a
// read-only, hidden, system, archive or reparse-point folder is not.
constexpr std::uint32_t directoryAttribute = 16;
EntryKind classifyByAttributes(std::uint32_t attributes);

// POSIX: a real directory (a symbolic link never is one, whatever it points to) whose name does
// not begin with "." (such a name counts as hidden).
EntryKind classifyPosixEntry(std::string_view name, bool isRealDirectory);

// The entries of one open folder, one at a time, in the order the file system yields them.
class FolderListing {
public:
    virtual ~FolderListing() = default;
    // Fills entry with the next entry; false after the last one.
    virtual bool next(ListingEntry& entry) = 0;
    // The walk is about to descend into a subfolder and comes back for the remaining entries
    // later. A listing that holds a system resource per open folder may read the rest now and
    // release it, so that the depth of a tree is not bounded by that resource.
    virtual void suspend() {}
};

// Opens folders for the walk. Every entry is listed, hidden ones included, as the mask "*.*"
// does on Windows.
class DirectoryListing {
public:
    virtual ~DirectoryListing() = default;
    // nullptr when the folder cannot be opened (missing, not a folder, unreadable, too long).
    virtual std::unique_ptr<FolderListing> open(const std::string& folder) = 0;
};

// The host's file system through opendir/readdir. "." and ".." are left out; symbolic links are
// never followed, so a link back to an ancestor cannot make the walk loop. A suspended folder is
// read to its end and closed, so the walk keeps one folder open at a time.
class FileSystemListing : public DirectoryListing {
public:
    std::unique_ptr<FolderListing> open(const std::string& folder) override;
};

// The two extensions in force, each with its leading dot; either may be empty.
struct ExtensionPair {
    std::string first;
    std::string second;
};

// Receives what the walk finds, as it finds it.
class ScanSink {
public:
    virtual ~ScanSink() = default;
    // A matching file: its path (folder and name joined) and its name as listed.
    virtual void appendFile(const std::string& path, const std::string& name) = 0;
    // A folder that could not be listed: "error:" + folder joined with the mask.
    virtual void listingFailed(const std::string& message) = 0;
};

// The text from the last "." of the name to its end, the dot included; empty without a ".".
// No byte of a double-byte Shift-JIS character is ".", so the search may look at single bytes.
std::string extensionOf(const std::string& name);

// Whether the name's extension equals one of the pair as a whole text, ignoring the case of
// ASCII letters. An empty extension in the pair matches a name without a dot. The code page
// decides which bytes form one character, so a second byte of a double-byte character is
// compared exactly; the overload without it takes UTF-8, where every letter byte is one character.
bool extensionMatches(const CodePage& codePage, const std::string& name,
                      const ExtensionPair& extensions);
bool extensionMatches(const std::string& name, const ExtensionPair& extensions);

// Walks the folder's tree depth-first in listing order: a plain folder is walked at once, any
// other entry whose extension matches is passed to the sink. A folder that cannot be listed is
// reported to the sink, and the walk goes on with the next entry of its parent. The mask is only
// part of that report: the listing yields every entry.
void ScanFolder(const Conventions& conventions, DirectoryListing& listing,
                const std::string& folder, const std::string& mask, const ExtensionPair& extensions,
                ScanSink& sink);

} // namespace qorvel
