#include "TrayIcon.h"

#include <shellapi.h>

#include <cwchar>

namespace vorlen::win {
namespace {

constexpr UINT kIconId = 1;

void CopyText(wchar_t* target, std::size_t capacity, const std::wstring& text) {
    wcsncpy(target, text.c_str(), capacity - 1);
    target[capacity - 1] = L'\0';
}

}  // namespace

TrayIcon::TrayIcon(HWND owner, UINT callbackMessage, HICON icon)
    : owner_(owner), callbackMessage_(callbackMessage), icon_(icon),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {}

TrayIcon::~TrayIcon() { Hide(); }

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = kIconId;
    data.uFlags = flags;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    return data;
}

void TrayIcon::Show() {
    NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON);  // no tooltip text
    Shell_NotifyIconW(NIM_ADD, &data);
    visible_ = true;
}

void TrayIcon::Hide() {
    if (!visible_) return;
    NOTIFYICONDATAW data = Data(0);
    Shell_NotifyIconW(NIM_DELETE, &data);
    visible_ = false;
}

void TrayIcon::ShowBalloon(const std::wstring& title, const std::wstring& text) {
    if (!visible_) return;
    NOTIFYICONDATAW clear = Data(NIF_INFO);
    Shell_NotifyIconW(NIM_MODIFY, &clear);
    NOTIFYICONDATAW data = Data(NIF_INFO);
    CopyText(data.szInfoTitle, std::size(data.szInfoTitle), title);
    CopyText(data.szInfo, std::size(data.szInfo), text);
    data.dwInfoFlags = NIIF_INFO;
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

bool TrayIcon::HandleTaskbarCreated(UINT message) {
    if (message != taskbarCreated_ || taskbarCreated_ == 0) return false;
    if (visible_) {
        visible_ = false;
        Show();
    }
    return true;
}

}  // namespace vorlen::win
