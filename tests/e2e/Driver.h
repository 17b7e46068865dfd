// Drives the real programs from end-to-end tests the way a user would: finds their windows,
// reads and clicks their controls, reads list views and popup menus, clicks the tray icon.
// Every message to a foreign window either is posted or is sent with a timeout, so a hung or
// modal program never hangs the test. The target programs are 64-bit, like the driver.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vorlen::e2e {

inline constexpr DWORD kWaitMs = 10000;                 // default for the Wait functions
inline constexpr DWORD kMessageTimeoutMs = 1000;        // for each message sent to a window
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;
inline constexpr UINT kTrayIconId = 1;

// Polls `done` until it answers true; false when it still answers false after timeoutMs.
bool PollUntil(DWORD timeoutMs, const std::function<bool()>& done);

// The colours of a screen area as the screen shows it, row by row.
std::vector<COLORREF> ScreenPixels(const RECT& area);

// ---- Top-level windows, hidden ones included. Titles compare exactly, class names ignoring case.

std::vector<HWND> TopWindows();
HWND FindTopWindow(const std::wstring& title, const std::wstring& className = {});
// Polls until a matching window exists; nullptr after timeoutMs.
HWND WaitForTopWindow(const std::wstring& title, DWORD timeoutMs = kWaitMs, const std::wstring& className = {});
// Polls until no window has the title; false when one is still there after timeoutMs.
bool WaitForTopWindowGone(const std::wstring& title, DWORD timeoutMs = kWaitMs);
int CountTopWindows(const std::wstring& title);

std::wstring WindowText(HWND window);  // WM_GETTEXT with a timeout, the stored text if it times out
std::wstring WindowClass(HWND window);

// Posts WM_CLOSE; false when there is no such window.
bool PostClose(HWND window);
bool PostClose(const std::wstring& title);

// ---- Child controls, at any depth, in creation order.

struct Control {
    HWND handle;
    std::wstring className;
    std::wstring text;
    int id;
    bool visible;
    bool enabled;
};

std::vector<Control> Children(HWND window);
// The index-th child of the class; nullptr when there are fewer.
HWND FindChild(HWND window, const std::wstring& className, int index = 0);
HWND FindChildById(HWND window, int id);

// True when `text` is `caption`, or is `caption` once mnemonic marks are taken out ("保存(&S)"
// matches "保存(S)"; "&&" stands for "&").
bool SameCaption(const std::wstring& text, const std::wstring& caption);

// Posts BM_CLICK to the visible, enabled button with the caption; false when there is none,
// as a user could not click it either. Returns at once, also when the click opens a modal dialog.
bool ClickButton(HWND window, const std::wstring& caption);
// WM_SETTEXT with a timeout; an edit control tells its parent with EN_CHANGE.
bool SetText(HWND control, const std::wstring& text);

// ---- List views of another process, read through memory allocated in that process.

std::vector<std::wstring> ListViewColumns(HWND listView);
std::vector<std::vector<std::wstring>> ListViewRows(HWND listView);  // each row has a cell per column
bool SelectListViewRow(HWND listView, int row);                      // the only selected, focused row
std::vector<int> ListViewSelection(HWND listView);

// ---- Popup menus (window class "#32768").

struct MenuItem {
    std::wstring caption;
    UINT id;  // 0 for separators and for items opening a submenu; separators are never enabled
    bool checked;
    bool enabled;
    bool separator;
    bool submenu;
};

HWND FindPopupMenu();  // the shown popup menu window, nullptr when no menu is shown
HWND WaitForPopupMenu(DWORD timeoutMs = kWaitMs);
// The items of a shown menu; throws std::runtime_error when the menu cannot be read.
std::vector<MenuItem> MenuItems(HWND menuWindow);
// Presses Escape in the shown menus until none is left; false when one is still shown after timeoutMs.
bool ClosePopupMenu(DWORD timeoutMs = kWaitMs);
// Closes the shown menu and posts WM_COMMAND with the id of its enabled item of that caption to
// `owner`, the window that opened the menu; false, leaving the menu open, when there is no such item.
bool ChooseMenuItem(HWND owner, const std::wstring& caption, DWORD timeoutMs = kWaitMs);

// ---- The notification-area icon: posts what the shell posts when the icon is clicked.

// mouseMessage: WM_RBUTTONUP, WM_LBUTTONUP, WM_LBUTTONDBLCLK, ...
bool PostTrayClick(HWND window, UINT mouseMessage, UINT callbackMessage = kTrayCallbackMessage,
                   UINT iconId = kTrayIconId);

// ---- Programs under test.

// `argument` quoted for a command line so the program's argv gets it back unchanged.
std::wstring QuoteArgument(const std::wstring& argument);

// A started program. The destructor ends it if it is still running, so no test leaves one behind.
class Process {
public:
    // Throws std::runtime_error when the program cannot be started. An empty folder keeps ours.
    explicit Process(const std::wstring& commandLine, const std::wstring& workingFolder = {});
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool WaitForExit(DWORD timeoutMs);  // true when it has ended
    bool Running() const;
    DWORD ExitCode() const;  // STILL_ACTIVE while running
    void Kill();             // for clean-up: TerminateProcess, then waits for the end
    DWORD Id() const { return id_; }
    HANDLE Handle() const { return handle_; }

private:
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};

}  // namespace vorlen::e2e
