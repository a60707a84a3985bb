#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qorvel {

enum class Encoding { ShiftJis, Utf8 };

// The system's code page: which bytes start a double-byte character, and conversion at the edges
// (display, editing, collation). Text inside the program stays in these bytes.
class CodePage {
public:
    explicit CodePage(Encoding encoding) : encoding_(encoding) {}

    // UTF-8 on POSIX hosts, Shift-JIS (Windows code page 932) on Windows.
    static const CodePage& host();

    Encoding encoding() const { return encoding_; }
    bool isLeadByte(unsigned char byte) const;
    // Bytes of the character that starts at pos (never past the end of text): 2 for a Shift-JIS
    // lead byte with its trail byte, else 1. UTF-8 is walked byte by byte, which is enough for
    // every search for an ASCII byte, since no byte of a multi-byte UTF-8 character is below 0x80.
    std::size_t charLength(std::string_view text, std::size_t pos) const;
    // Start of the last whole character; 0 for empty text.
    std::size_t lastCharStart(std::string_view text) const;

    std::u16string toUtf16(std::string_view bytes) const;
    std::string fromUtf16(std::u16string_view text) const;
    std::string fromUtf8(std::string_view utf8) const;

    bool operator==(const CodePage&) const = default;

private:
    Encoding encoding_;
};

// Position of the last whole character equal to one of the ASCII bytes in separators, or npos.
std::size_t findLastSeparator(const CodePage& codePage, std::string_view text,
                              std::string_view separators);

} // namespace qorvel
