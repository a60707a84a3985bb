#include "base/CodePage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qorvel {
namespace {

const CodePage shiftJis(Encoding::ShiftJis);
const CodePage utf8(Encoding::Utf8);

TEST(CodePageTest, ShiftJisLeadBytes) {
    const std::vector<std::pair<unsigned char, bool>> cases = {
        {0x00, false}, {0x41, false}, {0x5C, false}, {0x7F, false}, {0x80, false},
        {0x81, true},  {0x95, true},  {0x9F, true},  {0xA0, false}, {0xB1, false},
        {0xDF, false}, {0xE0, true},  {0xFC, true},  {0xFD, false}, {0xFF, false},
    };
    for (const auto& [byte, lead] : cases) {
        SCOPED_TRACE(static_cast<int>(byte));
        EXPECT_EQ(shiftJis.isLeadByte(byte), lead);
    }
}

TEST(CodePageTest, Utf8HasNoLeadBytes) {
    for (int byte = 0; byte < 256; ++byte) {
        EXPECT_FALSE(utf8.isLeadByte(static_cast<unsigned char>(byte))) << byte;
    }
}

TEST(CodePageTest, CharLength) {
    struct Case {
        const CodePage& codePage;
        std::string text;
        std::size_t pos;
        std::size_t expected;
    };
    const std::vector<Case> cases = {
        {shiftJis, "\x95\x5C", 0, 2},  // 表
        {shiftJis, "a\x83\x5C", 1, 2}, // ソ after a letter
        {shiftJis, "\x95\x5C", 1, 1},  // in the middle of a character
        {shiftJis, "a", 0, 1},         //
        {shiftJis, "\x95", 0, 1},      // a lead byte at the end stands alone
        {shiftJis, "\xB1\x5C", 0, 1},  // half-width katakana is one byte
        {utf8, "\xE3\x81\x82", 0, 1},  // あ: UTF-8 is walked byte by byte
        {utf8, "a/", 1, 1},            //
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text) + " at " + std::to_string(c.pos));
        EXPECT_EQ(c.codePage.charLength(c.text, c.pos), c.expected);
    }
}

TEST(CodePageTest, LastCharStart) {
    struct Case {
        const CodePage& codePage;
        std::string text;
        std::size_t expected;
    };
    const std::vector<Case> cases = {
        {shiftJis, "", 0},
        {shiftJis, "a", 0},
        {shiftJis, "ab", 1},
        {shiftJis, "a\x95\x5C", 1}, // a表
        {shiftJis, "\x95\x5C", 0},  // 表
        {shiftJis,
         "\x95\x5C"
         "a",
         2},
        {shiftJis, "\x95\x5C\x5C", 2},     // 表 then "\"
        {shiftJis, "\x83\x5C\x83\x5C", 2}, // ソソ
        {shiftJis, "a\x95", 1},            // a lone lead byte at the end
        {shiftJis, "\x81\x81\x81", 2},     // one character, then a lone lead byte
        {shiftJis, "\xB1\xB1", 1},         // ｱｱ
        {utf8, "", 0},
        {utf8, "a", 0},
        {utf8, "a\xE3\x81\x82", 1}, // aあ
        {utf8, "\xE3\x81\x82", 0},  // あ
        {utf8,
         "\xE3\x81\x82"
         "a",
         3},
        {utf8, "x\xF0\x9F\x98\x80", 1}, // a four-byte character
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(c.codePage.lastCharStart(c.text), c.expected);
    }
}

TEST(CodePageTest, FindLastSeparatorSkipsTrailBytes) {
    EXPECT_EQ(findLastSeparator(shiftJis, "C:\\\x95\x5C", "\\:"), 2u);
    EXPECT_EQ(findLastSeparator(shiftJis, "\x83\x5C", "\\"), std::string::npos);
    EXPECT_EQ(findLastSeparator(shiftJis, "\xB1\\", "\\"), 1u);
    EXPECT_EQ(findLastSeparator(utf8, "/a\\b", "/"), 0u);
    EXPECT_EQ(findLastSeparator(utf8, "", "/"), std::string::npos);
}

// Shift-JIS (code page 932) bytes of 日本語表ソｱ①～ and the same text in UTF-16 and UTF-8.
const std::string sjisText = "\x93\xFA\x96\x7B\x8C\xEA\x95\x5C\x83\x5C\xB1\x87\x40\x81\x60";
const std::u16string utf16Text = u"日本語表ソｱ①～";
const std::string utf8Text = "日本語表ソｱ①～";

TEST(CodePageTest, ShiftJisConversionsRoundTrip) {
    EXPECT_EQ(shiftJis.toUtf16(sjisText), utf16Text);
    EXPECT_EQ(shiftJis.fromUtf16(utf16Text), sjisText);
    EXPECT_EQ(shiftJis.fromUtf8(utf8Text), sjisText);
    EXPECT_EQ(shiftJis.fromUtf16(shiftJis.toUtf16("C:\\a b\\x.htm")), "C:\\a b\\x.htm");

    // Long enough to need more than any small fixed buffer.
    std::string longSjis;
    std::u16string longUtf16;
    for (int i = 0; i < 5000; ++i) {
        longSjis += sjisText + "a";
        longUtf16 += utf16Text + u"a";
    }
    EXPECT_EQ(shiftJis.toUtf16(longSjis), longUtf16);
    EXPECT_EQ(shiftJis.fromUtf16(longUtf16), longSjis);
}

TEST(CodePageTest, Utf8ConversionsRoundTrip) {
    EXPECT_EQ(utf8.toUtf16(utf8Text), utf16Text);
    EXPECT_EQ(utf8.fromUtf16(utf16Text), utf8Text);
    EXPECT_EQ(utf8.fromUtf8(utf8Text), utf8Text);
    EXPECT_EQ(utf8.toUtf16("x\xF0\x9F\x98\x80"), u"x\U0001F600");
    EXPECT_EQ(utf8.fromUtf16(u"x\U0001F600"), "x\xF0\x9F\x98\x80");
}

TEST(CodePageTest, EmptyTextAndEmbeddedNulConvert) {
    using namespace std::string_literals;
    for (const CodePage* codePage : {&shiftJis, &utf8}) {
        EXPECT_EQ(codePage->toUtf16(""), u"");
        EXPECT_EQ(codePage->fromUtf16(u""), "");
        EXPECT_EQ(codePage->fromUtf8(""), "");
        EXPECT_EQ(codePage->toUtf16("a\0b"s), u"a\0b"s);
        EXPECT_EQ(codePage->fromUtf16(u"a\0b"s), "a\0b"s);
    }
}

TEST(CodePageTest, UndecodableBytesDoNotStopTheConversion) {
    const std::u16string text = shiftJis.toUtf16("a\x81");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.front(), u'a');
    EXPECT_NO_THROW(utf8.toUtf16("a\xFF\xFE"));
}

} // namespace
} // namespace qorvel
