#include <gtest/gtest.h>

#include "CivilTime.h"
#include "Weekday.h"

namespace vorlen {
namespace {

TEST(Weekday, TextsStartOnSunday) {
    EXPECT_EQ(WeekdayChar(0), "日");
    EXPECT_EQ(WeekdayChar(6), "六");
    EXPECT_EQ(WeekdayFullName(0), "星期日");
    EXPECT_EQ(WeekdayFullName(3), "星期三");
    // The weekly checks compare the full name with "星期" and the stored character.
    for (int d = 0; d < 7; ++d) EXPECT_EQ(WeekdayFullName(d), "星期" + std::string(WeekdayChar(d)));
}

TEST(DayOfWeek, KnownDates) {
    EXPECT_EQ(DayOfWeek({2026, 12, 11}), 5);  // a Friday
    EXPECT_EQ(DayOfWeek({2010, 4, 30}), 5);
    EXPECT_EQ(DayOfWeek({2000, 2, 29}), 2);
    EXPECT_EQ(DayOfWeek({2024, 1, 1}), 1);
}

}  // namespace
}  // namespace vorlen
