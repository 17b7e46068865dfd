// Stands in for the configuration program in the scheduler's tests: a window titled
// "悠铃电脑闹钟" that ends on a close request, and a line in starts.log beside the
// executable for every start.
#include <windows.h>

#include <string>

#include "ModulePath.h"

static LRESULT CALLBACK StandInProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const std::wstring log = vorlen::win::PathBesideExecutable(L"starts.log");
    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "start\n", 6, &written, nullptr);
    CloseHandle(file);

    WNDCLASSW wc{};
    wc.lpfnWndProc = StandInProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"VorlenConfigStandIn";
    RegisterClassW(&wc);
    CreateWindowW(wc.lpszClassName, L"悠铃电脑闹钟", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                  nullptr, instance, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
