// Creating child controls at 96-DPI positions scaled to the parent's monitor, in the
// programs' user-interface font.
#pragma once
#include <windows.h>

namespace vorlen::win {

struct Bounds {
    int x, y, width, height;  // at 96 DPI
};

// The user-interface font for the DPI, shared by all controls of the process.
HFONT UiFont(UINT dpi);

HWND AddControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int id, Bounds at,
                DWORD exStyle = 0);

// Moves a control to 96-DPI bounds scaled for its parent.
void Place(HWND control, Bounds at);

// Gives a top-level window that outer size, centred in the work area of its monitor.
void CenterInWorkArea(HWND window, int width, int height);

// Keeps a child window's 96-DPI bounds with it, so ScaleLayout can place it again.
void RememberLayout(HWND child, Bounds at, bool usesUiFont = false);

// After the window moved to a monitor of another DPI: every remembered child is placed
// and given fonts for `dpi`, and told so with WM_DPICHANGED_AFTERPARENT.
void ScaleLayout(HWND window, UINT dpi);

}  // namespace vorlen::win
