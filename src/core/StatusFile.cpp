#include "StatusFile.h"

#include "AsciiText.h"

namespace vorlen {
namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool IsStatusHeader(std::string_view line) { return EqualsIgnoringAsciiCase(line, "[Status]"); }

}  // namespace

bool IsStatusFile(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > kMaxStatusFileBytes) return false;
    if (bytes.find('\0') != std::string_view::npos) return false;
    bool inStatus = false;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        const std::string_view line = Trim(bytes.substr(0, end));
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') inStatus = IsStatusHeader(line);
        else if (inStatus && line.find('=') != std::string_view::npos && line.front() != '=') return true;
    }
    return false;
}

}  // namespace vorlen
