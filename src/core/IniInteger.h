// The integer rule of the settings files: decimal, or hexadecimal after "$", "0x" or "0X".
#pragma once
#include <string_view>

namespace vorlen {

// Converts a settings value to an integer. A text longer than two characters that starts
// with "0x" or "0X" is read as if it started with "$". Decimal and "$"-hexadecimal texts
// convert, with an optional sign; anything else (empty, words, trailing characters, a
// value outside 32 bits) gives `fallback`.
int ParseIniInteger(std::string_view text, int fallback);

}  // namespace vorlen
