#include "TitleWindow.h"

namespace vorlen::win {

TitleWindow::TitleWindow(const wchar_t* title, std::function<void()> onCloseRequest)
    : onCloseRequest_(std::move(onCloseRequest)) {
    CreateArgs args;
    args.className = L"VorlenApplicationTitle";
    args.title = title;
    args.style = WS_POPUP;
    args.x = args.y = 0;
    args.width = args.height = 0;
    Create(args);
}

LRESULT TitleWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        onCloseRequest_();
        return 0;
    }
    return Default(message, wParam, lParam);
}

}  // namespace vorlen::win
