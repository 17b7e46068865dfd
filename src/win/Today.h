// Today's weekday, read from the system clock.
#pragma once
#include <string_view>

namespace vorlen::win {

// "日" .. "六" for today; the editors preset their weekday box with it.
std::string_view TodayWeekdayChar();

// "星期日" .. "星期六" for today; the weekly checks compare with it.
std::string_view WeekdayName();

}  // namespace vorlen::win
