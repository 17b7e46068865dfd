// Telling a web address from any other text the shell could open.
#pragma once
#include <string_view>

namespace vorlen {

// True for a text that starts with "http://" or "https://" (any letter case) followed by
// a host, with no control characters or spaces.
bool IsWebAddress(std::string_view text);

}  // namespace vorlen
