// Conversions between the UTF-8 of the portable code and the UTF-16 of the Windows API.
#pragma once
#include <string>
#include <string_view>

namespace vorlen::win {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace vorlen::win
