// Scaling the 96-DPI sizes of the layouts to a window's monitor.
#pragma once
#include <windows.h>

namespace vorlen::win {

inline int Scale(int pixelsAt96, UINT dpi) { return MulDiv(pixelsAt96, static_cast<int>(dpi), 96); }

// A GUI font of the given point size and weight for the given DPI.
inline HFONT CreateUiFont(int points, int weight, UINT dpi) {
    return CreateFontW(-MulDiv(points, static_cast<int>(dpi), 72), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, L"Microsoft YaHei UI");
}

}  // namespace vorlen::win
