// Stands in for the scheduler in the configuration program's tests: adds a line to
// scheduler-starts.log beside the executable and ends.
#include <windows.h>

#include "ModulePath.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring log = vorlen::win::PathBesideExecutable(L"scheduler-starts.log");
    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "start\n", 6, &written, nullptr);
    CloseHandle(file);
    return 0;
}
