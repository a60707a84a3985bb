#include "app/SystemText.h"

#include "base/CodePage.h"

namespace qorvel {

QString fromSystemBytes(const std::string& bytes) {
    const std::u16string text = CodePage::host().toUtf16(bytes);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toSystemBytes(const QString& text) {
    return CodePage::host().fromUtf16(std::u16string_view(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
}

} // namespace qorvel

namespace qorvel {

std::string systemText(const std::string& utf8) {
    return CodePage::host().fromUtf8(utf8);
}

} // namespace qorvel
