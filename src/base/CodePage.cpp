#include "base/CodePage.h"

#include <memory>
#include <stdexcept>
#include <unicode/ucnv.h>

namespace qorvel {
namespace {

const char* icuConverterName(Encoding encoding) {
    return encoding == Encoding::ShiftJis ? "windows-932" : "UTF-8";
}

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openConverter(Encoding encoding) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(icuConverterName(encoding), &status));
    if (U_FAILURE(status)) {
        throw std::runtime_error(std::string("ICU converter unavailable: ") + u_errorName(status));
    }
    return converter;
}

} // namespace

const CodePage& CodePage::host() {
#ifdef _WIN32
    static const CodePage hostCodePage(Encoding::ShiftJis);
#else
    static const CodePage hostCodePage(Encoding::Utf8);
#endif
    return hostCodePage;
}

bool CodePage::isLeadByte(unsigned char byte) const {
    if (encoding_ == Encoding::Utf8) {
        return false;
    }
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t CodePage::charLength(std::string_view text, std::size_t pos) const {
    if (pos + 1 < text.size() && isLeadByte(static_cast<unsigned char>(text[pos]))) {
        return 2;
    }
    return 1;
}

std::size_t CodePage::lastCharStart(std::string_view text) const {
    if (text.empty()) {
        return 0;
    }
    if (encoding_ == Encoding::Utf8) {
        std::size_t pos = text.size() - 1;
        // Step back over continuation bytes to the start of the sequence.
        while (pos > 0 && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) {
            --pos;
        }
        return pos;
    }
    std::size_t last = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += charLength(text, pos)) {
        last = pos;
    }
    return last;
}

std::u16string CodePage::toUtf16(std::string_view bytes) const {
    if (bytes.empty()) {
        return {};
    }
    Converter converter = openConverter(encoding_);
    std::u16string result(bytes.size() * 2 + 1, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_toUChars(converter.get(), result.data(), static_cast<int32_t>(result.size()),
                      bytes.data(), static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status)) {
        throw std::runtime_error(std::string("code page conversion failed: ") +
                                 u_errorName(status));
    }
    result.resize(static_cast<std::size_t>(length));
    return result;
}

std::string CodePage::fromUtf16(std::u16string_view text) const {
    if (text.empty()) {
        return {};
    }
    Converter converter = openConverter(encoding_);
    std::string result(text.size() * 4 + 1, '\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_fromUChars(converter.get(), result.data(), static_cast<int32_t>(result.size()),
                        text.data(), static_cast<int32_t>(text.size()), &status);
    if (U_FAILURE(status)) {
        throw std::runtime_error(std::string("code page conversion failed: ") +
                                 u_errorName(status));
    }
    result.resize(static_cast<std::size_t>(length));
    return result;
}

std::string CodePage::fromUtf8(std::string_view utf8) const {
    if (encoding_ == Encoding::Utf8) {
        return std::string(utf8);
    }
    return fromUtf16(CodePage(Encoding::Utf8).toUtf16(utf8));
}

std::size_t findLastSeparator(const CodePage& codePage, std::string_view text,
                              std::string_view separators) {
    std::size_t found = std::string_view::npos;
    for (std::size_t pos = 0; pos < text.size(); pos += codePage.charLength(text, pos)) {
        if (codePage.charLength(text, pos) == 1 &&
            separators.find(text[pos]) != std::string_view::npos) {
            found = pos;
        }
    }
    return found;
}

} // namespace qorvel
