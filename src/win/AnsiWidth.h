// Width of a character in the system's ANSI code page, for cutting stored texts.
#pragma once
#include <cstddef>

namespace vorlen::win {

// Bytes the character takes when the system converts it to its ANSI code page
// (two for a Chinese character under code page 936, one for ASCII).
std::size_t AnsiCharWidth(char32_t codePoint);

}  // namespace vorlen::win
