#include "AboutWindow.h"

#include "Controls.h"
#include "Dpi.h"
#include "SchedulerTexts.h"
#include "Shell.h"
#include "Site.h"
#include "Unicode.h"
#include "resource.h"

namespace vorlen::scheduler {
namespace {

constexpr int kClientWidth = 365, kClientHeight = 207;
constexpr int kPictureWidth = 73, kPictureHeight = 65;
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION;  // no caption buttons
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;
enum : int { kIdPicture = 1, kIdName, kIdVersion };

HWND AddStatic(HWND parent, const wchar_t* text, DWORD style, int id) {
    return CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

AboutWindow::AboutWindow() {
    CreateArgs args;
    args.className = L"VorlenAboutWindow";
    args.title = kAboutCaption;
    args.style = kStyle;
    args.exStyle = kExStyle;
    Create(args);
    bitmap_.reset(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_ABOUT), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    picture_ = AddStatic(hwnd(), L"", SS_OWNERDRAW | SS_NOTIFY, kIdPicture);
    productName_ = AddStatic(hwnd(), kProductName, SS_LEFT | SS_NOTIFY | SS_CENTERIMAGE, kIdName);
    version_ = AddStatic(hwnd(), kVersion, SS_LEFT, kIdVersion);
    Layout(GetDpiForWindow(hwnd()));
}

void AboutWindow::Layout(UINT dpi) {
    const auto px = [dpi](int v) { return win::Scale(v, dpi); };
    nameFont_.reset(win::CreateUiFont(18, FW_BOLD, dpi));
    versionFont_.reset(win::CreateUiFont(9, FW_BOLD, dpi));
    SendMessageW(productName_, WM_SETFONT, reinterpret_cast<WPARAM>(nameFont_.get()), TRUE);
    SendMessageW(version_, WM_SETFONT, reinterpret_cast<WPARAM>(versionFont_.get()), TRUE);
    // The picture centred in the height, the name and the version beside it.
    const int top = (kClientHeight - kPictureHeight) / 2;
    MoveWindow(picture_, px(28), px(top), px(kPictureWidth), px(kPictureHeight), TRUE);
    MoveWindow(productName_, px(118), px(top - 2), px(230), px(38), TRUE);
    MoveWindow(version_, px(120), px(top + 44), px(230), px(20), TRUE);

    RECT frame{0, 0, px(kClientWidth), px(kClientHeight)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi);
    win::CenterInWorkArea(hwnd(), frame.right - frame.left, frame.bottom - frame.top);
}

void AboutWindow::Present() {
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(hwnd());
}

void AboutWindow::DrawPicture(const DRAWITEMSTRUCT& item) const {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (!bitmap_) return;
    HDC source = CreateCompatibleDC(item.hDC);
    HGDIOBJ old = SelectObject(source, bitmap_.get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};  // the picture carries premultiplied alpha
    AlphaBlend(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right - item.rcItem.left,
               item.rcItem.bottom - item.rcItem.top, source, 0, 0, kPictureWidth, kPictureHeight, blend);
    SelectObject(source, old);
    DeleteDC(source);
}

LRESULT AboutWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC:
            SetTextColor(reinterpret_cast<HDC>(wParam), kGreen);
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        case WM_DRAWITEM:
            DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_SETCURSOR:
            if (IsLink(reinterpret_cast<HWND>(wParam))) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_COMMAND:
            if (HIWORD(wParam) == STN_CLICKED && IsLink(reinterpret_cast<HWND>(lParam)))
                win::ShellOpen(win::Widen(SiteAddress(kAboutPagePath)));
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) ShowWindow(hwnd(), SW_HIDE);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) ShowWindow(hwnd(), SW_HIDE);  // a click outside closes it
            return 0;
        case WM_CLOSE:
            ShowWindow(hwnd(), SW_HIDE);
            return 0;
        case WM_DPICHANGED:
            Layout(HIWORD(wParam));
            return 0;
    }
    return Default(message, wParam, lParam);
}

}  // namespace vorlen::scheduler
