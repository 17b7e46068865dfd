// Calendar dates and times of day as the plans use them, free of any clock.
#pragma once

namespace vorlen {

struct Date {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
};

struct TimeOfDay {
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
};

// Day of the week of a Gregorian date, 0 = Sunday .. 6 = Saturday.
int DayOfWeek(const Date& date);

}  // namespace vorlen

namespace vorlen {

struct Moment {
    Date date;
    TimeOfDay time;
};

// Whole seconds since 1970-01-01 00:00:00 of the same clock, and back.
long long SecondsSinceEpoch(const Moment& moment);
Moment MomentFromSeconds(long long seconds);

}  // namespace vorlen
