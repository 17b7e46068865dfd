#include "Today.h"

#include <windows.h>

#include "Weekday.h"

namespace vorlen::win {
namespace {

int TodayDayOfWeek() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wDayOfWeek;
}

}  // namespace

std::string_view TodayWeekdayChar() { return WeekdayChar(TodayDayOfWeek()); }

std::string_view WeekdayName() { return WeekdayFullName(TodayDayOfWeek()); }

}  // namespace vorlen::win
