#include "Shell.h"

#include <shellapi.h>

#include "Unicode.h"
#include "WebAddress.h"

namespace vorlen::win {
namespace {

// The text RunProgram shows for a failed shell result.
std::wstring ShellFailureText(INT_PTR result) {
    switch (result) {
        case 0: return L"内存不足";
        case ERROR_FILE_NOT_FOUND: return L"没有找到文件";
        case ERROR_PATH_NOT_FOUND: return L"执行程序路径出错";
        case ERROR_BAD_FORMAT: return L"文件格式不正确";
        default: return L"错误：" + std::to_wstring(result) + L"在执行程序时。";
    }
}

}  // namespace

INT_PTR ShellOpen(const std::wstring& target) {
    return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", target.c_str(), L"", L"", SW_SHOWNORMAL));
}

void OpenWebLink(const std::wstring& link) {
    if (IsWebAddress(Narrow(link))) ShellOpen(link);
}

void RunProgram(HWND owner, const std::wstring& path) {
    const INT_PTR result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32) return;
    MessageBoxW(owner, ShellFailureText(result).c_str(), L"悠铃电脑闹钟", MB_OK | MB_ICONWARNING);
}

HWND FindTopLevelWindow(const wchar_t* title) { return FindWindowW(nullptr, title); }

void SendCloseRequest(HWND window) {
    if (!window || !IsWindow(window)) return;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

void SendCloseRequest(const wchar_t* title) { SendCloseRequest(FindTopLevelWindow(title)); }

}  // namespace vorlen::win
