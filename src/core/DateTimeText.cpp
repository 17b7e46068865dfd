#include "DateTimeText.h"

#include <string_view>

namespace vorlen {
namespace {

std::string TwoDigits(int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

// Number of times the character at `pos` repeats from there on.
std::size_t RunLength(std::string_view s, std::size_t pos) {
    std::size_t n = 1;
    while (pos + n < s.size() && s[pos + n] == s[pos]) ++n;
    return n;
}

std::string DayField(const Date& date, std::size_t count, const DateFormat& f) {
    switch (count) {
        case 1: return std::to_string(date.day);
        case 2: return TwoDigits(date.day);
        case 3: return f.shortDayNames[DayOfWeek(date)];
        default: return f.dayNames[DayOfWeek(date)];
    }
}

std::string MonthField(const Date& date, std::size_t count, const DateFormat& f) {
    switch (count) {
        case 1: return std::to_string(date.month);
        case 2: return TwoDigits(date.month);
        case 3: return f.shortMonthNames[date.month - 1];
        default: return f.monthNames[date.month - 1];
    }
}

std::string YearField(const Date& date, std::size_t count) {
    switch (count) {
        case 1: return std::to_string(date.year % 100);
        case 2: return TwoDigits(date.year % 100);
        default: return std::to_string(date.year);
    }
}

}  // namespace

std::string TimeText(const TimeOfDay& time, const TimeFormat& f) {
    int hour = time.hour;
    const std::string& designator = hour < 12 ? f.am : f.pm;
    if (f.twelveHour) {
        hour %= 12;
        if (hour == 0) hour = 12;
    }
    std::string text;
    if (f.twelveHour && f.designatorFirst) text += designator + " ";
    text += f.leadingZero ? TwoDigits(hour) : std::to_string(hour);
    text += f.separator + TwoDigits(time.minute) + f.separator + TwoDigits(time.second);
    if (f.twelveHour && !f.designatorFirst) text += " " + designator;
    return text;
}

std::string DateText(const Date& date, const DateFormat& f) {
    const std::string_view p = f.shortPattern;
    std::string text;
    for (std::size_t pos = 0; pos < p.size();) {
        const char c = p[pos];
        if (c == '\'') {
            // '' is one apostrophe; otherwise the text up to the closing quote is literal.
            if (pos + 1 < p.size() && p[pos + 1] == '\'') {
                text += '\'';
                pos += 2;
                continue;
            }
            std::size_t end = p.find('\'', pos + 1);
            if (end == std::string_view::npos) end = p.size();
            text += p.substr(pos + 1, end - pos - 1);
            pos = end + 1;
            continue;
        }
        const std::size_t count = RunLength(p, pos);
        switch (c) {
            case 'd': text += DayField(date, count, f); break;
            case 'M': text += MonthField(date, count, f); break;
            case 'y': text += YearField(date, count); break;
            case 'g': text += f.era; break;
            case '/': for (std::size_t i = 0; i < count; ++i) text += f.separator; break;
            default: text.append(count, c); break;
        }
        pos += count;
    }
    return text;
}

}  // namespace vorlen
