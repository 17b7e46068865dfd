#include "WebAddress.h"

namespace vorlen {
namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
        if (c != prefix[i]) return false;
    }
    return true;
}

}  // namespace

bool IsWebAddress(std::string_view text) {
    std::size_t hostStart;
    if (StartsWithIgnoringCase(text, "https://")) hostStart = 8;
    else if (StartsWithIgnoringCase(text, "http://")) hostStart = 7;
    else return false;
    if (hostStart == text.size() || text[hostStart] == '/' || text[hostStart] == '\\') return false;
    for (unsigned char c : text)
        if (c <= ' ' || c == 0x7F || c == '\\') return false;
    return true;
}

}  // namespace vorlen
