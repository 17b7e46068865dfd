// vorlen_jk: the tray scheduler. One instance per session; it ends on exit from its menu
// or on a close request to its application window.
#include <windows.h>
#include <commctrl.h>

#include "ErrorDisplay.h"
#include "Handle.h"
#include "SchedulerTexts.h"
#include "TitleWindow.h"
#include "TrayWindow.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace vorlen;
    win::SetApplicationTitle(scheduler::kApplicationTitle);
    const win::NamedMutex mutex(scheduler::kApplicationTitle);
    if (mutex.AlreadyExisted()) return 0;

    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    try {
        scheduler::TrayWindow mainForm;
        win::TitleWindow application(scheduler::kApplicationTitle, [&mainForm] { mainForm.Close(); });
        if (!mainForm.Start()) return 0;
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    } catch (...) {
        win::ShowCurrentException(nullptr);
        return 1;
    }
    return 0;
}
