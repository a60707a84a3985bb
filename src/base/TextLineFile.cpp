#include "base/TextLineFile.h"

#include "base/Messages.h"
#include "base/PlatformError.h"

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

std::string temporaryNameBeside(const std::string& path) {
    static std::mt19937 generator{std::random_device{}()};
    return path + ".~tmp" + std::to_string(generator());
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
    const std::string temporary = temporaryNameBeside(path);
    File file(std::fopen(temporary.c_str(), "wbx"));
    if (!file) {
        throw PlatformError(fileCreateMessage(path));
    }
    const bool written = writeAll(file.get(), bytes);
    const bool closed = std::fclose(file.release()) == 0;
    std::error_code error;
    if (!written || !closed) {
        std::filesystem::remove(nativePath(temporary), error);
        throw PlatformError(streamWriteMessage());
    }
    std::filesystem::rename(nativePath(temporary), nativePath(path), error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(nativePath(temporary), ignored);
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
