#include "CivilTime.h"

namespace vorlen {

int DayOfWeek(const Date& date) {
    // Sakamoto's method.
    static constexpr int kMonthOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int y = date.year;
    if (date.month < 3) --y;
    return (y + y / 4 - y / 100 + y / 400 + kMonthOffset[date.month - 1] + date.day) % 7;
}

}  // namespace vorlen
