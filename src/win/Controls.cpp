#include "Controls.h"

#include <map>

#include "Dpi.h"
#include "Handle.h"

namespace vorlen::win {

HFONT UiFont(UINT dpi) {
    static std::map<UINT, UniqueFont> fonts;
    auto& font = fonts[dpi];
    if (!font) font.reset(CreateUiFont(9, FW_NORMAL, dpi));
    return font.get();
}

HWND AddControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int id, Bounds at,
                DWORD exStyle) {
    const UINT dpi = GetDpiForWindow(parent);
    HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, Scale(at.x, dpi),
                                   Scale(at.y, dpi), Scale(at.width, dpi), Scale(at.height, dpi), parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                   nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont(dpi)), FALSE);
    return control;
}

void Place(HWND control, Bounds at) {
    const UINT dpi = GetDpiForWindow(GetParent(control));
    MoveWindow(control, Scale(at.x, dpi), Scale(at.y, dpi), Scale(at.width, dpi), Scale(at.height, dpi), TRUE);
}

}  // namespace vorlen::win
