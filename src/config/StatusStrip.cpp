#include "StatusStrip.h"

#include "Controls.h"
#include "Shell.h"

namespace vorlen::config {
namespace {

constexpr win::Bounds kStripBounds{1, 350, 516, 21};
// Each label starts where the layout puts it and is wide enough to read and click.
constexpr win::Bounds kLabelBounds[] = {{8, 4, 360, 15}, {376, 4, 68, 15}, {448, 4, 66, 15}};
enum : int { kIdFirstLabel = 200 };

}  // namespace

StatusStrip::StatusStrip(HWND parent, const win::IniFile& status) {
    for (std::size_t i = 0; i < links_.size(); ++i) {
        links_[i] = win::ReadStatusLink(status, i);
        colours_[i] = win::ReadStatusColour(status, i);
    }
    CreateChild(L"VorlenStatusStrip", parent, WS_VISIBLE, kStripBounds.x, kStripBounds.y, kStripBounds.width,
                kStripBounds.height);
    for (std::size_t i = 0; i < labels_.size(); ++i)
        labels_[i] = win::AddControl(hwnd(), L"STATIC", links_[i].title.c_str(), SS_LEFT | SS_NOTIFY | SS_NOPREFIX,
                                     kIdFirstLabel + static_cast<int>(i), kLabelBounds[i]);
}

int StatusStrip::LabelIndex(HWND control) const {
    for (std::size_t i = 0; i < labels_.size(); ++i)
        if (control && labels_[i] == control) return static_cast<int>(i);
    return -1;
}

LRESULT StatusStrip::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC: {
            const int i = LabelIndex(reinterpret_cast<HWND>(lParam));
            if (i < 0) break;
            SetTextColor(reinterpret_cast<HDC>(wParam), colours_[i] & 0xFFFFFF);
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_SETCURSOR:
            if (LabelIndex(reinterpret_cast<HWND>(wParam)) >= 0) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_COMMAND:
            if (HIWORD(wParam) == STN_CLICKED) {
                const int i = LabelIndex(reinterpret_cast<HWND>(lParam));
                if (i >= 0) win::OpenWebLink(links_[i].link);
            }
            return 0;
    }
    return Default(message, wParam, lParam);
}

}  // namespace vorlen::config
