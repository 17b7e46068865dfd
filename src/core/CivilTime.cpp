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

namespace vorlen {
namespace {

// Days since 1970-01-01 of a Gregorian date, and back (Howard Hinnant's algorithms).
long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Date CivilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (m <= 2)), m, d};
}

}  // namespace

long long SecondsSinceEpoch(const Moment& m) {
    return DaysFromCivil(m.date.year, m.date.month, m.date.day) * 86400 + m.time.hour * 3600 + m.time.minute * 60 +
           m.time.second;
}

Moment MomentFromSeconds(long long seconds) {
    long long days = seconds / 86400;
    long long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    return {CivilFromDays(days), {static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60)}};
}

}  // namespace vorlen
