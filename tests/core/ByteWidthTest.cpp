#include <gtest/gtest.h>

#include "ByteWidth.h"

namespace vorlen {
namespace {

struct CutCase {
    const char* text;
    std::size_t width;
    const char* expected;
};

TEST(CutToByteWidth, CutsAtGbkCharacterBoundaries) {
    const CutCase cases[] = {
        {"", 4, ""},
        {"abc", 3, "abc"},
        {"abcd", 3, "abc"},
        {"上午好", 6, "上午好"},
        {"上午好", 5, "上午"},     // the third character would need bytes 5 and 6
        {"上午好", 1, ""},
        {"a上午", 2, "a"},         // never half a double-byte character
        {"a上午", 3, "a上"},
        {"提醒我ab", 7, "提醒我a"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CutToByteWidth(c.text, c.width, GbkCharWidth), c.expected) << c.text << " / " << c.width;
}

TEST(CutToByteWidth, SixteenChineseCharactersFillThirtyTwoBytes) {
    const std::string sixteen = "一二三四五六七八九十一二三四五六";
    EXPECT_EQ(AnsiByteWidth(sixteen, GbkCharWidth), 32u);
    EXPECT_EQ(CutToByteWidth(sixteen + "七", 32, GbkCharWidth), sixteen);
}

}  // namespace
}  // namespace vorlen
