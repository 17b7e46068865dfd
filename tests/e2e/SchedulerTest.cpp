// The real vorlen_jk.exe in a prepared folder, driven like a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "Driver.h"
#include "PlanFile.h"
#include "TestSupport.h"
#include "Unicode.h"

namespace vorlen::e2e {
namespace {

constexpr wchar_t kAppTitle[] = L"悠铃电脑闹钟计划计时程序";
constexpr wchar_t kMainForm[] = L"悠铃多功能电脑闹钟计划计时程序";
constexpr wchar_t kConfigTitle[] = L"悠铃电脑闹钟";

// A Linux path of the build as the Windows path Wine maps it to.
std::wstring FromBuild(const char* unixPath) {
    std::wstring path = L"Z:" + win::Widen(unixPath);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// A program folder holding the scheduler, its plan file and, when asked, a stand-in
// for the configuration program.
class SchedulerFolder {
public:
    explicit SchedulerFolder(bool withPlanFile = true, bool withConfigStandIn = true) {
        Copy(FromBuild(VORLEN_SCHEDULER_EXE), L"vorlen_jk.exe");
        if (withConfigStandIn) Copy(FromBuild(VORLEN_CONFIG_STANDIN_EXE), L"vorlen.exe");
        if (withPlanFile) CreateEmptyPlanFile(win::Narrow(folder_ / L"data.tdb"));
    }
    std::wstring operator/(const std::wstring& name) const { return folder_ / name; }

    Process Start() const { return Process(QuoteArgument(folder_ / L"vorlen_jk.exe"), folder_.Path()); }
    int ConfigStarts() const {
        const std::string log = test::ReadBytes(folder_ / L"starts.log");
        return static_cast<int>(std::count(log.begin(), log.end(), '\n'));
    }

private:
    void Copy(const std::wstring& from, const std::wstring& name) {
        if (!CopyFileW(from.c_str(), (folder_ / name).c_str(), FALSE))
            throw std::runtime_error("cannot copy " + win::Narrow(from));
    }
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

std::vector<std::wstring> Captions(const std::vector<MenuItem>& items) {
    std::vector<std::wstring> captions;
    for (const auto& item : items) captions.push_back(item.caption);
    return captions;
}

// A dialog once it is shown, so its controls exist.
HWND WaitForDialog(const std::wstring& title) {
    const DWORD start = GetTickCount();
    do {
        HWND dialog = FindTopWindow(title, L"#32770");
        if (dialog && IsWindowVisible(dialog)) return dialog;
        Sleep(50);
    } while (GetTickCount() - start < kWaitMs);
    return nullptr;
}

bool HasText(HWND window, const std::wstring& text) {
    const auto controls = Children(window);
    return std::any_of(controls.begin(), controls.end(), [&](const Control& c) { return c.text == text; });
}

TEST(Scheduler, SecondInstanceEndsAtOnceAndTheFirstRunsOn) {
    SchedulerFolder folder;
    RunningScheduler first(folder);
    ASSERT_NE(first.mainForm, nullptr);
    Process second = folder.Start();
    ASSERT_TRUE(second.WaitForExit(5000));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_TRUE(first.process.Running());
    EXPECT_EQ(CountTopWindows(kAppTitle), 1);
    EXPECT_EQ(CountTopWindows(kMainForm), 1);
}

TEST(Scheduler, CloseRequestToTheApplicationTitleEndsIt) {
    SchedulerFolder folder;
    RunningScheduler scheduler(folder);
    ASSERT_TRUE(PostClose(kAppTitle));
    ASSERT_TRUE(scheduler.process.WaitForExit(5000));
    EXPECT_EQ(scheduler.process.ExitCode(), 0u);
    EXPECT_TRUE(WaitForTopWindowGone(kMainForm, 2000));
}

TEST(Scheduler, MissingPlanFileShowsTheErrorAndLeavesNothingRunning) {
    SchedulerFolder folder(/*withPlanFile=*/false);
    Process scheduler = folder.Start();
    HWND dialog = WaitForDialog(L"错误");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(HasText(dialog, L"无法打开数据库！"));
    EXPECT_EQ(FindTopWindow(kMainForm) ? IsWindowVisible(FindTopWindow(kMainForm)) : FALSE, FALSE);
    ASSERT_TRUE(ClickButton(dialog, L"确定"));
    ASSERT_TRUE(scheduler.WaitForExit(5000));
    EXPECT_EQ(CountTopWindows(kAppTitle), 0);
}

TEST(Scheduler, TrayMenuCaptionsFollowStatusIni) {
    const struct {
        const char* what;
        std::string statusIni;  // GBK bytes; empty for no file
        std::wstring fourth, fifth;
    } cases[] = {
        {"no Status.ini", "", L"官方网站", L"问题反馈"},
        {"customised", "[Status]\r\ntitle2=\xB9\xD9\xCD\xF8\r\ntitle3=\xB7\xB4\xC0\xA1\r\n", L"官网", L"反馈"},
        {"empty title2, no title3", "[Status]\r\ntitle2=\r\n", L"", L"问题反馈"},
    };
    for (const auto& c : cases) {
        SchedulerFolder folder;
        if (!c.statusIni.empty()) test::WriteBytes(folder / L"Status.ini", c.statusIni);
        RunningScheduler scheduler(folder);
        const auto items = scheduler.OpenMenu();
        ClosePopupMenu();
        EXPECT_EQ(Captions(items), (std::vector<std::wstring>{L"设置", L"整点报时", L"后台运行", c.fourth, c.fifth,
                                                             L"关于", L"退出"}))
            << c.what;
        for (const auto& item : items) EXPECT_FALSE(item.separator) << c.what;
    }
}

TEST(Scheduler, ChimeItemIsCheckedUnlessTheModeIsOff) {
    const struct {
        const char* configIni;
        bool checked;
    } cases[] = {{"", true}, {"[config]\r\nstrike=4\r\n", false}, {"[config]\r\nstrike=3\r\n", true},
                 {"[config]\r\nstrike=7\r\n", true}};
    for (const auto& c : cases) {
        SchedulerFolder folder;
        if (*c.configIni) test::WriteBytes(folder / L"config.ini", c.configIni);
        RunningScheduler scheduler(folder);
        const auto items = scheduler.OpenMenu();
        ClosePopupMenu();
        ASSERT_EQ(items.size(), 7u);
        EXPECT_EQ(items[1].checked, c.checked) << c.configIni;
    }
}

TEST(Scheduler, ChimeToggleWritesConfigIniAndMovesTheCheckMark) {
    SchedulerFolder folder;
    test::WriteBytes(folder / L"config.ini", "[config]\r\nstrike=3\r\n");
    RunningScheduler scheduler(folder);
    const std::wstring ini = folder / L"config.ini";
    const auto strike = [&] {
        wchar_t value[16];
        GetPrivateProfileStringW(L"config", L"strike", L"", value, 16, ini.c_str());
        return std::wstring(value);
    };
    scheduler.Choose(L"整点报时");
    Sleep(300);
    EXPECT_EQ(strike(), L"4");
    EXPECT_FALSE(scheduler.OpenMenu()[1].checked);
    ClosePopupMenu();
    scheduler.Choose(L"整点报时");
    Sleep(300);
    EXPECT_EQ(strike(), L"1");
    EXPECT_TRUE(scheduler.OpenMenu()[1].checked);
    ClosePopupMenu();
}

TEST(Scheduler, RefusedChimeWriteShowsUnableToWriteAndKeepsTheCheckMark) {
    SchedulerFolder folder;
    const std::wstring ini = folder / L"config.ini";
    test::WriteBytes(ini, "[config]\r\nstrike=1\r\n");
    SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_READONLY);
    RunningScheduler scheduler(folder);
    scheduler.Choose(L"整点报时");
    HWND error = WaitForDialog(kAppTitle);
    ASSERT_NE(error, nullptr);
    EXPECT_TRUE(HasText(error, L"Unable to write to " + ini));
    ASSERT_TRUE(ClickButton(error, L"确定"));
    EXPECT_TRUE(scheduler.OpenMenu()[1].checked);
    ClosePopupMenu();
    EXPECT_TRUE(scheduler.process.Running());
}

TEST(Scheduler, SettingsStartsTheConfigurationProgramOnlyWhenItIsNotOpen) {
    SchedulerFolder folder;
    RunningScheduler scheduler(folder);
    scheduler.Choose(L"设置");
    ASSERT_NE(WaitForTopWindow(kConfigTitle), nullptr);
    EXPECT_EQ(folder.ConfigStarts(), 1);
    scheduler.Choose(L"设置");
    ASSERT_TRUE(PostTrayClick(scheduler.mainForm, WM_LBUTTONDBLCLK));  // a double click does the same
    Sleep(1500);
    EXPECT_EQ(folder.ConfigStarts(), 1);
    EXPECT_EQ(CountTopWindows(kConfigTitle), 1);
    PostClose(kConfigTitle);
    ASSERT_TRUE(WaitForTopWindowGone(kConfigTitle));
    ASSERT_TRUE(PostTrayClick(scheduler.mainForm, WM_LBUTTONDBLCLK));
    ASSERT_NE(WaitForTopWindow(kConfigTitle), nullptr);
    EXPECT_EQ(folder.ConfigStarts(), 2);
}

TEST(Scheduler, SettingsReportsAMissingConfigurationProgram) {
    SchedulerFolder folder(true, /*withConfigStandIn=*/false);
    RunningScheduler scheduler(folder);
    scheduler.Choose(L"设置");
    HWND box = WaitForDialog(kConfigTitle);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(HasText(box, L"没有找到文件"));
    ClickButton(box, L"确定");
}

TEST(Scheduler, ExitAnsweredNoKeepsRunningAndYesEndsBoth) {
    SchedulerFolder folder;
    RunningScheduler scheduler(folder);
    scheduler.Choose(L"设置");
    ASSERT_NE(WaitForTopWindow(kConfigTitle), nullptr);

    scheduler.Choose(L"退出");
    HWND confirm = WaitForDialog(L"确定");
    ASSERT_NE(confirm, nullptr);
    EXPECT_TRUE(HasText(confirm, L"退出悠铃电脑闹钟，您设置的提醒计划将无法实行，确定要退出吗?"));
    ASSERT_TRUE(ClickButton(confirm, L"否"));
    EXPECT_FALSE(scheduler.process.WaitForExit(1000));
    EXPECT_NE(FindTopWindow(kConfigTitle), nullptr);

    scheduler.Choose(L"退出");
    confirm = WaitForDialog(L"确定");
    ASSERT_NE(confirm, nullptr);
    ASSERT_TRUE(ClickButton(confirm, L"是的"));
    ASSERT_TRUE(scheduler.process.WaitForExit(5000));
    EXPECT_TRUE(WaitForTopWindowGone(kConfigTitle, 5000));
}

TEST(Scheduler, CloseRequestWhileTheExitConfirmationIsOpenEndsIt) {
    SchedulerFolder folder;
    RunningScheduler scheduler(folder);
    scheduler.Choose(L"退出");
    ASSERT_NE(WaitForDialog(L"确定"), nullptr);
    PostClose(kAppTitle);
    ASSERT_TRUE(scheduler.process.WaitForExit(5000));
}

TEST(Scheduler, RunInBackgroundClosesTheConfigurationProgramAndRunsOn) {
    SchedulerFolder folder;
    RunningScheduler scheduler(folder);
    scheduler.Choose(L"设置");
    ASSERT_NE(WaitForTopWindow(kConfigTitle), nullptr);
    scheduler.Choose(L"后台运行");
    EXPECT_TRUE(WaitForTopWindowGone(kConfigTitle));
    EXPECT_FALSE(scheduler.process.WaitForExit(1000));
}

TEST(Scheduler, AboutWindowIsOneWindowWithTheProductTexts) {
    SchedulerFolder folder;
    RunningScheduler scheduler(folder);
    scheduler.Choose(L"关于");
    HWND about = WaitForTopWindow(L"关于");
    ASSERT_NE(about, nullptr);
    scheduler.Choose(L"关于");
    Sleep(500);
    EXPECT_EQ(CountTopWindows(L"关于"), 1);
    EXPECT_TRUE(IsWindowVisible(about));
    EXPECT_TRUE(HasText(about, L"悠铃多功电脑闹钟"));
    EXPECT_TRUE(HasText(about, L"Version 98.61.0.0"));
    RECT client;
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, MulDiv(365, GetDpiForWindow(about), 96));
    EXPECT_EQ(client.bottom, MulDiv(207, GetDpiForWindow(about), 96));
    const LONG_PTR style = GetWindowLongPtrW(about, GWL_STYLE);
    EXPECT_FALSE(style & WS_SYSMENU) << "no caption buttons";
}

}  // namespace
}  // namespace vorlen::e2e
