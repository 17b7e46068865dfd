// Prints the plan texts this process renders from the user's settings, one per line in
// UTF-8, with the system's own short date rendering for comparison:
//   time text of 9:05:07, time text of 21:05:07, time text of 0:30:00,
//   date text of 2010-4-30, GetDateFormatEx short date of 2010-4-30.
#include <windows.h>

#include <cstdio>

#include "LocaleFormat.h"
#include "Unicode.h"

int wmain() {
    using namespace vorlen;
    const TextFormats f = win::ReadUserTextFormats();
    SYSTEMTIME st{};
    st.wYear = 2010;
    st.wMonth = 4;
    st.wDay = 30;
    st.wDayOfWeek = 5;
    wchar_t systemDate[128] = L"";
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, systemDate, 128, nullptr);
    std::printf("%s\n%s\n%s\n%s\n%s\n", TimeText({9, 5, 7}, f.time).c_str(), TimeText({21, 5, 7}, f.time).c_str(),
                TimeText({0, 30, 0}, f.time).c_str(), DateText({2010, 4, 30}, f.date).c_str(),
                win::Narrow(systemDate).c_str());
    return 0;
}
