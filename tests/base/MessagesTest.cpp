#include "base/Messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qorvel {
namespace {

// The host here writes its text in UTF-8, the code page of these literals.
TEST(MessagesTest, CatalogueTexts) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {fileOpenMessage("C:\\a b\\x.ini"), "ファイル C:\\a b\\x.ini は開けません"},
        {fileOpenMessage(""), "ファイル  は開けません"},
        {fileCreateMessage("/tmp/日本/a.htm"), "ファイル /tmp/日本/a.htm を作成できません"},
        {streamWriteMessage(), "ストリームへの書き込みエラー"},
        {notAnIntegerMessage("1a"), "'1a' は整数ではありません"},
        {notAnIntegerMessage(""), "'' は整数ではありません"},
        {listIndexMessage(5), "リストのインデックスが範囲を超えています (5)"},
        {listIndexMessage(-1), "リストのインデックスが範囲を超えています (-1)"},
        {gridIndexMessage(), "グリッドインデックス が範囲を超えています"},
        {jpegErrorMessage(42), "JPEG エラー #42"},
    };
    for (const auto& [message, expected] : cases) {
        EXPECT_EQ(message, expected);
    }
}

TEST(MessagesTest, DisplayTextAddsAPeriodAfterCharactersThatSortAfterIt) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"ファイル a は開けません", "ファイル a は開けません."},
        {"ストリームへの書き込みエラー", "ストリームへの書き込みエラー."},
        {"JPEG エラー #3", "JPEG エラー #3."},
        {"abc", "abc."},
        {"Z", "Z."},
        {"a/", "a/."}, // "/" is the first byte after "."
        {"end.", "end."},
        {"(5)", "(5)"},
        {"a-", "a-"}, // "-" is the byte just before "."
        {"a,", "a,"},
        {"a ", "a "},
        {"a\xF0\x9F\x98\x80", "a\xF0\x9F\x98\x80."},
    };
    for (const auto& [message, expected] : cases) {
        SCOPED_TRACE(message);
        EXPECT_EQ(displayText(message), expected);
    }
    EXPECT_EQ(displayText(listIndexMessage(7)), listIndexMessage(7));
    EXPECT_EQ(displayText(gridIndexMessage()), gridIndexMessage() + ".");
}

} // namespace
} // namespace qorvel
