#include "ApplicationWindow.h"

#include "SchedulerTexts.h"

namespace vorlen::scheduler {

ApplicationWindow::ApplicationWindow(std::function<void()> onCloseRequest)
    : onCloseRequest_(std::move(onCloseRequest)) {
    CreateArgs args;
    args.className = L"VorlenSchedulerApplication";
    args.title = kApplicationTitle;
    args.style = WS_POPUP;
    args.x = args.y = 0;
    args.width = args.height = 0;
    Create(args);
}

LRESULT ApplicationWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        onCloseRequest_();
        return 0;
    }
    return Default(message, wParam, lParam);
}

}  // namespace vorlen::scheduler
