// vorlen: the configuration program. It starts the scheduler on every start, then shows
// its window until the window is closed. Several copies may run at once.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include "ConfigTexts.h"
#include "ErrorDisplay.h"
#include "MainWindow.h"
#include "MessageLoop.h"
#include "ModulePath.h"
#include "TitleWindow.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace vorlen;
    win::RestrictDllSearch();
    const std::wstring scheduler = win::PathBesideExecutable(config::kSchedulerExe);
    if (GetFileAttributesW(scheduler.c_str()) == INVALID_FILE_ATTRIBUTES) {
        MessageBoxW(nullptr, config::kSchedulerMissing, config::kSchedulerMissingTitle, MB_OK);
        return 0;
    }
    // A scheduler already running turns the new one away at its mutex.
    ShellExecuteW(nullptr, L"open", scheduler.c_str(), nullptr, nullptr, SW_SHOWNORMAL);

    win::SetApplicationTitle(config::kApplicationTitle);
    // The embedded page needs a single-threaded apartment.
    struct OleSession {
        OleSession() { OleInitialize(nullptr); }
        ~OleSession() { OleUninitialize(); }
    } ole;
    win::InitCommonControls();
    try {
        config::MainWindow mainWindow;
        win::TitleWindow application(config::kApplicationTitle, [&mainWindow] { mainWindow.Close(); });
        if (!mainWindow.Start()) return 0;
        mainWindow.Show();
        win::RunMessageLoop(mainWindow.hwnd());
    } catch (...) {
        win::ShowCurrentException(nullptr);
        return 1;
    }
    return 0;
}
