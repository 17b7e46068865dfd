#include "ModulePath.h"

#include <windows.h>

namespace vorlen::win {

std::wstring ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // long paths
    }
}

std::wstring PathBesideExecutable(std::wstring_view fileName) {
    std::wstring path = ExecutablePath();
    path.erase(path.find_last_of(L"\\/") + 1);
    path += fileName;
    return path;
}

}  // namespace vorlen::win
