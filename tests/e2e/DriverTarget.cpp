// driver_target: a small program for the driver's own tests. Its main window "驱动测试" holds
// buttons, a label, an edit and a list view; a hidden window "驱动测试·托盘" answers the tray
// callback message the way the scheduler does. What the program sees shows in the main title.
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT kTrayIcon = 1;

enum : int {
    kRetitle = 100,
    kDialog = 101,
    kHang = 102,
    kDisabled = 103,
    kLabel = 104,
    kEdit = 200,
    kList = 300,
    kMenuOpen = 401,
    kMenuChime = 402,
    kMenuUnavailable = 403,
    kMenuExit = 404,
    kMenuAbout = 405,
};

HWND g_main = nullptr;

void MakeControls(HWND window) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    struct Layout {
        const wchar_t* className;
        const wchar_t* text;
        int id;
        DWORD style;
        int x, y, width, height;
    };
    const Layout layouts[] = {
        {L"Button", L"改标题(&T)", kRetitle, BS_PUSHBUTTON, 10, 10, 100, 28},
        {L"Button", L"对话框", kDialog, BS_PUSHBUTTON, 120, 10, 100, 28},
        {L"Button", L"卡住", kHang, BS_PUSHBUTTON, 230, 10, 100, 28},
        {L"Button", L"停用", kDisabled, BS_PUSHBUTTON | WS_DISABLED, 340, 10, 100, 28},
        {L"Static", L"标签", kLabel, SS_LEFT, 10, 48, 100, 20},
        {L"Edit", L"", kEdit, ES_AUTOHSCROLL | WS_BORDER, 120, 46, 320, 24},
        {WC_LISTVIEWW, L"", kList, LVS_REPORT | WS_BORDER, 10, 80, 430, 150},
    };
    for (const Layout& s : layouts)
        CreateWindowExW(0, s.className, s.text, WS_CHILD | WS_VISIBLE | s.style, s.x, s.y, s.width, s.height, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(s.id)), instance, nullptr);

    const HWND list = GetDlgItem(window, kList);
    const wchar_t* columns[] = {L"时间", L"类型", L"内容"};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 120;
        column.pszText = const_cast<wchar_t*>(columns[i]);
        ListView_InsertColumn(list, i, &column);
    }
    const wchar_t* rows[2][3] = {{L"08:00", L"提醒", L"起床"}, {L"12:30", L"关机", L"午休,关机"}};
    for (int r = 0; r < 2; ++r) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = r;
        item.pszText = const_cast<wchar_t*>(rows[r][0]);
        ListView_InsertItem(list, &item);
        for (int c = 1; c < 3; ++c) ListView_SetItemText(list, r, c, const_cast<wchar_t*>(rows[r][c]));
    }
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            MakeControls(window);
            return 0;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case kRetitle: SetWindowTextW(window, L"已点击"); return 0;
                case kDialog: MessageBoxW(window, L"对话框内容", L"驱动测试·提示", MB_OK); return 0;
                case kHang: Sleep(8000); return 0;
                case kDisabled: SetWindowTextW(window, L"停用的按钮被点了"); return 0;
                case kEdit:
                    if (HIWORD(wParam) == EN_CHANGE) {
                        wchar_t text[256];
                        GetWindowTextW(reinterpret_cast<HWND>(lParam), text, 256);
                        SetWindowTextW(window, (std::wstring(L"输入:") + text).c_str());
                    }
                    return 0;
            }
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void ShowTrayMenu(HWND tray) {
    const HMENU more = CreatePopupMenu();
    AppendMenuW(more, MF_STRING, kMenuAbout, L"关于");
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, kMenuOpen, L"打开主窗口(&O)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | MF_CHECKED, kMenuChime, L"整点报时");
    AppendMenuW(menu, MF_STRING | MF_GRAYED, kMenuUnavailable, L"暂不可用");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(more), L"更多");
    AppendMenuW(menu, MF_STRING, kMenuExit, L"退出(&X)");
    POINT at;
    GetCursorPos(&at);
    SetForegroundWindow(tray);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, tray, nullptr);
    PostMessageW(tray, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

LRESULT CALLBACK TrayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kTrayMessage && wParam == kTrayIcon) {
        if (lParam == WM_RBUTTONUP) ShowTrayMenu(window);
        if (lParam == WM_LBUTTONDBLCLK) SetWindowTextW(g_main, L"托盘双击");
        return 0;
    }
    if (message == WM_COMMAND) {
        if (LOWORD(wParam) == kMenuExit) DestroyWindow(g_main);
        else SetWindowTextW(g_main, (L"菜单命令 " + std::to_wstring(LOWORD(wParam))).c_str());
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSW mainClass{};
    mainClass.lpfnWndProc = MainProc;
    mainClass.hInstance = instance;
    mainClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    mainClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    mainClass.lpszClassName = L"VorlenDriverTarget";
    RegisterClassW(&mainClass);
    WNDCLASSW trayClass{};
    trayClass.lpfnWndProc = TrayProc;
    trayClass.hInstance = instance;
    trayClass.lpszClassName = L"VorlenDriverTray";
    RegisterClassW(&trayClass);

    CreateWindowExW(0, trayClass.lpszClassName, L"驱动测试·托盘", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                    nullptr);
    g_main = CreateWindowExW(0, mainClass.lpszClassName, L"驱动测试", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                             470, 280, nullptr, nullptr, instance, nullptr);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
