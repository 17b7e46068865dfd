#include "MainWindow.h"

#include <mmsystem.h>

#include "AnsiWidth.h"
#include "ConfigTexts.h"
#include "Controls.h"
#include "Dpi.h"
#include "ModulePath.h"
#include "Settings.h"
#include "Site.h"
#include "StatusDownload.h"
#include "Unicode.h"
#include "resource.h"

namespace vorlen::config {
namespace {

constexpr int kOuterWidth = 521, kOuterHeight = 399;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr UINT_PTR kTimerStatus = 1;
constexpr UINT kCmdRollUp = 0x0100;  // system menu commands keep the low four bits clear

}  // namespace

MainWindow::MainWindow()
    : config_(win::ConfigIniBesideExecutable()),
      status_(win::StatusIniBesideExecutable()),
      table_(win::AnsiCharWidth) {
    CreateArgs args;
    args.className = L"VorlenMainWindow";
    args.title = kMainCaption;
    args.style = kStyle;
    args.exStyle = WS_EX_CONTROLPARENT;
    args.icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_CONFIG));
    Create(args);
    AppendMenuW(GetSystemMenu(hwnd(), FALSE), MF_STRING, kCmdRollUp, kRollUp);
}

bool MainWindow::Start() {
    chimeMode_ = win::ReadChimeMode(config_);

    pages_[0] = std::make_unique<Page>(hwnd(), IDI_PAGE_REMINDER, kReminderTitle);
    pages_[1] = std::make_unique<Page>(hwnd(), IDI_PAGE_PROGRAM, kProgramTitle);
    pages_[2] = std::make_unique<Page>(hwnd(), IDI_PAGE_SHUTDOWN, kShutdownTitle);
    pages_[3] = std::make_unique<Page>(hwnd(), IDI_PAGE_SETTINGS, kSettingsTitle);
    auto planList = std::make_unique<PlanListPage>(hwnd(), table_);
    planList_ = planList.get();
    pages_[4] = std::move(planList);
    guide_ = std::make_unique<GuideColumn>(hwnd(), [this](PageId page) { ShowPage(page); });
    pages_[0]->SetVisible(true);
    guide_->MarkCurrent(PageId::Reminder);

    const UINT dpi = GetDpiForWindow(hwnd());
    win::CenterInWorkArea(hwnd(), win::Scale(kOuterWidth, dpi), win::Scale(kOuterHeight, dpi));

    statusStrip_ = std::make_unique<StatusStrip>(hwnd(), status_);
    SetTimer(hwnd(), kTimerStatus, 1000, nullptr);

    try {
        table_.Open(win::Narrow(win::PathBesideExecutable(kPlanFile)));
        planList_->LoadPlanList();
    } catch (const std::exception&) {
        MessageBoxW(hwnd(), kPlanFileUnusable, kPlanFileUnusableTitle, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

void MainWindow::Show() {
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
}

void MainWindow::ShowPage(PageId page) {
    PlaySoundW(L"GUIDE", GetModuleHandleW(nullptr), SND_RESOURCE);
    const int shown = static_cast<int>(page);
    for (int i = 0; i < kPageCount; ++i) pages_[i]->SetVisible(i == shown);
    guide_->MarkCurrent(page);
    pages_[shown]->PlaceHome();
}

void MainWindow::OnStatusCountdown() {
    if (--downloadCountdown_ != 0) return;
    KillTimer(hwnd(), kTimerStatus);
    win::StartStatusDownload(win::Widen(SiteAddress(kStatusDownloadPath)), status_.Path());
}

void MainWindow::ToggleRollUp() {
    RECT frame;
    GetWindowRect(hwnd(), &frame);
    if (unrolledHeight_ == 0) {
        unrolledHeight_ = frame.bottom - frame.top;
        RECT client;
        GetClientRect(hwnd(), &client);
        SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, unrolledHeight_ - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER);
    } else {
        SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, unrolledHeight_, SWP_NOMOVE | SWP_NOZORDER);
        unrolledHeight_ = 0;
    }
    CheckMenuItem(GetSystemMenu(hwnd(), FALSE), kCmdRollUp, MF_BYCOMMAND | (unrolledHeight_ ? MF_CHECKED : MF_UNCHECKED));
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kTimerStatus) OnStatusCountdown();
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == kCmdRollUp) {
                ToggleRollUp();
                return 0;
            }
            break;
        case WM_DPICHANGED: {
            // Moved to a monitor of another DPI: the system's suggested frame, then every
            // control at its layout scaled anew.
            const RECT* frame = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd(), nullptr, frame->left, frame->top, frame->right - frame->left,
                         frame->bottom - frame->top, SWP_NOZORDER | SWP_NOACTIVATE);
            win::ScaleLayout(hwnd(), HIWORD(wParam));
            unrolledHeight_ = 0;
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return Default(message, wParam, lParam);
}

}  // namespace vorlen::config
