#include "Page.h"

#include "Controls.h"
#include "Dpi.h"

namespace vorlen::config {
namespace {

constexpr win::Bounds kPageBounds{1, 1, 370, 348};

}  // namespace

Page::Page(HWND parent, int iconId, const wchar_t* title) {
    CreateChild(L"VorlenPage", parent, WS_CLIPCHILDREN, kPageBounds.x, kPageBounds.y, kPageBounds.width,
                kPageBounds.height);
    const UINT dpi = GetDpiForWindow(hwnd());

    const int iconSize = win::Scale(33, dpi);
    HWND icon = win::AddControl(hwnd(), L"STATIC", L"", SS_ICON | SS_REALSIZECONTROL, -1, {8, 8, 33, 33});
    SendMessageW(icon, STM_SETICON,
                 reinterpret_cast<WPARAM>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                                     iconSize, iconSize, LR_SHARED)),
                 0);
    HWND label = win::AddControl(hwnd(), L"STATIC", title, SS_LEFT | SS_CENTERIMAGE, -1, {48, 12, 300, 26});
    // The title in SimHei at 16 pixels.
    titleFont_.reset(CreateFontW(-win::Scale(16, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                                 L"黑体"));
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.get()), FALSE);
}

void Page::PlaceHome() { win::Place(hwnd(), kPageBounds); }

}  // namespace vorlen::config
