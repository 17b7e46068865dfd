// The about window: product picture, name and version; a click on the picture or the
// name opens the about page. Escape or a click outside closes it.
#pragma once
#include "Handle.h"
#include "Window.h"

namespace vorlen::scheduler {

class AboutWindow : public win::Window {
public:
    AboutWindow();
    // Shows the window, or brings it to the front when it is already shown.
    void Present();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Layout(UINT dpi);
    void DrawPicture(const DRAWITEMSTRUCT& item) const;
    bool IsLink(HWND control) const { return control && (control == picture_ || control == productName_); }

    HWND picture_ = nullptr;
    HWND productName_ = nullptr;
    HWND version_ = nullptr;
    win::UniqueBitmap bitmap_;
    win::UniqueFont nameFont_, versionFont_;
};

}  // namespace vorlen::scheduler
