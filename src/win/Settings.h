// The two settings files beside the executable and the values both programs read from them.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "IniFile.h"

namespace vorlen::win {

IniFile ConfigIniBesideExecutable();
IniFile StatusIniBesideExecutable();

// [config] strike, "1" when missing; kept and compared as text.
std::wstring ReadChimeMode(const IniFile& config);
void WriteChimeMode(IniFile& config, std::string_view mode);

// One of the three status links (index 0..2), with the defaults for missing keys.
struct StatusLink {
    std::wstring title;
    std::wstring link;
};
StatusLink ReadStatusLink(const IniFile& status, std::size_t index);
COLORREF ReadStatusColour(const IniFile& status, std::size_t index);

}  // namespace vorlen::win
