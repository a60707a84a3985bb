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
    if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        return 2;
    }
    return 0;
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
    const std::uint64_t limit =
        hexadecimal ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
    std::uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = hexadecimal ? hexDigitValue(text[pos])
                                      : (text[pos] >= '0' && text[pos] <= '9' ? text[pos] - '0' : -1);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * (hexadecimal ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (value > limit) {
            return std::nullopt;
        }
    }
    // Hexadecimal digits are the 32 bits of the number (two's complement).
    const auto bits = static_cast<std::uint32_t>(value);
    const auto magnitude = static_cast<std::int64_t>(hexadecimal ? static_cast<std::int32_t>(bits)
                                                                 : static_cast<std::int64_t>(value));
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
