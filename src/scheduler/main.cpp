// vorlen_jk: the tray scheduler. One instance per session; it ends on exit from its menu
// or on a close request to its application window.
#include <windows.h>

#include "ErrorDisplay.h"
#include "Handle.h"
#include "MessageLoop.h"
#include "SchedulerTexts.h"
#include "TitleWindow.h"
#include "TrayWindow.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace vorlen;
    win::RestrictDllSearch();
    win::SetApplicationTitle(scheduler::kApplicationTitle);
    const win::NamedMutex mutex(scheduler::kApplicationTitle);
    if (mutex.AlreadyExisted()) return 0;

    win::InitCommonControls();

    try {
        scheduler::TrayWindow mainForm;
        win::TitleWindow application(scheduler::kApplicationTitle, [&mainForm] { mainForm.Close(); });
        if (!mainForm.Start()) return 0;
        win::RunMessageLoop();
    } catch (...) {
        win::ShowCurrentException(nullptr);
        return 1;
    }
    return 0;
}
