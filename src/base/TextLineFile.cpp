#include "base/TextLineFile.h"

#include "base/Messages.h"
#include "base/PlatformError.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

namespace qorvel {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::filesystem::path nativePath(const std::string& path) {
    return std::filesystem::path(path);
}

bool isOtherThanRegularFile(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(nativePath(path), error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
           !std::filesystem::is_directory(status);
}

// The file a write lands in: the target of a symbolic link, so that the link stays a link.
std::filesystem::path writeTarget(const std::string& path) {
    std::error_code error;
    const std::filesystem::path target = nativePath(path);
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, error))) {
        return target;
    }
    std::filesystem::path resolved = std::filesystem::weakly_canonical(target, error);
    return error ? target : resolved;
}

// A short hidden name in the target's folder: a name of its own, so that a target whose name is
// already near the 255-byte limit can still be replaced, and in the same folder, so that the
// rename stays on one file system.
std::filesystem::path temporaryNameBeside(const std::filesystem::path& target) {
    static std::mt19937 generator{std::random_device{}()};
    char name[32];
    std::snprintf(name, sizeof name, ".~qorvel%08x.tmp", static_cast<unsigned>(generator()));
    return target.parent_path() / name;
}

// Creates a fresh temporary file beside the target; a name that happens to exist is skipped.
File createTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temporary) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = temporaryNameBeside(target);
        File file(std::fopen(temporary.string().c_str(), "wbx"));
        if (file || errno != EEXIST) {
            return file;
        }
    }
    return nullptr;
}

// The replaced file keeps its permission bits.
void copyPermissions(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(from, error);
    if (!error && std::filesystem::is_regular_file(status)) {
        std::filesystem::permissions(to, status.permissions(),
                                     std::filesystem::perm_options::replace, error);
    }
}

// Writes and flushes; false when any byte could not be written.
bool writeAll(std::FILE* file, std::string_view bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        return false;
    }
    return std::fflush(file) == 0;
}

void writeInPlace(const std::string& path, std::string_view bytes) {
    File file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        throw PlatformError(fileCreateMessage(path));
    }
    if (!writeAll(file.get(), bytes)) {
        throw PlatformError(streamWriteMessage());
    }
}

} // namespace

std::vector<std::string> splitLines(std::string_view bytes) {
    const std::size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) {
        bytes = bytes.substr(0, nul);
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const char c = bytes[pos];
        if (c != '\r' && c != '\n') {
            ++pos;
            continue;
        }
        lines.emplace_back(bytes.substr(start, pos - start));
        pos += (c == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ? 2 : 1;
        start = pos;
    }
    if (start < bytes.size()) {
        lines.emplace_back(bytes.substr(start));
    }
    return lines;
}

std::string readFileBytes(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(nativePath(path), error)) {
        throw PlatformError(fileOpenMessage(path));
    }
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw PlatformError(fileOpenMessage(path));
    }
    std::string bytes;
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, count);
    }
    if (std::ferror(file.get())) {
        throw PlatformError(fileOpenMessage(path));
    }
    return bytes;
}

std::vector<std::string> readLines(const std::string& path) {
    return splitLines(readFileBytes(path));
}

void writeFileBytes(const std::string& path, std::string_view bytes) {
    if (isOtherThanRegularFile(path)) {
        writeInPlace(path, bytes);
        return;
    }
    const std::filesystem::path target = writeTarget(path);
    std::filesystem::path temporary;
    File file = createTemporaryBeside(target, temporary);
    if (!file) {
        throw PlatformError(fileCreateMessage(path));
    }
    const bool written = writeAll(file.get(), bytes);
    const bool closed = std::fclose(file.release()) == 0;
    std::error_code error;
    if (!written || !closed) {
        std::filesystem::remove(temporary, error);
        throw PlatformError(streamWriteMessage());
    }
    copyPermissions(target, temporary);
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw PlatformError(fileCreateMessage(path));
    }
}

void writeLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    writeFileBytes(path, bytes);
}

} // namespace qorvel
