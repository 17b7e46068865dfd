// Telling a downloaded status file that may replace Status.ini from a failed,
// truncated or foreign download.
#pragma once
#include <cstddef>
#include <string_view>

namespace vorlen {

inline constexpr std::size_t kMaxStatusFileBytes = 64 * 1024;

// True for a text of at most 64 KiB, without NUL bytes, that holds a line "[Status]"
// (any letter case, surrounding blanks allowed) followed by at least one key=value line.
bool IsStatusFile(std::string_view bytes);

}  // namespace vorlen
