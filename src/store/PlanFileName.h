// Finding the plan file by a name that may differ from the stored one in letter case.
#pragma once
#include <string>

namespace vorlen {

// The path of the existing file in the same folder whose name equals the given one
// without regard to ASCII case, preferring an exact match; the path unchanged when no
// such file exists. Both programs so reach one file, and SQLite derives its journal
// name from the one spelling on disk.
std::string ResolveFileNameCase(const std::string& utf8Path);

}  // namespace vorlen
