#include "AnsiWidth.h"

#include <windows.h>

namespace vorlen::win {

std::size_t AnsiCharWidth(char32_t codePoint) {
    wchar_t units[2];
    int count = 1;
    if (codePoint >= 0x10000) {
        const char32_t v = codePoint - 0x10000;
        units[0] = static_cast<wchar_t>(0xD800 + (v >> 10));
        units[1] = static_cast<wchar_t>(0xDC00 + (v & 0x3FF));
        count = 2;
    } else {
        units[0] = static_cast<wchar_t>(codePoint);
    }
    const int bytes = WideCharToMultiByte(CP_ACP, 0, units, count, nullptr, 0, nullptr, nullptr);
    return bytes > 0 ? static_cast<std::size_t>(bytes) : 1;
}

}  // namespace vorlen::win
