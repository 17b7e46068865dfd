// A program folder with the real configuration program in it, and a started program
// whose main window is up, shared by the configuration program's end-to-end tests.
#pragma once
#include "SchedulerFixture.h"

namespace vorlen::e2e {

inline constexpr wchar_t kMainCaption[] = L"悠铃多功能电脑闹钟 免费版 98.61.0.0";

enum class SchedulerKind { None, StandIn, Real };

class ConfigFolder {
public:
    explicit ConfigFolder(SchedulerKind scheduler = SchedulerKind::StandIn, const char* program = VORLEN_CONFIG_EXE) {
        CopyInto(folder_, FromBuild(program), L"vorlen.exe");
        if (scheduler == SchedulerKind::StandIn)
            CopyInto(folder_, FromBuild(VORLEN_SCHEDULER_STANDIN_EXE), L"vorlen_jk.exe");
        if (scheduler == SchedulerKind::Real) CopyInto(folder_, FromBuild(VORLEN_SCHEDULER_EXE), L"vorlen_jk.exe");
        CreateEmptyPlanFile(win::Narrow(folder_ / L"data.tdb"));
    }
    std::wstring operator/(const std::wstring& name) const { return folder_ / name; }
    std::string PlanFile() const { return win::Narrow(folder_ / L"data.tdb"); }

    Process Start() const { return Process(QuoteArgument(folder_ / L"vorlen.exe"), OtherFolder()); }
    int SchedulerStarts() const {
        const std::string log = test::ReadBytes(folder_ / L"scheduler-starts.log");
        return static_cast<int>(std::count(log.begin(), log.end(), '\n'));
    }

private:
    test::TempFolder folder_;
};

// The process's window with the title once it is shown, so its controls exist; null if
// it does not come.
inline HWND WaitForShown(const std::wstring& title, DWORD processId) {
    HWND found = nullptr;
    PollUntil(kWaitMs, [&] {
        for (HWND window : TopWindows()) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId && IsWindowVisible(window) && WindowText(window) == title) found = window;
        }
        return found != nullptr;
    });
    return found;
}

struct RunningConfig {
    explicit RunningConfig(const ConfigFolder& folder) : process(folder.Start()) {
        window = WaitForShown(kMainCaption, process.Id());
    }
    ~RunningConfig() {
        if (process.Running()) {
            PostClose(window);
            if (!process.WaitForExit(5000)) process.Kill();
        }
    }
    const Control* Find(const std::wstring& className, const std::wstring& text) {
        controls = Children(window);
        for (const auto& c : controls)
            if (c.className == className && c.text == text) return &c;
        return nullptr;
    }
    bool Enabled(const std::wstring& button) {
        const Control* c = Find(L"Button", button);
        return c && c->enabled;
    }
    bool Visible(const std::wstring& staticText) {
        const Control* c = Find(L"Static", staticText);
        return c && c->visible;
    }
    HWND List() { return FindChild(window, L"SysListView32"); }

    Process process;
    HWND window = nullptr;
    std::vector<Control> controls;
};

}  // namespace vorlen::e2e
