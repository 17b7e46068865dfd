#include "Weekday.h"

#include <array>

namespace vorlen {

std::string_view WeekdayChar(int dayOfWeek) {
    static constexpr std::array<std::string_view, 7> kChars = {"日", "一", "二", "三", "四", "五", "六"};
    return kChars.at(dayOfWeek);
}

std::string_view WeekdayFullName(int dayOfWeek) {
    static constexpr std::array<std::string_view, 7> kNames = {
        "星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    return kNames.at(dayOfWeek);
}

}  // namespace vorlen
