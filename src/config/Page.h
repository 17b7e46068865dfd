// One work panel of the main window: its icon and title at the top; the page's own
// controls below. Exactly one page is visible at a time.
#pragma once
#include "Handle.h"
#include "Window.h"

namespace vorlen::config {

class Page : public win::Window {
public:
    Page(HWND parent, int iconId, const wchar_t* title);

    void SetVisible(bool visible) { ShowWindow(hwnd(), visible ? SW_SHOW : SW_HIDE); }
    // Puts the page at its place in the main window.
    void PlaceHome();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SetTitleLook(UINT dpi);

    int iconId_;
    HWND icon_ = nullptr;
    HWND title_ = nullptr;
    win::UniqueFont titleFont_;
};

}  // namespace vorlen::config
