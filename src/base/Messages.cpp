#include "base/Messages.h"

#include "base/CodePage.h"

namespace qorvel {
namespace {

// The catalogue is written in UTF-8; on a Shift-JIS host it is converted once per message.
std::string hostText(const std::string& utf8) {
    return CodePage::host().fromUtf8(utf8);
}

std::string withArgument(const char* before, const std::string& argument, const char* after) {
    return hostText(before) + argument + hostText(after);
}

} // namespace

std::string fileOpenMessage(const std::string& path) {
    return withArgument("ファイル ", path, " は開けません");
}

std::string fileCreateMessage(const std::string& path) {
    return withArgument("ファイル ", path, " を作成できません");
}

std::string streamWriteMessage() {
    return hostText("ストリームへの書き込みエラー");
}

std::string notAnIntegerMessage(const std::string& text) {
    return withArgument("'", text, "' は整数ではありません");
}

std::string listIndexMessage(std::int32_t index) {
    return hostText("リストのインデックスが範囲を超えています (" + std::to_string(index) + ")");
}

std::string gridIndexMessage() {
    return hostText("グリッドインデックス が範囲を超えています");
}

std::string jpegErrorMessage(int code) {
    return hostText("JPEG エラー #" + std::to_string(code));
}

std::string displayText(const std::string& message) {
    if (message.empty()) {
        return message;
    }
    const CodePage& codePage = CodePage::host();
    const auto lastCharacter = static_cast<unsigned char>(message[codePage.lastCharStart(message)]);
    return lastCharacter > static_cast<unsigned char>('.') ? message + "." : message;
}

} // namespace qorvel
