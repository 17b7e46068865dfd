#include "Page.h"

#include "Controls.h"
#include "Dpi.h"

namespace vorlen::config {
namespace {

constexpr win::Bounds kPageBounds{1, 1, 370, 348};

}  // namespace

Page::Page(HWND parent, int iconId, const wchar_t* title) : iconId_(iconId) {
    CreateChild(L"VorlenPage", parent, WS_CLIPCHILDREN, kPageBounds.x, kPageBounds.y, kPageBounds.width,
                kPageBounds.height);
    icon_ = win::AddControl(hwnd(), L"STATIC", L"", SS_ICON | SS_REALSIZECONTROL, -1, {8, 8, 33, 33});
    title_ = win::AddControl(hwnd(), L"STATIC", title, SS_LEFT | SS_CENTERIMAGE, -1, {48, 12, 300, 26});
    SetTitleLook(GetDpiForWindow(hwnd()));
}

// The icon at about 33 pixels and the title in SimHei at 16 pixels, for the DPI.
void Page::SetTitleLook(UINT dpi) {
    const int iconSize = win::Scale(33, dpi);
    SendMessageW(icon_, STM_SETICON,
                 reinterpret_cast<WPARAM>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId_), IMAGE_ICON,
                                                     iconSize, iconSize, LR_SHARED)),
                 0);
    win::UniqueFont font(CreateFontW(-win::Scale(16, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                                     L"黑体"));
    SendMessageW(title_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    titleFont_ = std::move(font);  // the old font is freed once the label no longer uses it
}

LRESULT Page::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DPICHANGED_AFTERPARENT) {
        SetTitleLook(GetDpiForWindow(hwnd()));
        return 0;
    }
    return Default(message, wParam, lParam);
}

void Page::PlaceHome() { win::Place(hwnd(), kPageBounds); }

}  // namespace vorlen::config
