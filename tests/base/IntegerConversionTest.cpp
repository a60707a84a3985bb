#include "base/IntegerConversion.h"

#include "base/Messages.h"
#include "base/PlatformError.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace qorvel {
namespace {

struct IntegerCase {
    std::string text;
    std::optional<std::int32_t> value; // nullopt: the text is refused
};

const std::vector<IntegerCase> integerCases = {
    // decimal
    {"0", 0},
    {"1", 1},
    {"-1", -1},
    {"+7", 7},
    {"-0", 0},
    {"007", 7},
    {"  12", 12},
    {"2147483647", INT32_MAX},
    {"-2147483648", INT32_MIN},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"99999999999999999999999", std::nullopt},
    // hexadecimal: at most 8 digits, two's complement; a sign before the prefix is ignored
    {"$FF", 255},
    {"$fF", 255},
    {"xff", 255},
    {"XFF", 255},
    {"0x10", 16},
    {"0X10", 16},
    {"0x0", 0},
    {" $10", 16},
    {"$7FFFFFFF", INT32_MAX},
    {"$FFFFFFFF", -1},
    {"$80000000", INT32_MIN},
    {"0x80000000", INT32_MIN},
    {"$00000010", 16},
    {"-$10", 16},
    {"+$10", 16},
    {"-0x10", 16},
    {"$100000000", std::nullopt},
    {"$000000010", std::nullopt},
    {"0x", std::nullopt},
    {"0X", std::nullopt},
    {"$", std::nullopt},
    {"x", std::nullopt},
    {"$G", std::nullopt},
    {"$-10", std::nullopt},
    {"$ 10", std::nullopt},
    {"0x10 ", std::nullopt},
    {"00x10", std::nullopt},
    // refused
    {"", std::nullopt},
    {" ", std::nullopt},
    {"12 ", std::nullopt},
    {"1 2", std::nullopt},
    {"1a", std::nullopt},
    {"300px", std::nullopt},
    {"1.0", std::nullopt},
    {"1e3", std::nullopt},
    {"-", std::nullopt},
    {"+", std::nullopt},
    {"--1", std::nullopt},
    {"+-1", std::nullopt},
    {"- 1", std::nullopt},
    {"\t12", std::nullopt},
    {"12\r", std::nullopt},
    {"\xEF\xBC\x91\xEF\xBC\x92", std::nullopt}, // full-width digits １２
};

TEST(IntegerConversionTest, PlatformSyntax) {
    for (const IntegerCase& c : integerCases) {
        SCOPED_TRACE("'" + c.text + "'");
        EXPECT_EQ(parsePlatformInteger(c.text), c.value);
        if (c.value) {
            EXPECT_EQ(strToInt(c.text), *c.value);
        } else {
            try {
                strToInt(c.text);
                ADD_FAILURE() << "no failure raised";
            } catch (const PlatformError& error) {
                EXPECT_EQ(std::string(error.what()), notAnIntegerMessage(c.text));
            }
        }
    }
}

TEST(IntegerConversionTest, RefusalNamesTheText) {
    try {
        strToInt("12 ");
        FAIL() << "no failure raised";
    } catch (const PlatformError& error) {
        EXPECT_STREQ(error.what(), "'12 ' は整数ではありません");
    }
}

} // namespace
} // namespace qorvel
