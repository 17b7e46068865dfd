// Decoding UTF-8 into code points, as needed to count and cut texts by character.
#pragma once
#include <cstddef>
#include <string_view>

namespace vorlen {

struct DecodedChar {
    char32_t codePoint;  // U+FFFD for a malformed sequence
    std::size_t length;  // bytes the sequence takes, at least 1
};

// Decodes the character that starts at `pos` of `text` (pos < text.size()).
DecodedChar DecodeUtf8At(std::string_view text, std::size_t pos);

}  // namespace vorlen
