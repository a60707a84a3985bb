#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qorvel {

// The platform's integer syntax: leading spaces, an optional sign, then decimal digits within
// the signed 32-bit range, or up to 8 hexadecimal digits after "$", "x", "X", "0x" or "0X"
// (two's complement, a sign before them ignored); nothing may follow the digits.
std::optional<std::int32_t> parsePlatformInteger(const std::string& text);

// The same, raising "'%s' は整数ではありません" for a text that is no integer.
std::int32_t strToInt(const std::string& text);

} // namespace qorvel
