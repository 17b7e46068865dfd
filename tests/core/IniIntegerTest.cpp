#include <gtest/gtest.h>

#include "IniInteger.h"

namespace vorlen {
namespace {

TEST(ParseIniInteger, DecimalAndHexForms) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"255", 255},          {"0", 0},           {"-12", -12},     {"+7", 7},
        {"0xFF", 255},         {"0XFF", 255},      {"$FF", 255},     {"$ff", 255},
        {"$FF0000", 0xFF0000}, {"$FFFFFFFF", -1},  {" 42", 42},      {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseIniInteger(c.text, 999), c.expected) << c.text;
}

TEST(ParseIniInteger, TextsThatDoNotConvertGiveTheDefault) {
    for (const char* text : {"", "red", "0x", "$", "12ab", "0xZZ", "42 ", "2147483648", "$100000000", "-", "1.5"})
        EXPECT_EQ(ParseIniInteger(text, 255), 255) << '"' << text << '"';
}

}  // namespace
}  // namespace vorlen
