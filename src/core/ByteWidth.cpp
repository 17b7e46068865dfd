#include "ByteWidth.h"

#include "Utf8.h"

namespace vorlen {

std::size_t GbkCharWidth(char32_t codePoint) { return codePoint < 0x80 ? 1 : 2; }

std::size_t AnsiByteWidth(std::string_view utf8, CharByteWidth widthOf) {
    std::size_t total = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const DecodedChar c = DecodeUtf8At(utf8, pos);
        total += widthOf(c.codePoint);
        pos += c.length;
    }
    return total;
}

std::string CutToByteWidth(std::string_view utf8, std::size_t width, CharByteWidth widthOf) {
    std::size_t used = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const DecodedChar c = DecodeUtf8At(utf8, pos);
        const std::size_t w = widthOf(c.codePoint);
        if (used + w > width) break;
        used += w;
        pos += c.length;
    }
    return std::string(utf8.substr(0, pos));
}

}  // namespace vorlen
