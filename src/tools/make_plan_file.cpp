// Writes an empty plan file (data.tdb) for installers, packaging and tests.
#include <cstdio>
#include <exception>
#include <string>

#include "PlanFile.h"

#ifdef _WIN32
#include <windows.h>

static std::string Utf8(const wchar_t* s) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, s, -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, s, -1, out.data(), n, nullptr, nullptr);
    return out;
}
int wmain(int argc, wchar_t** argv) {
    const std::string path = argc == 2 ? Utf8(argv[1]) : std::string();
#else
int main(int argc, char** argv) {
    const std::string path = argc == 2 ? argv[1] : std::string();
#endif
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorlen_mkdb PATH\n");
        return 2;
    }
    try {
        vorlen::CreateEmptyPlanFile(path);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vorlen_mkdb: %s\n", e.what());
        return 1;
    }
    return 0;
}
