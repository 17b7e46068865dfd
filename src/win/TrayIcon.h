// An icon in the notification area, with balloons, that comes back when Explorer
// re-creates the taskbar.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace vorlen::win {

class TrayIcon {
public:
    // Clicks arrive at `owner` as `callbackMessage` with the mouse message in lParam.
    TrayIcon(HWND owner, UINT callbackMessage, HICON icon);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void Show();
    void Hide();
    bool Visible() const { return visible_; }

    // Removes a balloon still shown, then shows this one with the information icon.
    // Nothing is shown while the icon is hidden.
    void ShowBalloon(const std::wstring& title, const std::wstring& text);

    // The owner passes every message here; answers true for the taskbar's re-creation,
    // after which a visible icon has been added again.
    bool HandleTaskbarCreated(UINT message);

private:
    NOTIFYICONDATAW Data(UINT flags) const;

    HWND owner_;
    UINT callbackMessage_;
    HICON icon_;
    UINT taskbarCreated_;
    bool visible_ = false;
};

}  // namespace vorlen::win
