#include "IniFile.h"

#include <windows.h>

#include "IniInteger.h"
#include "Unicode.h"

namespace vorlen::win {
namespace {

constexpr DWORD kValueBuffer = 2048;  // 2,047 characters and the terminator

}  // namespace

std::wstring IniFile::ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const {
    const std::wstring s(section), k(key), d(fallback);
    wchar_t buffer[kValueBuffer];
    const DWORD n = GetPrivateProfileStringW(s.c_str(), k.c_str(), d.c_str(), buffer, kValueBuffer, path_.c_str());
    return std::wstring(buffer, n);
}

int IniFile::ReadInteger(std::wstring_view section, std::wstring_view key, int fallback) const {
    return ParseIniInteger(Narrow(ReadString(section, key, L"")), fallback);
}

void IniFile::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    const std::wstring s(section), k(key), v(value);
    if (!WritePrivateProfileStringW(s.c_str(), k.c_str(), v.c_str(), path_.c_str()))
        throw IniWriteError("Unable to write to " + Narrow(path_));
}

}  // namespace vorlen::win
