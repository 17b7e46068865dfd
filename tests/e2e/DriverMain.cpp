// vorlen_driver: the driver for shell scripts. Output is UTF-8, one line per item, fields
// separated by tabs; a tab, line break or backslash inside a field is written \t, \n, \r, \\.
// Exit code 0 on success, 1 when the window, control or item is not there (or a wait timed
// out), 2 on bad usage.
#include <windows.h>
#include <commctrl.h>

#include <cwchar>
#include <exception>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Driver.h"

namespace {

using namespace vorlen::e2e;

constexpr int kOk = 0;
constexpr int kNotFound = 1;
constexpr int kUsage = 2;

constexpr char kUsageText[] =
    "usage: vorlen_driver COMMAND ARGS...\n"
    "  wait-window TITLE [MS]      wait until a top-level window has the title\n"
    "  wait-gone TITLE [MS]        wait until no top-level window has the title\n"
    "  count TITLE                 print how many top-level windows have the title\n"
    "  close TITLE                 post WM_CLOSE to the window\n"
    "  children TITLE              print class, id, visible, enabled, text of each control\n"
    "  click TITLE CAPTION         click the window's button with the caption\n"
    "  set-text TITLE ID TEXT      set the text of the control with the id\n"
    "  listview TITLE [INDEX]      print the rows of the window's INDEX-th list view (0)\n"
    "  tray TITLE rbutton|lbutton|dblclick   click the tray icon served by the window\n"
    "  menu [MS]                   wait for a popup menu; print caption, checked, enabled, id\n"
    "                              of each item (a separator is \"-\")\n"
    "  menu-choose OWNER CAPTION   choose the shown menu's item; OWNER is its window's title\n"
    "  menu-close                  close the shown popup menu\n";

void Write(DWORD which, const std::string& bytes) {
    DWORD written = 0;
    WriteFile(GetStdHandle(which), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string bytes(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

std::wstring Field(const std::wstring& text) {
    std::wstring escaped;
    for (wchar_t c : text) {
        switch (c) {
            case L'\t': escaped += L"\\t"; break;
            case L'\n': escaped += L"\\n"; break;
            case L'\r': escaped += L"\\r"; break;
            case L'\\': escaped += L"\\\\"; break;
            default: escaped += c;
        }
    }
    return escaped;
}

void PrintLine(const std::vector<std::wstring>& fields) {
    std::wstring line;
    for (size_t i = 0; i < fields.size(); ++i) line += (i ? L"\t" : L"") + Field(fields[i]);
    Write(STD_OUTPUT_HANDLE, Utf8(line) + "\n");
}

std::wstring Flag(bool value) { return value ? L"1" : L"0"; }

std::optional<long> Number(const wchar_t* text) {
    wchar_t* end = nullptr;
    const long value = std::wcstol(text, &end, 10);
    if (!*text || *end || value < 0) return std::nullopt;
    return value;
}

int Found(bool found) { return found ? kOk : kNotFound; }

int Run(const std::vector<std::wstring>& args) {
    const size_t n = args.size();
    if (n == 0) return kUsage;
    const std::wstring& command = args[0];
    // An optional trailing number (milliseconds, an index) after `fixed` arguments.
    const auto optionalNumber = [&](size_t fixed, long fallback) -> std::optional<long> {
        if (n == fixed + 1) return fallback;
        if (n == fixed + 2) return Number(args[fixed + 1].c_str());
        return std::nullopt;
    };

    if (command == L"wait-window" || command == L"wait-gone") {
        const auto ms = n >= 2 ? optionalNumber(1, kWaitMs) : std::nullopt;
        if (!ms) return kUsage;
        if (command == L"wait-window") return Found(WaitForTopWindow(args[1], static_cast<DWORD>(*ms)) != nullptr);
        return Found(WaitForTopWindowGone(args[1], static_cast<DWORD>(*ms)));
    }
    if (command == L"count" && n == 2) {
        PrintLine({std::to_wstring(CountTopWindows(args[1]))});
        return kOk;
    }
    if (command == L"close" && n == 2) return Found(PostClose(args[1]));
    if (command == L"children" && n == 2) {
        const HWND window = FindTopWindow(args[1]);
        if (!window) return kNotFound;
        for (const Control& c : Children(window))
            PrintLine({c.className, std::to_wstring(c.id), Flag(c.visible), Flag(c.enabled), c.text});
        return kOk;
    }
    if (command == L"click" && n == 3) {
        const HWND window = FindTopWindow(args[1]);
        return Found(window && ClickButton(window, args[2]));
    }
    if (command == L"set-text" && n == 4) {
        const auto id = Number(args[2].c_str());
        if (!id) return kUsage;
        const HWND window = FindTopWindow(args[1]);
        const HWND control = window ? FindChildById(window, static_cast<int>(*id)) : nullptr;
        return Found(control && SetText(control, args[3]));
    }
    if (command == L"listview" && n >= 2) {
        const auto index = optionalNumber(1, 0);
        if (!index) return kUsage;
        const HWND window = FindTopWindow(args[1]);
        const HWND listView = window ? FindChild(window, WC_LISTVIEWW, static_cast<int>(*index)) : nullptr;
        if (!listView) return kNotFound;
        for (const auto& row : ListViewRows(listView)) PrintLine(row);
        return kOk;
    }
    if (command == L"tray" && n == 3) {
        static const std::map<std::wstring, UINT> clicks = {
            {L"rbutton", WM_RBUTTONUP}, {L"lbutton", WM_LBUTTONUP}, {L"dblclick", WM_LBUTTONDBLCLK}};
        const auto click = clicks.find(args[2]);
        if (click == clicks.end()) return kUsage;
        return Found(PostTrayClick(FindTopWindow(args[1]), click->second));
    }
    if (command == L"menu") {
        const auto ms = optionalNumber(0, 5000);
        if (!ms) return kUsage;
        const HWND menu = WaitForPopupMenu(static_cast<DWORD>(*ms));
        if (!menu) return kNotFound;
        for (const MenuItem& item : MenuItems(menu)) {
            if (item.separator) PrintLine({L"-", L"0", L"0", L"0"});
            else PrintLine({item.caption, Flag(item.checked), Flag(item.enabled), std::to_wstring(item.id)});
        }
        return kOk;
    }
    if (command == L"menu-choose" && n == 3) return Found(ChooseMenuItem(FindTopWindow(args[1]), args[2]));
    if (command == L"menu-close" && n == 1) return Found(FindPopupMenu() && ClosePopupMenu());
    return kUsage;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::wstring> args(argv + 1, argv + argc);
    try {
        const int code = Run(args);
        if (code == kUsage) Write(STD_ERROR_HANDLE, kUsageText);
        return code;
    } catch (const std::exception& e) {
        Write(STD_ERROR_HANDLE, std::string("vorlen_driver: ") + e.what() + "\n");
        return kNotFound;
    }
}
