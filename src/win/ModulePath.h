// Paths beside the running executable: both programs keep their files in their own folder.
#pragma once
#include <string>
#include <string_view>

namespace vorlen::win {

// Full path of the running executable.
std::wstring ExecutablePath();

// The executable's folder followed by `fileName`; the working folder plays no part.
std::wstring PathBesideExecutable(std::wstring_view fileName);

}  // namespace vorlen::win
