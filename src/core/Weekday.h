// The two weekday texts: the editors' one-character form and the scheduler's full name.
#pragma once
#include <string_view>

namespace vorlen {

// "日", "一" .. "六" for 0 = Sunday .. 6 = Saturday.
std::string_view WeekdayChar(int dayOfWeek);

// "星期日", "星期一" .. "星期六" for 0 = Sunday .. 6 = Saturday.
std::string_view WeekdayFullName(int dayOfWeek);

}  // namespace vorlen
