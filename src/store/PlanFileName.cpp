#include "PlanFileName.h"

#include "AsciiText.h"

#include <filesystem>
#include <system_error>

namespace vorlen {
namespace {

namespace fs = std::filesystem;

fs::path PathFromUtf8(const std::string& s) { return fs::path(std::u8string(s.begin(), s.end())); }

std::string Utf8FromPath(const fs::path& p) {
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

}  // namespace

std::string ResolveFileNameCase(const std::string& utf8Path) {
    const fs::path path = PathFromUtf8(utf8Path);
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const std::string wanted = Utf8FromPath(path.filename());
    std::error_code ec;
    std::string found;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = Utf8FromPath(entry.path().filename());
        if (name == wanted) return utf8Path;
        if (found.empty() && EqualsIgnoringAsciiCase(name, wanted)) found = name;
    }
    if (found.empty()) return utf8Path;
    return Utf8FromPath(path.has_parent_path() ? path.parent_path() / PathFromUtf8(found) : PathFromUtf8(found));
}

}  // namespace vorlen
