#include "base/PathRules.h"

#include <string_view>

namespace qorvel {
namespace {

constexpr std::string_view fileUrlPrefix = "file:///";

std::string_view separatorsOf(const Conventions& conventions) {
    return conventions.style == PathStyle::Windows ? std::string_view("\\:")
                                                   : std::string_view("/");
}

std::string backslashesToSlashes(const CodePage& codePage, const std::string& path) {
    std::string result = path;
    for (std::size_t pos = 0; pos < result.size(); pos += codePage.charLength(result, pos)) {
        if (result[pos] == '\\' && codePage.charLength(result, pos) == 1) {
            result[pos] = '/';
        }
    }
    return result;
}

} // namespace

std::string joinPath(const Conventions& conventions, const std::string& folder,
                     const std::string& name) {
    if (conventions.style == PathStyle::Windows) {
        return folder + "\\" + name;
    }
    if (!folder.empty() && folder.back() == '/') {
        return folder + name;
    }
    return folder + "/" + name;
}

std::string fileNameOf(const Conventions& conventions, const std::string& path) {
    const std::size_t separator =
        findLastSeparator(conventions.codePage, path, separatorsOf(conventions));
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string fileUrl(const Conventions& conventions, const std::string& path) {
    if (conventions.style == PathStyle::Windows) {
        return std::string(fileUrlPrefix) + backslashesToSlashes(conventions.codePage, path);
    }
    if (!path.empty() && path.front() == '/') {
        return "file://" + path;
    }
    return std::string(fileUrlPrefix) + path;
}

std::string linkText(const Conventions& conventions, const std::string& path) {
    if (conventions.style == PathStyle::Windows) {
        return backslashesToSlashes(conventions.codePage, path);
    }
    return path;
}

std::string galleryUrl(const Conventions& conventions, const std::string& path) {
    if (conventions.style == PathStyle::Windows) {
        return std::string(fileUrlPrefix) + path;
    }
    return fileUrl(conventions, path);
}

std::string folderPart(const Conventions& conventions, const std::string& path) {
    const CodePage& codePage = conventions.codePage;
    const std::size_t separator = findLastSeparator(codePage, path, separatorsOf(conventions));
    if (separator == std::string::npos) {
        return {};
    }
    if (conventions.style == PathStyle::Posix) {
        return separator == 0 ? std::string("/") : path.substr(0, separator);
    }
    if (path[separator] == '\\' && separator > 0) {
        const std::size_t before =
            codePage.lastCharStart(std::string_view(path).substr(0, separator));
        const bool followsSeparator =
            separator - before == 1 && (path[before] == '\\' || path[before] == ':');
        if (!followsSeparator) {
            return path.substr(0, separator);
        }
    }
    return path.substr(0, separator + 1);
}

std::string applicationFolder(const Conventions& conventions, const std::string& executablePath) {
    return folderPart(conventions, executablePath);
}

std::string trimBlanks(const std::string& text) {
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

} // namespace qorvel
