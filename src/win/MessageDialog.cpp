#include "MessageDialog.h"

#include "Controls.h"

#include <algorithm>
#include <vector>

namespace vorlen::win {
namespace {

struct KindLook {
    const wchar_t* caption;
    LPCWSTR icon;
};

KindLook LookOf(DialogKind kind) {
    switch (kind) {
        case DialogKind::Warning: return {L"警告", IDI_WARNING};
        case DialogKind::Error: return {L"错误", IDI_ERROR};
        case DialogKind::Information: return {L"消息", IDI_INFORMATION};
        case DialogKind::Confirmation: return {L"确定", IDI_QUESTION};
    }
    return {L"", IDI_INFORMATION};
}

struct DialogState {
    const std::wstring* text;
    DialogKind kind;
    DialogButtons buttons;
};

// An in-memory template: caption and font only; the controls are laid out at run time
// to fit the text.
std::vector<WORD> DialogTemplate(const wchar_t* caption) {
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(t.data());
    header->style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    header->cx = 200;
    header->cy = 80;
    t.push_back(0);  // no menu
    t.push_back(0);  // default class
    for (const wchar_t* p = caption; *p; ++p) t.push_back(*p);
    t.push_back(0);
    t.push_back(9);  // point size
    for (const wchar_t* p = L"MS Shell Dlg"; *p; ++p) t.push_back(*p);
    t.push_back(0);
    if (t.size() % 2) t.push_back(0);  // DWORD alignment
    return t;
}

HWND AddControl(HWND dialog, const wchar_t* cls, const wchar_t* text, DWORD style, int id, RECT r) {
    HWND control = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
    return control;
}

void Layout(HWND dialog, const DialogState& s) {
    const UINT dpi = GetDpiForWindow(dialog);
    const auto px = [dpi](int v) { return MulDiv(v, static_cast<int>(dpi), 96); };
    const int margin = px(16), iconSize = GetSystemMetricsForDpi(SM_CXICON, dpi);
    const int buttonW = px(88), buttonH = px(26), gap = px(10);

    RECT textRect{0, 0, px(380), 0};
    HDC dc = GetDC(dialog);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    DrawTextW(dc, s.text->c_str(), -1, &textRect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(dialog, dc);

    const int textLeft = margin + iconSize + px(14);
    const int bodyH = std::max<int>(iconSize, textRect.bottom);
    const int buttonCount = s.buttons == DialogButtons::YesNo ? 2 : 1;
    const int buttonsW = buttonCount * buttonW + (buttonCount - 1) * gap;
    const int clientW = std::max<int>(textLeft + textRect.right + margin, buttonsW + 2 * margin);
    const int buttonsTop = margin + bodyH + px(18);
    const int clientH = buttonsTop + buttonH + margin;

    HWND icon = AddControl(dialog, L"STATIC", L"", SS_ICON, -1, {margin, margin, margin + iconSize, margin + iconSize});
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, LookOf(s.kind).icon)), 0);
    const int textTop = margin + (bodyH - textRect.bottom) / 2;
    AddControl(dialog, L"STATIC", s.text->c_str(), SS_LEFT | SS_NOPREFIX, -1,
               {textLeft, textTop, textLeft + textRect.right, textTop + textRect.bottom});

    int x = (clientW - buttonsW) / 2;
    const RECT first{x, buttonsTop, x + buttonW, buttonsTop + buttonH};
    x += buttonW + gap;
    const RECT second{x, buttonsTop, x + buttonW, buttonsTop + buttonH};
    HWND defaultButton;
    if (s.buttons == DialogButtons::YesNo) {
        defaultButton = AddControl(dialog, L"BUTTON", L"是的", BS_DEFPUSHBUTTON | WS_TABSTOP, IDYES, first);
        AddControl(dialog, L"BUTTON", L"否", BS_PUSHBUTTON | WS_TABSTOP, IDNO, second);
        SendMessageW(dialog, DM_SETDEFID, IDYES, 0);
    } else {
        defaultButton = AddControl(dialog, L"BUTTON", L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, first);
        SendMessageW(dialog, DM_SETDEFID, IDOK, 0);
    }
    SetFocus(defaultButton);

    RECT frame{0, 0, clientW, clientH};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)), dpi);
    CenterInWorkArea(dialog, frame.right - frame.left, frame.bottom - frame.top);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* s = reinterpret_cast<DialogState*>(lParam);
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            Layout(dialog, *s);
            SetForegroundWindow(dialog);
            return FALSE;  // focus set on the default button
        }
        case WM_COMMAND: {
            const auto* s = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
            const int id = LOWORD(wParam);
            if (id == IDCANCEL) EndDialog(dialog, s->buttons == DialogButtons::YesNo ? IDNO : IDOK);
            else if (id == IDOK || id == IDYES || id == IDNO) EndDialog(dialog, id);
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace

int ShowMessageDialog(HWND owner, const std::wstring& text, DialogKind kind, DialogButtons buttons) {
    DialogState state{&text, kind, buttons};
    const std::vector<WORD> t = DialogTemplate(LookOf(kind).caption);
    const INT_PTR answer = DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                                   reinterpret_cast<const DLGTEMPLATE*>(t.data()), owner,
                                                   &DialogProc, reinterpret_cast<LPARAM>(&state));
    return static_cast<int>(answer);
}

}  // namespace vorlen::win
