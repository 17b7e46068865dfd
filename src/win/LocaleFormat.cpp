#include "LocaleFormat.h"

#include <windows.h>

#include "Unicode.h"

namespace vorlen::win {
namespace {

std::string LocaleText(LCTYPE type) {
    wchar_t buffer[128];
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 128);
    return n > 0 ? Narrow(std::wstring_view(buffer, n - 1)) : std::string();
}

bool LocaleFlag(LCTYPE type) { return LocaleText(type) == "1"; }

std::string EraText() {
    SYSTEMTIME today;
    GetLocalTime(&today);
    wchar_t buffer[64];
    const int n = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &today, L"gg", buffer, 64, nullptr);
    return n > 0 ? Narrow(std::wstring_view(buffer, n - 1)) : std::string();
}

}  // namespace

TextFormats ReadUserTextFormats() {
    TextFormats f;
    f.time.twelveHour = LocaleText(LOCALE_ITIME) == "0";
    f.time.designatorFirst = LocaleFlag(LOCALE_ITIMEMARKPOSN);
    f.time.leadingZero = LocaleFlag(LOCALE_ITLZERO);
    f.time.separator = LocaleText(LOCALE_STIME);
    f.time.am = LocaleText(LOCALE_S1159);
    f.time.pm = LocaleText(LOCALE_S2359);

    f.date.shortPattern = LocaleText(LOCALE_SSHORTDATE);
    f.date.separator = LocaleText(LOCALE_SDATE);
    // The system numbers day names from Monday (1) to Sunday (7); the formats start on Sunday.
    for (int day = 0; day < 7; ++day) {
        const int fromMonday = (day + 6) % 7;
        f.date.dayNames[day] = LocaleText(LOCALE_SDAYNAME1 + fromMonday);
        f.date.shortDayNames[day] = LocaleText(LOCALE_SABBREVDAYNAME1 + fromMonday);
    }
    for (int month = 0; month < 12; ++month) {
        f.date.monthNames[month] = LocaleText(LOCALE_SMONTHNAME1 + month);
        f.date.shortMonthNames[month] = LocaleText(LOCALE_SABBREVMONTHNAME1 + month);
    }
    f.date.era = EraText();
    return f;
}

}  // namespace vorlen::win
