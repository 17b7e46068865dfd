// The real vorlen_jk.exe in a prepared folder, driven like a user would.
#include "SchedulerFixture.h"

namespace vorlen::e2e {
namespace {

// Whether the notification area shows the scheduler's icon: its red clock face in the
// right end of the taskbar, as the screen shows it (no other icon there is red).
bool IconShown() {
    HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!tray) return false;
    RECT r;
    GetWindowRect(tray, &r);
    r.left = std::max(r.left, r.right - 64);
    const auto pixels = ScreenPixels(r);
    return std::count_if(pixels.begin(), pixels.end(), [](COLORREF c) {
               return GetRValue(c) > 180 && GetGValue(c) < 140 && GetBValue(c) < 100;
           }) > 10;
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
    EXPECT_TRUE(IconShown()) << "the first one's icon remains";
}

TEST(Scheduler, RunsFromAFolderWithAChineseName) {
    SchedulerFolder folder(true, true, L"悠铃 闹钟");
    RunningScheduler scheduler(folder);
    ASSERT_NE(scheduler.mainForm, nullptr) << "the plan file was found";
    scheduler.Choose(L"整点报时");
    Sleep(300);
    wchar_t value[16];
    GetPrivateProfileStringW(L"config", L"strike", L"", value, 16, (folder / L"config.ini").c_str());
    EXPECT_STREQ(value, L"4");
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
    } cases[] = {{"", true},
                 {"[config]\r\nstrike=4\r\n", false},
                 {"[config]\r\nstrike=3\r\n", true},
                 {"[config]\r\nstrike=7\r\n", true},
                 {"\x8e\x01[conf\x7fig\r\nstrike\x90=4\r\n\x03\x04", true}};  // garbled: the default
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
    ASSERT_TRUE(AnswerDialog(L"确定", L"是的"));
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

TEST(Scheduler, IconGoesWithRunInBackgroundAndStaysAwayWhenTheTaskbarReturns) {
    SchedulerFolder folder;
    ASSERT_FALSE(IconShown());
    RunningScheduler scheduler(folder);
    Sleep(500);
    EXPECT_TRUE(IconShown());
    // The taskbar comes back while the icon is shown: it is added again.
    PostMessageW(scheduler.mainForm, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    Sleep(500);
    EXPECT_TRUE(IconShown());

    scheduler.Choose(L"后台运行");
    Sleep(500);
    EXPECT_FALSE(IconShown());
    PostMessageW(scheduler.mainForm, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    Sleep(500);
    EXPECT_FALSE(IconShown());
    EXPECT_TRUE(scheduler.process.Running());
}

TEST(Scheduler, MissingPlanFileLeavesNoIconBehind) {
    SchedulerFolder folder(/*withPlanFile=*/false);
    Process scheduler = folder.Start();
    HWND dialog = WaitForDialog(L"错误");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IconShown());
    ClickButton(dialog, L"确定");
    ASSERT_TRUE(scheduler.WaitForExit(5000));
    Sleep(300);
    EXPECT_FALSE(IconShown());
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

    PostMessageW(about, WM_KEYDOWN, VK_ESCAPE, 0);
    Sleep(300);
    EXPECT_FALSE(IsWindowVisible(about)) << "Escape closes it";
    scheduler.Choose(L"关于");
    Sleep(300);
    ASSERT_TRUE(IsWindowVisible(about));
    PostMessageW(about, WM_ACTIVATE, WA_INACTIVE, 0);
    Sleep(300);
    EXPECT_FALSE(IsWindowVisible(about)) << "a click elsewhere closes it";
}

}  // namespace
}  // namespace vorlen::e2e
