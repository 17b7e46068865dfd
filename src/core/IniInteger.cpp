#include "IniInteger.h"

#include <cstdint>
#include <string>

namespace vorlen {

int ParseIniInteger(std::string_view text, int fallback) {
    std::string hexCopy;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hexCopy = "$";
        hexCopy += text.substr(2);
        text = hexCopy;
    }
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    const bool hex = pos < text.size() && text[pos] == '$';
    if (hex) ++pos;
    if (pos == text.size()) return fallback;

    std::uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return fallback;
        value = value * (hex ? 16 : 10) + digit;
        if (value > 0xFFFFFFFFull) return fallback;
    }
    if (hex) {
        // Eight hex digits fill the 32 bits; "$FFFFFFFF" is -1.
        const auto bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
        return negative ? -bits : bits;
    }
    if (negative ? value > 0x80000000ull : value > 0x7FFFFFFFull) return fallback;
    return static_cast<int>(negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value));
}

}  // namespace vorlen
