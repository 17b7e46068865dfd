// The date text and time text of a plan, rendered from the user's locale settings.
// Writer and reader render with the same rules, so a stored text compares equal with
// the text of the current moment.
#pragma once
#include <array>
#include <string>

#include "CivilTime.h"

namespace vorlen {

struct TimeFormat {
    bool twelveHour = false;       // hour 1..12 with a designator, else 0..23
    bool designatorFirst = false;  // designator and a space before the hour
    bool leadingZero = false;      // hour in two digits
    std::string separator = ":";
    std::string am = "AM";
    std::string pm = "PM";
};

struct DateFormat {
    // A Windows short date picture: d dd ddd dddd, M MM MMM MMMM, y yy yyyy, g gg,
    // '...' for literal text; a '/' stands for the date separator.
    std::string shortPattern = "yyyy/M/d";
    std::string separator = "/";
    std::array<std::string, 7> dayNames;         // Sunday first
    std::array<std::string, 7> shortDayNames;
    std::array<std::string, 12> monthNames;      // January first
    std::array<std::string, 12> shortMonthNames;
    std::string era;
};

// Hour, separator, two-digit minutes, separator, two-digit seconds, with the designator
// before or after as the settings say. Seconds are always part of the text.
std::string TimeText(const TimeOfDay& time, const TimeFormat& format);

// The date in the short date picture.
std::string DateText(const Date& date, const DateFormat& format);

}  // namespace vorlen
