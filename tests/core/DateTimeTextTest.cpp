#include <gtest/gtest.h>

#include "DateTimeText.h"

namespace vorlen {
namespace {

TEST(TimeText, EachCombinationOfTheTimeSettings) {
    const struct {
        bool twelveHour, designatorFirst, leadingZero;
        TimeOfDay time;
        const char* expected;
    } cases[] = {
        {false, false, false, {9, 5, 0}, "9:05:00"},
        {false, false, true, {9, 5, 0}, "09:05:00"},
        {false, false, false, {0, 0, 7}, "0:00:07"},
        {false, false, false, {23, 59, 59}, "23:59:59"},
        {true, false, false, {9, 5, 0}, "9:05:00 上午"},
        {true, false, true, {21, 5, 0}, "09:05:00 下午"},
        {true, true, false, {21, 5, 0}, "下午 9:05:00"},
        {true, true, true, {9, 5, 0}, "上午 09:05:00"},
        {true, true, false, {0, 30, 0}, "上午 12:30:00"},   // midnight hour is 12 on the 12-hour clock
        {true, false, false, {12, 0, 0}, "12:00:00 下午"},  // noon
        {false, true, false, {14, 0, 0}, "14:00:00"},       // designator place ignored on the 24-hour clock
    };
    for (const auto& c : cases) {
        TimeFormat f;
        f.twelveHour = c.twelveHour;
        f.designatorFirst = c.designatorFirst;
        f.leadingZero = c.leadingZero;
        f.am = "上午";
        f.pm = "下午";
        EXPECT_EQ(TimeText(c.time, f), c.expected);
    }
}

TEST(TimeText, UsesTheSystemSeparator) {
    TimeFormat f;
    f.separator = ".";
    EXPECT_EQ(TimeText({7, 8, 9}, f), "7.08.09");
}

DateFormat WithNames(std::string pattern, std::string separator) {
    DateFormat f;
    f.shortPattern = std::move(pattern);
    f.separator = std::move(separator);
    f.dayNames = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    f.shortDayNames = {"周日", "周一", "周二", "周三", "周四", "周五", "周六"};
    for (int m = 0; m < 12; ++m) {
        f.monthNames[m] = std::to_string(m + 1) + "月";
        f.shortMonthNames[m] = "M" + std::to_string(m + 1);
    }
    f.era = "公元";
    return f;
}

TEST(DateText, ShortDatePictures) {
    const struct {
        const char* pattern;
        const char* separator;
        Date date;
        const char* expected;
    } cases[] = {
        {"yyyy/M/d", "-", {2010, 4, 30}, "2010-4-30"},  // '/' is the date separator
        {"yyyy/M/d", "/", {2026, 12, 11}, "2026/12/11"},
        {"yyyy-MM-dd", "/", {2010, 4, 3}, "2010-04-03"},
        {"yy.M.d", ".", {2009, 1, 2}, "09.1.2"},
        {"y/M/d", "/", {2009, 1, 2}, "9/1/2"},
        {"yyyy'年'M'月'd'日'", "/", {2010, 4, 30}, "2010年4月30日"},
        {"dddd, MMMM d yyyy", "/", {2010, 4, 30}, "星期五, 4月 30 2010"},
        {"ddd MMM dd", "/", {2010, 4, 30}, "周五 M4 30"},
        {"gg yyyy", "/", {2010, 4, 30}, "公元 2010"},
        {"d''M", "/", {2010, 4, 30}, "30'4"},
        {"'unterminated", "/", {2010, 4, 30}, "unterminated"},
    };
    for (const auto& c : cases) EXPECT_EQ(DateText(c.date, WithNames(c.pattern, c.separator)), c.expected) << c.pattern;
}

}  // namespace
}  // namespace vorlen
