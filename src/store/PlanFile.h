// Writing a new, empty plan file: the step outside both programs that provides it.
#pragma once
#include <array>
#include <cstddef>
#include <string>

namespace vorlen {

// Widths in ANSI bytes of the seven text fields of a new plan file, in table order.
// Kind and period hold the fixed vocabularies; the weekday box is free text like the
// time; the date holds a whole short date (pictures run to 80 characters); a path a
// full path of up to 1,024 double-byte characters; the message several pages of text.
inline constexpr std::array<std::size_t, 7> kNewFileWidths = {20, 64, 160, 64, 2048, 16384, 20};

// Creates `utf8Path` holding the empty table `myproject`; fails if the file exists.
void CreateEmptyPlanFile(const std::string& utf8Path);

}  // namespace vorlen
