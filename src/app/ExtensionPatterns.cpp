#include "app/ExtensionPatterns.h"

#include "base/TextLineFile.h"

#include <cstddef>
#include <string_view>

namespace qorvel {
namespace {

std::string* fieldOf(ExtensionPattern& pattern, std::size_t k) {
    switch (k) {
    case 0:
        return &pattern.name;
    case 1:
        return &pattern.firstExtension;
    case 2:
        return &pattern.secondExtension;
    default:
        return nullptr;
    }
}

// The characters Qt accepts inside the parentheses of a name filter (its own pattern class, less
// the space that separates the patterns).
bool carriedInPattern(unsigned char byte) {
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
        (byte >= '0' && byte <= '9')) {
        return true;
    }
    return std::string_view("_.,*?+#-[]@{}/!<>$%&=^~:|").find(static_cast<char>(byte)) !=
           std::string_view::npos;
}

// Bytes of the character at pos: a Shift-JIS lead byte with its trail byte, a UTF-8 start byte
// with its continuation bytes.
std::size_t characterLength(const CodePage& codePage, std::string_view text, std::size_t pos) {
    if (codePage.encoding() != Encoding::Utf8) {
        return codePage.charLength(text, pos);
    }
    std::size_t end = pos + 1;
    if (static_cast<unsigned char>(text[pos]) >= 0xC0) {
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            ++end;
        }
    }
    return end - pos;
}

std::string dialogPattern(const CodePage& codePage, std::string_view extension) {
    std::string pattern = "*";
    for (std::size_t pos = 0; pos < extension.size();) {
        const std::size_t length = characterLength(codePage, extension, pos);
        if (length == 1 && carriedInPattern(static_cast<unsigned char>(extension[pos]))) {
            pattern += extension[pos];
        } else {
            pattern += '?';
        }
        pos += length;
    }
    return pattern;
}

} // namespace

ExtensionPattern parsePatternLine(const std::string& line) {
    ExtensionPattern pattern;
    const std::size_t semicolon = line.find(';');
    if (semicolon == std::string::npos) {
        return pattern;
    }
    std::string field;
    std::size_t k = 0;
    for (std::size_t pos = 0; pos <= semicolon; ++pos) {
        if (line[pos] == ' ' || pos == semicolon) {
            if (std::string* target = fieldOf(pattern, k)) {
                *target = field;
            }
            ++k;
            field.clear();
        } else {
            field += line[pos];
        }
    }
    return pattern;
}

std::vector<ExtensionPattern> readPatternFile(const std::string& path) {
    const std::vector<std::string> lines = readLines(path);
    std::vector<ExtensionPattern> patterns;
    for (const std::string& line : lines) {
        if (patterns.size() == static_cast<std::size_t>(maxExtensionPatterns)) {
            break;
        }
        patterns.push_back(parsePatternLine(line));
    }
    return patterns;
}

std::string openDialogFilter(const ExtensionPattern& pattern, const CodePage& codePage) {
    // "(* *)" without a description; otherwise the description and a space before the group.
    std::string filter = pattern.name;
    if (!filter.empty()) {
        filter += ' ';
    }
    filter += '(';
    filter += dialogPattern(codePage, pattern.firstExtension);
    filter += ' ';
    filter += dialogPattern(codePage, pattern.secondExtension);
    filter += ')';
    return filter;
}

std::string openDialogFilter(const ExtensionPattern& pattern) {
    return openDialogFilter(pattern, CodePage::host());
}

std::string defaultOpenDialogFilter() {
    return openDialogFilter({"html", ".html", "htm"});
}

} // namespace qorvel
