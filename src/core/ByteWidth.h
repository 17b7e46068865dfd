// Cutting a text to a width counted in bytes of the system's ANSI code page.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace vorlen {

// Bytes one character takes in the ANSI code page the texts are measured in.
using CharByteWidth = std::size_t (*)(char32_t codePoint);

// The width rule of the Chinese code page 936 (GBK): ASCII takes one byte, every other
// character two. Portable stand-in for the system's own conversion, used where no
// Windows code page is at hand.
std::size_t GbkCharWidth(char32_t codePoint);

// Width of a UTF-8 text in bytes of the ANSI code page.
std::size_t AnsiByteWidth(std::string_view utf8, CharByteWidth widthOf);

// The longest prefix of a UTF-8 text whose ANSI width is at most `width`, ending at a
// character boundary, so a double-byte character is never split.
std::string CutToByteWidth(std::string_view utf8, std::size_t width, CharByteWidth widthOf);

}  // namespace vorlen
