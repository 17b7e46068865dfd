// A program folder with the real scheduler in it, and a started scheduler driven
// through its tray menu, shared by the scheduler's end-to-end tests.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "Driver.h"
#include "PlanFile.h"
#include "TestSupport.h"
#include "Unicode.h"

namespace vorlen::e2e {

inline constexpr wchar_t kAppTitle[] = L"悠铃电脑闹钟计划计时程序";
inline constexpr wchar_t kMainForm[] = L"悠铃多功能电脑闹钟计划计时程序";
inline constexpr wchar_t kConfigTitle[] = L"悠铃电脑闹钟";

// A Linux path of the build as the Windows path Wine maps it to.
inline std::wstring FromBuild(const char* unixPath) {
    std::wstring path = L"Z:" + win::Widen(unixPath);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// A working folder that is not the program's.
inline std::wstring OtherFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return temp;
}

// Copies a built program into a test's program folder.
inline void CopyInto(const test::TempFolder& folder, const std::wstring& from, const std::wstring& name) {
    if (!CopyFileW(from.c_str(), (folder / name).c_str(), FALSE))
        throw std::runtime_error("cannot copy " + win::Narrow(from));
}

// A program folder holding the scheduler, its plan file and, when asked, a stand-in
// for the configuration program.
class SchedulerFolder {
public:
    // `name` names the folder under the temporary folder; empty for a fresh name.
    explicit SchedulerFolder(bool withPlanFile = true, bool withConfigStandIn = true, const std::wstring& name = {})
        : folder_(name) {
        CopyInto(folder_, FromBuild(VORLEN_SCHEDULER_EXE), L"vorlen_jk.exe");
        if (withConfigStandIn) CopyInto(folder_, FromBuild(VORLEN_CONFIG_STANDIN_EXE), L"vorlen.exe");
        if (withPlanFile) CreateEmptyPlanFile(win::Narrow(folder_ / L"data.tdb"));
    }
    std::wstring operator/(const std::wstring& name) const { return folder_ / name; }

    // Started from another working folder: the program finds its files beside itself.
    Process Start() const { return Process(QuoteArgument(folder_ / L"vorlen_jk.exe"), OtherFolder()); }
    int ConfigStarts() const {
        const std::string log = test::ReadBytes(folder_ / L"starts.log");
        return static_cast<int>(std::count(log.begin(), log.end(), '\n'));
    }

private:
    test::TempFolder folder_;
};

// A started scheduler whose main form is up; it is ended when the test ends.
struct RunningScheduler {
    explicit RunningScheduler(const SchedulerFolder& folder) : process(folder.Start()) {
        mainForm = WaitForTopWindow(kMainForm);
        EXPECT_NE(WaitForTopWindow(kAppTitle), nullptr);
    }
    ~RunningScheduler() {
        if (process.Running()) {
            PostClose(kAppTitle);
            if (!process.WaitForExit(5000)) process.Kill();
        }
        if (HWND config = FindTopWindow(kConfigTitle)) PostClose(config);
        WaitForTopWindowGone(kConfigTitle, 5000);
    }
    std::vector<MenuItem> OpenMenu() {
        EXPECT_TRUE(PostTrayClick(mainForm, WM_RBUTTONUP));
        HWND menu = WaitForPopupMenu();
        if (!menu) return {};
        return MenuItems(menu);
    }
    void Choose(const std::wstring& caption) {
        OpenMenu();
        ASSERT_TRUE(ChooseMenuItem(mainForm, caption)) << win::Narrow(caption);
    }
    Process process;
    HWND mainForm = nullptr;
};

inline std::vector<std::wstring> Captions(const std::vector<MenuItem>& items) {
    std::vector<std::wstring> captions;
    for (const auto& item : items) captions.push_back(item.caption);
    return captions;
}

// A dialog once it is shown, so its controls exist.
inline HWND WaitForDialog(const std::wstring& title) {
    HWND dialog = nullptr;
    PollUntil(kWaitMs, [&] {
        dialog = FindTopWindow(title, L"#32770");
        return dialog && IsWindowVisible(dialog);
    });
    return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

// Waits for the dialog and presses one of its buttons; false when either is missing.
inline bool AnswerDialog(const std::wstring& title, const std::wstring& button) {
    HWND dialog = WaitForDialog(title);
    return dialog && ClickButton(dialog, button);
}

inline bool HasText(HWND window, const std::wstring& text) {
    const auto controls = Children(window);
    return std::any_of(controls.begin(), controls.end(), [&](const Control& c) { return c.text == text; });
}

}  // namespace vorlen::e2e
