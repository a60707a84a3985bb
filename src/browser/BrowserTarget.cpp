#include "browser/BrowserTarget.h"

#include <cstddef>
#include <string_view>

namespace qorvel {
namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isSchemeChar(char c) {
    return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// A URL scheme: a letter, then letters, digits, "+", "-" or ".", then ":". One letter alone is
// a drive ("C:"), never a scheme.
bool hasScheme(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon < 2 || !isAsciiLetter(text[0])) {
        return false;
    }
    for (std::size_t i = 1; i < colon; ++i) {
        if (!isSchemeChar(text[i])) {
            return false;
        }
    }
    return true;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != prefix[i]) {
            return false;
        }
    }
    return true;
}

constexpr std::string_view fileAuthorityPrefix = "file://";

} // namespace

std::optional<std::string> localPathOfTarget(const Conventions& conventions,
                                             const std::string& target) {
    if (!hasScheme(target)) {
        return target;
    }
    if (!startsWithIgnoringCase(target, fileAuthorityPrefix)) {
        return std::nullopt;
    }
    std::string_view rest = std::string_view(target).substr(fileAuthorityPrefix.size());
    if (rest == "/") {
        return std::string();
    }
    // POSIX keeps the third "/" as the root of the absolute path; a Windows path follows it.
    if (conventions.style == PathStyle::Windows && !rest.empty() && rest.front() == '/') {
        rest.remove_prefix(1);
    }
    return std::string(rest);
}

} // namespace qorvel
