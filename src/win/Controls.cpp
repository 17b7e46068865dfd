#include "Controls.h"

#include <cstdint>
#include <map>

#include "Dpi.h"
#include "Handle.h"

namespace vorlen::win {
namespace {

constexpr wchar_t kLayoutProperty[] = L"VorlenLayout";

// Bounds of up to 32,767 pixels and the font flag, packed into the property's value.
HANDLE Pack(Bounds at, bool usesUiFont) {
    const auto field = [](int v, int shift) { return static_cast<std::uint64_t>(v & 0x7FFF) << shift; };
    return reinterpret_cast<HANDLE>(field(at.x, 0) | field(at.y, 15) | field(at.width, 30) | field(at.height, 45) |
                                    (static_cast<std::uint64_t>(usesUiFont) << 60));
}

bool Unpack(HANDLE packed, Bounds& at, bool& usesUiFont) {
    const auto v = reinterpret_cast<std::uint64_t>(packed);
    if (v == 0) return false;
    at = {static_cast<int>(v & 0x7FFF), static_cast<int>(v >> 15 & 0x7FFF), static_cast<int>(v >> 30 & 0x7FFF),
          static_cast<int>(v >> 45 & 0x7FFF)};
    usesUiFont = (v >> 60) & 1;
    return true;
}

}  // namespace

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
    RememberLayout(control, at, true);
    return control;
}

void Place(HWND control, Bounds at) {
    const UINT dpi = GetDpiForWindow(GetParent(control));
    MoveWindow(control, Scale(at.x, dpi), Scale(at.y, dpi), Scale(at.width, dpi), Scale(at.height, dpi), TRUE);
    Bounds old;
    bool usesUiFont = false;
    Unpack(GetPropW(control, kLayoutProperty), old, usesUiFont);
    RememberLayout(control, at, usesUiFont);
}

void CenterInWorkArea(HWND window, int width, int height) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info);
    const RECT& area = info.rcWork;
    SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void RememberLayout(HWND child, Bounds at, bool usesUiFont) { SetPropW(child, kLayoutProperty, Pack(at, usesUiFont)); }

void ScaleLayout(HWND window, UINT dpi) {
    struct Context {
        UINT dpi;
    } context{dpi};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            const UINT dpi = reinterpret_cast<Context*>(param)->dpi;
            Bounds at;
            bool usesUiFont = false;
            if (Unpack(GetPropW(child, kLayoutProperty), at, usesUiFont)) {
                SetWindowPos(child, nullptr, Scale(at.x, dpi), Scale(at.y, dpi), Scale(at.width, dpi),
                             Scale(at.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
                if (usesUiFont) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont(dpi)), FALSE);
            }
            SendMessageW(child, WM_DPICHANGED_AFTERPARENT, 0, 0);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&context));
    InvalidateRect(window, nullptr, TRUE);
}

}  // namespace vorlen::win
