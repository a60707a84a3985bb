#include "collect/FolderScan.h"

#include "base/PathRules.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstddef>
#include <utility>
#include <vector>

namespace qorvel {
namespace {

bool isDotOrDotDot(std::string_view name) {
    return name == "." || name == "..";
}

class PosixFolderListing final : public FolderListing {
public:
    explicit PosixFolderListing(DIR* dir) : dir_(dir) {}
    PosixFolderListing(const PosixFolderListing&) = delete;
    PosixFolderListing& operator=(const PosixFolderListing&) = delete;
    ~PosixFolderListing() override { close(); }

    bool next(ListingEntry& entry) override {
        if (dir_ != nullptr) {
            return read(entry);
        }
        if (nextHeld_ == held_.size()) {
            return false;
        }
        entry = std::move(held_[nextHeld_++]);
        return true;
    }

    void suspend() override {
        if (dir_ == nullptr) {
            return;
        }
        ListingEntry entry;
        while (read(entry)) {
            held_.push_back(std::move(entry));
        }
        close();
    }

private:
    // A read error ends the listing, as the end of the folder does.
    bool read(ListingEntry& entry) {
        while (const dirent* item = readdir(dir_)) {
            const std::string_view name(item->d_name);
            if (isDotOrDotDot(name)) {
                continue;
            }
            entry.name.assign(name);
            entry.kind = classifyPosixEntry(name, isRealDirectory(*item));
            return true;
        }
        return false;
    }

    bool isRealDirectory(const dirent& item) const {
        if (item.d_type != DT_UNKNOWN) {
            return item.d_type == DT_DIR;
        }
        struct stat info {};
        return fstatat(dirfd(dir_), item.d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
               S_ISDIR(info.st_mode);
    }

    void close() {
        if (dir_ != nullptr) {
            closedir(dir_);
            dir_ = nullptr;
        }
    }

    DIR* dir_;
    std::vector<ListingEntry> held_;
    std::size_t nextHeld_ = 0;
};

bool isAsciiUpper(unsigned char byte) {
    return byte >= 'A' && byte <= 'Z';
}

unsigned char asciiLower(unsigned char byte) {
    return isAsciiUpper(byte) ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// Letters that fold differ only between 0x41-0x5A and 0x61-0x7A, none of which starts a
// double-byte character, so both texts split into the same characters when these are equal.
bool equalIgnoringAsciiCase(const CodePage& codePage, std::string_view left,
                            std::string_view right) {
    if (left.size() != right.size()) {
        return false;
    }
    for (std::size_t pos = 0; pos < left.size();) {
        const std::size_t length = codePage.charLength(left, pos);
        if (length == 1) {
            if (asciiLower(static_cast<unsigned char>(left[pos])) !=
                asciiLower(static_cast<unsigned char>(right[pos]))) {
                return false;
            }
        } else if (left.compare(pos, length, right, pos, length) != 0) {
            return false;
        }
        pos += length;
    }
    return true;
}

} // namespace

EntryKind classifyByAttributes(std::uint32_t attributes) {
    return attributes == directoryAttribute ? EntryKind::PlainFolder : EntryKind::Other;
}

EntryKind classifyPosixEntry(std::string_view name, bool isRealDirectory) {
    return isRealDirectory && !name.starts_with('.') ? EntryKind::PlainFolder : EntryKind::Other;
}

std::unique_ptr<FolderListing> FileSystemListing::open(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return nullptr;
    }
    return std::make_unique<PosixFolderListing>(dir);
}

std::string extensionOf(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool extensionMatches(const CodePage& codePage, const std::string& name,
                      const ExtensionPair& extensions) {
    const std::string extension = extensionOf(name);
    return equalIgnoringAsciiCase(codePage, extension, extensions.first) ||
           equalIgnoringAsciiCase(codePage, extension, extensions.second);
}

bool extensionMatches(const std::string& name, const ExtensionPair& extensions) {
    return extensionMatches(CodePage(Encoding::Utf8), name, extensions);
}

void ScanFolder(const Conventions& conventions, DirectoryListing& listing,
                const std::string& folder, const std::string& mask, const ExtensionPair& extensions,
                ScanSink& sink) {
    const std::unique_ptr<FolderListing> entries = listing.open(folder);
    if (!entries) {
        sink.listingFailed("error:" + joinPath(conventions, folder, mask));
        return;
    }
    ListingEntry entry;
    while (entries->next(entry)) {
        if (isDotOrDotDot(entry.name)) {
            continue;
        }
        if (entry.kind == EntryKind::PlainFolder) {
            entries->suspend();
            ScanFolder(conventions, listing, joinPath(conventions, folder, entry.name), mask,
                       extensions, sink);
        } else if (extensionMatches(conventions.codePage, entry.name, extensions)) {
            sink.appendFile(joinPath(conventions, folder, entry.name), entry.name);
        }
    }
}

} // namespace qorvel
