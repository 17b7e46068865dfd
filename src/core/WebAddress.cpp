#include "WebAddress.h"

#include "AsciiText.h"

namespace vorlen {

bool IsWebAddress(std::string_view text) {
    std::size_t hostStart;
    if (StartsWithIgnoringAsciiCase(text, "https://")) hostStart = 8;
    else if (StartsWithIgnoringAsciiCase(text, "http://")) hostStart = 7;
    else return false;
    if (hostStart == text.size() || text[hostStart] == '/' || text[hostStart] == '\\') return false;
    for (unsigned char c : text)
        if (c <= ' ' || c == 0x7F || c == '\\') return false;
    return true;
}

}  // namespace vorlen
