#include "Utf8.h"

namespace vorlen {

DecodedChar DecodeUtf8At(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) return {lead, 1};

    std::size_t length = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) { length = 2; cp = lead & 0x1F; }
    else if ((lead & 0xF0) == 0xE0) { length = 3; cp = lead & 0x0F; }
    else if ((lead & 0xF8) == 0xF0) { length = 4; cp = lead & 0x07; }
    else return {U'\uFFFD', 1};

    if (pos + length > text.size()) return {U'\uFFFD', 1};
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char b = byte(pos + i);
        if ((b & 0xC0) != 0x80) return {U'\uFFFD', 1};
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return {U'\uFFFD', 1};
    return {cp, length};
}

}  // namespace vorlen
