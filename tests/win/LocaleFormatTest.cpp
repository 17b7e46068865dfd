#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sstream>

#include "TestSupport.h"
#include "Unicode.h"

namespace vorlen::win {
namespace {

// Sets values under HKCU\Control Panel\International and puts the old ones back at the end.
class InternationalSettings {
public:
    explicit InternationalSettings(const std::map<std::wstring, std::wstring>& values) {
        RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\International", 0, KEY_READ | KEY_WRITE, &key_);
        for (const auto& [name, value] : values) {
            wchar_t old[256];
            DWORD size = sizeof old;
            DWORD type = 0;
            if (RegQueryValueExW(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS)
                saved_[name] = std::wstring(old, size / sizeof(wchar_t) - 1);
            else
                saved_[name] = std::nullopt;
            Set(name, value);
        }
    }
    ~InternationalSettings() {
        for (const auto& [name, value] : saved_) {
            if (value) Set(name, *value);
            else RegDeleteValueW(key_, name.c_str());
        }
        RegCloseKey(key_);
    }

private:
    void Set(const std::wstring& name, const std::wstring& value) {
        RegSetValueExW(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    HKEY key_ = nullptr;
    std::map<std::wstring, std::optional<std::wstring>> saved_;
};

// The time settings as the system's own settings page writes them: the picture and the
// flags derived from it.
std::map<std::wstring, std::wstring> TimeSettings(bool twelveHour, bool designatorFirst, bool leadingZero,
                                                  const std::wstring& separator, const std::wstring& am,
                                                  const std::wstring& pm) {
    std::wstring hour = twelveHour ? L"h" : L"H";
    if (leadingZero) hour += hour;
    std::wstring picture = hour + separator + L"mm" + separator + L"ss";
    if (twelveHour) picture = designatorFirst ? L"tt " + picture : picture + L" tt";
    return {{L"sTimeFormat", picture},
            {L"iTime", twelveHour ? L"0" : L"1"},
            {L"iTimePrefix", designatorFirst ? L"1" : L"0"},
            {L"iTLZero", leadingZero ? L"1" : L"0"},
            {L"sTime", separator},
            {L"s1159", am},
            {L"s2359", pm}};
}

// What a freshly started process renders under the current settings.
std::vector<std::string> ProbeLines() {
    test::ChildProcess probe(L"\"" + test::BesideTest(L"locale_probe.exe") + L"\"");
    std::string output;
    EXPECT_EQ(probe.Finish(&output), 0u);
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    lines.resize(5);
    return lines;
}

TEST(LocaleFormat, TimeTextForEachCombinationOfTheClockSettings) {
    const struct {
        bool twelveHour, designatorFirst, leadingZero;
        const wchar_t* separator;
        const char *morning, *evening, *midnight;
    } cases[] = {
        {false, false, false, L":", "9:05:07", "21:05:07", "0:30:00"},
        {false, false, true, L":", "09:05:07", "21:05:07", "00:30:00"},
        {true, false, false, L":", "9:05:07 上午", "9:05:07 下午", "12:30:00 上午"},
        {true, false, true, L":", "09:05:07 上午", "09:05:07 下午", "12:30:00 上午"},
        {true, true, false, L":", "上午 9:05:07", "下午 9:05:07", "上午 12:30:00"},
        {true, true, true, L":", "上午 09:05:07", "下午 09:05:07", "上午 12:30:00"},
        {false, false, false, L".", "9.05.07", "21.05.07", "0.30.00"},
    };
    for (const auto& c : cases) {
        InternationalSettings settings(
            TimeSettings(c.twelveHour, c.designatorFirst, c.leadingZero, c.separator, L"上午", L"下午"));
        const auto lines = ProbeLines();
        const std::string label = std::to_string(c.twelveHour) + std::to_string(c.designatorFirst) +
                                  std::to_string(c.leadingZero) + Narrow(c.separator);
        EXPECT_EQ(lines[0], c.morning) << label;
        EXPECT_EQ(lines[1], c.evening) << label;
        EXPECT_EQ(lines[2], c.midnight) << label;
    }
}

TEST(LocaleFormat, TimeTextUsesTheSystemsOwnDesignators) {
    InternationalSettings settings(TimeSettings(true, false, false, L":", L"AM", L"PM"));
    const auto lines = ProbeLines();
    EXPECT_EQ(lines[0], "9:05:07 AM");
    EXPECT_EQ(lines[1], "9:05:07 PM");
}

TEST(LocaleFormat, DateTextFollowsTheShortDatePictureLikeTheSystem) {
    const struct {
        const wchar_t *pattern, *separator;
        const char* expected;
    } cases[] = {
        {L"yyyy/M/d", L"/", "2010/4/30"},
        {L"yyyy-M-d", L"-", "2010-4-30"},
        {L"yyyy-MM-dd", L"-", "2010-04-30"},
        {L"dd.MM.yy", L".", "30.04.10"},
        {L"yyyy'年'M'月'd'日'", L"/", "2010年4月30日"},
    };
    for (const auto& c : cases) {
        InternationalSettings settings({{L"sShortDate", c.pattern}, {L"sDate", c.separator}});
        const auto lines = ProbeLines();
        EXPECT_EQ(lines[3], c.expected) << Narrow(c.pattern);
        EXPECT_EQ(lines[3], lines[4]) << "differs from the system's rendering of " << Narrow(c.pattern);
    }
}

}  // namespace
}  // namespace vorlen::win
