#include "base/IntegerConversion.h"

#include "base/Messages.h"
#include "base/PlatformError.h"

namespace qorvel {
namespace {

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Length of a hexadecimal prefix at pos, or 0 when there is none.
std::size_t hexPrefixLength(const std::string& text, std::size_t pos) {
    if (pos < text.size() && (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X')) {
        return 1;
    }
    if (pos + 1 < text.size() && text[pos] == '0' &&
        (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        return 2;
    }
    return 0;
}

// At most 8 digits, the 32 bits of the number (two's complement); a sign before the prefix is
// ignored, as the platform does.
std::optional<std::int32_t> hexadecimalValue(const std::string& digits) {
    if (digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t bits = 0;
    for (const char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        bits = bits * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(bits);
}

} // namespace

std::optional<std::int32_t> parsePlatformInteger(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t prefix = hexPrefixLength(text, pos);
    const bool hexadecimal = prefix > 0;
    pos += prefix;
    if (pos == text.size()) {
        return std::nullopt;
    }
    if (hexadecimal) {
        return hexadecimalValue(text.substr(pos));
    }
    const std::uint64_t limit = negative ? 2147483648ull : 2147483647ull;
    std::uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        if (text[pos] < '0' || text[pos] > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    const auto magnitude = static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int32_t strToInt(const std::string& text) {
    const std::optional<std::int32_t> value = parsePlatformInteger(text);
    if (!value) {
        throw PlatformError(notAnIntegerMessage(text));
    }
    return *value;
}

} // namespace qorvel
