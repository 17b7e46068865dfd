#include "TrayWindow.h"

#include <mmsystem.h>

#include "AnsiWidth.h"
#include "Chime.h"
#include "MessageDialog.h"
#include "ModulePath.h"
#include "SchedulerTexts.h"
#include "Settings.h"
#include "SettingsKeys.h"
#include "Shell.h"
#include "Unicode.h"
#include "resource.h"

namespace vorlen::scheduler {
namespace {

constexpr UINT kTrayMessage = WM_APP + 1;
enum : UINT_PTR { kTimerRemind = 1, kTimerClose, kTimerIntegral };
enum : UINT {
    kCmdSettings = 101,
    kCmdChime,
    kCmdBackground,
    kCmdLink2,
    kCmdLink3,
    kCmdAbout,
    kCmdExit,
};

}  // namespace

TrayWindow::TrayWindow()
    : config_(win::ConfigIniBesideExecutable()),
      status_(win::StatusIniBesideExecutable()),
      table_(win::AnsiCharWidth) {
    CreateArgs args;
    args.className = L"VorlenSchedulerMainForm";
    args.title = kMainFormCaption;
    args.style = WS_OVERLAPPEDWINDOW;
    args.exStyle = WS_EX_TOOLWINDOW;
    Create(args);
    icon_.reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_SCHEDULER), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
    tray_ = std::make_unique<win::TrayIcon>(hwnd(), kTrayMessage, icon_.get());
    remind_ = std::make_unique<win::SecondTimer>(hwnd(), kTimerRemind, [this](const Moment& s) { CheckReminders(s); });
    closeTimer_ = std::make_unique<win::SecondTimer>(hwnd(), kTimerClose, [this](const Moment& s) { CheckShutdowns(s); });
    integralTimer_ = std::make_unique<win::SecondTimer>(hwnd(), kTimerIntegral, [this](const Moment& s) { Chime(s); });
}

bool TrayWindow::Start() {
    chimeMode_ = win::ReadChimeMode(config_);
    // The scheduler offers the second and third status links in its menu.
    link2_ = win::ReadStatusLink(status_, 1);
    link3_ = win::ReadStatusLink(status_, 2);
    BuildMenu();

    if (chimeMode_ != win::Widen(chime::kOff)) {
        integralTimer_->Start();
        CheckMenuItem(menu_.get(), kCmdChime, MF_BYCOMMAND | MF_CHECKED);
    }

    try {
        table_.Open(win::Narrow(win::PathBesideExecutable(kPlanFile)));
    } catch (const std::exception&) {
        remind_->Stop();
        closeTimer_->Stop();
        integralTimer_->Stop();
        win::ShowMessageDialog(hwnd(), kCannotOpenDatabase, win::DialogKind::Error, win::DialogButtons::Ok);
        return false;
    }
    remind_->Start();
    closeTimer_->Start();
    tray_->Show();
    return true;
}

void TrayWindow::Close() { DestroyWindow(hwnd()); }

void TrayWindow::BuildMenu() {
    menu_.reset(CreatePopupMenu());
    const std::pair<UINT, std::wstring> items[] = {
        {kCmdSettings, kMenuSettings}, {kCmdChime, kMenuChime}, {kCmdBackground, kMenuBackground},
        {kCmdLink2, link2_.title},     {kCmdLink3, link3_.title}, {kCmdAbout, kMenuAbout},
        {kCmdExit, kMenuExit},
    };
    for (const auto& [id, caption] : items) AppendMenuW(menu_.get(), MF_STRING, id, caption.c_str());
}

void TrayWindow::ShowMenu() {
    POINT at;
    GetCursorPos(&at);
    SetForegroundWindow(hwnd());  // so the menu closes when the user clicks elsewhere
    TrackPopupMenu(menu_.get(), TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, at.x, at.y, 0, hwnd(), nullptr);
    PostMessageW(hwnd(), WM_NULL, 0, 0);
}

void TrayWindow::OnCommand(UINT id) {
    switch (id) {
        case kCmdSettings: OpenSettings(); break;
        case kCmdChime: ToggleChime(); break;
        case kCmdBackground: RunInBackground(); break;
        case kCmdLink2: win::OpenWebLink(link2_.link); break;
        case kCmdLink3: win::OpenWebLink(link3_.link); break;
        case kCmdAbout: about_.Present(); break;
        case kCmdExit: ConfirmExit(); break;
    }
}

void TrayWindow::OpenSettings() {
    const HWND running = win::FindTopLevelWindow(kConfigurationTitle);
    const std::wstring path = win::PathBesideExecutable(kConfigurationExe);
    if (!running) win::RunProgram(hwnd(), path);
}

void TrayWindow::ToggleChime() {
    // The mode of this run stays as it is; the stored one applies from the next start.
    // The check mark moves only after the write succeeded.
    const bool on = GetMenuState(menu_.get(), kCmdChime, MF_BYCOMMAND) & MF_CHECKED;
    win::WriteChimeMode(config_, on ? chime::kOff : chime::kSoundAndBalloon);
    CheckMenuItem(menu_.get(), kCmdChime, MF_BYCOMMAND | (on ? MF_UNCHECKED : MF_CHECKED));
}

void TrayWindow::RunInBackground() {
    tray_->Hide();
    win::SendCloseRequest(kConfigurationTitle);
}

void TrayWindow::ConfirmExit() {
    const HWND configuration = win::FindTopLevelWindow(kConfigurationTitle);
    const int answer =
        win::ShowMessageDialog(hwnd(), kConfirmExit, win::DialogKind::Confirmation, win::DialogButtons::YesNo);
    if (answer != win::kAnswerYes || !hwnd()) return;  // a close request may have ended us meanwhile
    win::SendCloseRequest(configuration);
    Close();
}

void TrayWindow::CheckReminders(const Moment&) {
    // The reminder and program-run check walks the current rows of the table.
    table_.Refresh();
}

void TrayWindow::CheckShutdowns(const Moment&) {
    // The shutdown check walks the current rows of the table.
    table_.Refresh();
}

void TrayWindow::Chime(const Moment& second) {
    const ChimeAction action = ChimeFor(win::Narrow(chimeMode_), second.time);
    if (action.sound) PlaySoundW(L"CHIMES", GetModuleHandleW(nullptr), SND_RESOURCE);
    if (action.balloon) tray_->ShowBalloon(win::Widen(kChimeBalloonTitle), win::Widen(ChimeBalloonText(second.time.hour)));
}

LRESULT TrayWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (tray_ && tray_->HandleTaskbarCreated(message)) return 0;
    switch (message) {
        case kTrayMessage:
            if (LOWORD(lParam) == WM_RBUTTONUP || LOWORD(lParam) == WM_CONTEXTMENU) ShowMenu();
            else if (LOWORD(lParam) == WM_LBUTTONDBLCLK) OpenSettings();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        case WM_TIMER:
            if (remind_->OnTimer(wParam) || closeTimer_->OnTimer(wParam) || integralTimer_->OnTimer(wParam)) return 0;
            break;
        case WM_CLOSE:
            Close();
            return 0;
        case WM_DESTROY:
            tray_->Hide();
            PostQuitMessage(0);
            return 0;
    }
    return Default(message, wParam, lParam);
}

}  // namespace vorlen::scheduler
