// The real vorlen.exe in a prepared folder, driven like a user would.
#include "ConfigFixture.h"
#include "PlanTable.h"

namespace vorlen::e2e {
namespace {

const std::vector<std::wstring> kPageTitles = {L"定时提醒消息", L"定时执行程序", L"定时关机设置", L"个性设置",
                                               L"查看、删除计划"};
const std::vector<std::wstring> kGuides = {L"定时闹钟", L"执行程序", L"定时关机", L"个性设置", L"计划管理"};

Plan MakePlan(const char* kind, const char* message) {
    Plan plan;
    plan.texts = {kind, "五", "2026/12/11", "9:05:00", "C:\\铃声.wav", message, "一次"};
    return plan;
}

std::vector<std::vector<std::wstring>> Rows(HWND list) { return ListViewRows(list); }

// How many pixels of a control, as the screen shows it, are red and how many dark.
struct InkCount {
    int red = 0, dark = 0;
};
InkCount Ink(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    InkCount ink;
    for (COLORREF c : ScreenPixels(r)) {
        if (GetRValue(c) > 150 && GetGValue(c) < 100 && GetBValue(c) < 100) ++ink.red;
        else if (GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100) ++ink.dark;
    }
    return ink;
}

TEST(ConfigProgram, MissingSchedulerShowsOnlyTheMessageAndEnds) {
    ConfigFolder folder(SchedulerKind::None);
    Process config = folder.Start();
    HWND box = WaitForDialog(L"错误");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(HasText(box, L"找不到监控程序，程序无法运行，请重新安装悠铃电脑闹钟"));
    EXPECT_EQ(FindTopWindow(kMainCaption), nullptr);
    ASSERT_TRUE(ClickButton(box, L"确定"));
    ASSERT_TRUE(config.WaitForExit(5000));
    EXPECT_EQ(FindTopWindow(kConfigTitle), nullptr);
    EXPECT_EQ(FindTopWindow(kAppTitle), nullptr);
}

TEST(ConfigProgram, EveryStartStartsTheSchedulerAndTwoStartsGiveTwoWindows) {
    ConfigFolder folder;
    RunningConfig first(folder);
    ASSERT_NE(first.window, nullptr);
    EXPECT_EQ(folder.SchedulerStarts(), 1);
    RunningConfig second(folder);
    ASSERT_NE(second.window, nullptr);
    EXPECT_EQ(folder.SchedulerStarts(), 2);
    EXPECT_EQ(CountTopWindows(kMainCaption), 2);
    EXPECT_EQ(CountTopWindows(kConfigTitle), 2);
}

TEST(ConfigProgram, RunningSchedulerIsLeftAlone) {
    ConfigFolder folder(SchedulerKind::Real);
    Process scheduler(QuoteArgument(folder / L"vorlen_jk.exe"), {});
    ASSERT_NE(WaitForTopWindow(kMainForm), nullptr);
    {
        RunningConfig config(folder);
        ASSERT_NE(config.window, nullptr);
        Sleep(1000);  // the second scheduler has met the mutex
        EXPECT_TRUE(scheduler.Running());
        EXPECT_EQ(CountTopWindows(kAppTitle), 1);
    }
    PostClose(kAppTitle);
    EXPECT_TRUE(scheduler.WaitForExit(5000));
}

TEST(ConfigProgram, CloseRequestToTheApplicationTitleEndsIt) {
    ConfigFolder folder;
    RunningConfig config(folder);
    ASSERT_NE(config.window, nullptr);
    ASSERT_TRUE(PostClose(kConfigTitle));
    EXPECT_TRUE(config.process.WaitForExit(5000));
}

TEST(ConfigProgram, GuideButtonsSwitchPagesAndMarkTheCurrentOne) {
    ConfigFolder folder;
    RunningConfig config(folder);
    ASSERT_NE(config.window, nullptr);
    RECT frame;
    GetWindowRect(config.window, &frame);
    const UINT dpi = GetDpiForWindow(config.window);
    EXPECT_EQ(frame.right - frame.left, MulDiv(521, dpi, 96));
    EXPECT_EQ(frame.bottom - frame.top, MulDiv(399, dpi, 96));
    EXPECT_FALSE(GetWindowLongPtrW(config.window, GWL_STYLE) & (WS_MAXIMIZEBOX | WS_THICKFRAME));

    const auto expectPage = [&](std::size_t shown, const char* when) {
        for (std::size_t i = 0; i < kPageTitles.size(); ++i) {
            EXPECT_EQ(config.Visible(kPageTitles[i]), i == shown) << when << ": page " << i;
            EXPECT_EQ(config.Enabled(kGuides[i]), i != shown) << when << ": guide " << i;
        }
    };
    expectPage(0, "at start");
    for (std::size_t page : {4u, 1u, 2u, 3u, 0u}) {
        ASSERT_TRUE(ClickButton(config.window, kGuides[page]));
        Sleep(400);
        expectPage(page, "after a click");
    }
    // Roll-up folds the window to its title bar and back.
    PostMessageW(config.window, WM_SYSCOMMAND, 0x0100, 0);
    Sleep(300);
    RECT rolled, client;
    GetWindowRect(config.window, &rolled);
    GetClientRect(config.window, &client);
    EXPECT_LT(rolled.bottom - rolled.top, (frame.bottom - frame.top) / 3);
    EXPECT_LE(client.bottom, 4) << "only the title bar is left";
    PostMessageW(config.window, WM_SYSCOMMAND, 0x0100, 0);
    Sleep(300);
    GetWindowRect(config.window, &rolled);
    EXPECT_EQ(rolled.bottom - rolled.top, frame.bottom - frame.top);

    ASSERT_TRUE(ClickButton(config.window, L"制定计划"));
    ASSERT_TRUE(ClickButton(config.window, L"管理设置"));
    Sleep(300);
    expectPage(0, "after the headings");
}

TEST(ConfigProgram, StatusLabelsFollowStatusIni) {
    const struct {
        const char* what;
        std::string statusIni;
        std::vector<std::wstring> titles;
    } cases[] = {
        {"no Status.ini", "", {L"我唱歌好听吗？让软件来评评", L"官方网站", L"问题反馈"}},
        {"customised", "[Status]\r\ntitle1=abc\r\ntitle2=\r\ncolour1=$FF0000\r\n", {L"abc", L"", L"问题反馈"}},
    };
    for (const auto& c : cases) {
        ConfigFolder folder;
        if (!c.statusIni.empty()) test::WriteBytes(folder / L"Status.ini", c.statusIni);
        RunningConfig config(folder);
        ASSERT_NE(config.window, nullptr);
        HWND strip = FindTopWindow(kMainCaption) ? FindChildById(config.window, 200) : nullptr;
        ASSERT_NE(strip, nullptr) << c.what;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(WindowText(FindChildById(config.window, 200 + i)), c.titles[i]) << c.what;
    }
}

TEST(ConfigProgram, DefaultStatusLabelsAreRedThenBlack) {
    ConfigFolder folder;
    RunningConfig config(folder);
    ASSERT_NE(config.window, nullptr);
    SetForegroundWindow(config.window);
    Sleep(500);
    const InkCount first = Ink(FindChildById(config.window, 200));
    EXPECT_GT(first.red, 20);
    EXPECT_EQ(first.dark, 0);
    for (int id : {201, 202}) {
        const InkCount other = Ink(FindChildById(config.window, id));
        EXPECT_EQ(other.red, 0) << id;
        EXPECT_GT(other.dark, 20) << id;
    }
}

TEST(ConfigProgram, PlanListShowsTheTableAndDeletesAndClears) {
    ConfigFolder folder;
    {
        PlanTable table(GbkCharWidth);
        table.Open(folder.PlanFile());
        table.Append(MakePlan("提醒", "起床"));
        table.Append(MakePlan("程序", "无"));
        table.Append(MakePlan("关机", "30"));
    }
    RunningConfig config(folder);
    ASSERT_NE(config.window, nullptr);
    ASSERT_TRUE(ClickButton(config.window, L"计划管理"));
    HWND list = config.List();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListViewColumns(list), (std::vector<std::wstring>{L"类型", L"星期", L"日期", L"时间", L"路径", L"内容", L"备注"}));
    auto rows = Rows(list);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::vector<std::wstring>{L"提醒", L"五", L"2026/12/11", L"9:05:00", L"C:\\铃声.wav", L"起床", L"一次"}));
    EXPECT_EQ(rows[2][0], L"关机");
    EXPECT_TRUE(config.Enabled(L"删除"));
    EXPECT_TRUE(config.Enabled(L"清空"));

    // Nothing selected.
    ASSERT_TRUE(ClickButton(config.window, L"删除"));
    HWND error = WaitForDialog(L"错误");
    ASSERT_NE(error, nullptr);
    EXPECT_TRUE(HasText(error, L"还没有选择计划，无法删除！请选择一个要删除的计划，然后单击“删除”按钮。"));
    ClickButton(error, L"确定");
    ASSERT_TRUE(WaitForTopWindowGone(L"错误"));

    // Answered No, then Yes.
    ASSERT_TRUE(SelectListViewRow(list, 1));
    ASSERT_TRUE(ClickButton(config.window, L"删除"));
    HWND confirm = WaitForDialog(L"确定");
    ASSERT_NE(confirm, nullptr);
    EXPECT_TRUE(HasText(confirm, L"你确定要删除此计划吗？"));
    ClickButton(confirm, L"否");
    ASSERT_TRUE(WaitForTopWindowGone(L"确定"));
    EXPECT_EQ(Rows(list).size(), 3u);
    ASSERT_TRUE(ClickButton(config.window, L"删除"));
    ASSERT_TRUE(AnswerDialog(L"确定", L"是的"));
    ASSERT_TRUE(WaitForTopWindowGone(L"确定"));
    rows = Rows(list);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][0], L"关机");
    {
        PlanTable table(GbkCharWidth);
        table.Open(folder.PlanFile());
        EXPECT_EQ(table.RowCount(), 2);
        EXPECT_FALSE(table.FindById(2));
        // The scheduler removes plan 3 after firing it.
        ASSERT_TRUE(table.FindById(3));
        table.DeleteCurrent();
    }
    ASSERT_TRUE(SelectListViewRow(list, 1));
    ASSERT_TRUE(ClickButton(config.window, L"删除"));
    Sleep(800);
    EXPECT_EQ(FindTopWindow(L"确定"), nullptr) << "no question about a plan that is gone";
    EXPECT_EQ(Rows(list).size(), 2u);

    ASSERT_TRUE(ClickButton(config.window, L"清空"));
    confirm = WaitForDialog(L"确定");
    ASSERT_NE(confirm, nullptr);
    EXPECT_TRUE(HasText(confirm, L"清空将不可恢复,您确认要清空吗？"));
    ClickButton(confirm, L"是的");
    ASSERT_TRUE(WaitForTopWindowGone(L"确定"));
    EXPECT_TRUE(Rows(list).empty());
    EXPECT_FALSE(config.Enabled(L"删除"));
    EXPECT_FALSE(config.Enabled(L"清空"));
    PlanTable table(GbkCharWidth);
    table.Open(folder.PlanFile());
    EXPECT_EQ(table.RowCount(), 0);
}

TEST(ConfigProgram, TableErrorIsShownAndTheListKeepsItsRows) {
    ConfigFolder folder;
    {
        PlanTable table(GbkCharWidth);
        table.Open(folder.PlanFile());
        table.Append(MakePlan("提醒", "起床"));
    }
    SetFileAttributesW((folder / L"data.tdb").c_str(), FILE_ATTRIBUTE_READONLY);
    RunningConfig config(folder);
    ASSERT_NE(config.window, nullptr);
    ASSERT_TRUE(ClickButton(config.window, L"计划管理"));
    Sleep(300);
    HWND list = config.List();
    for (const wchar_t* button : {L"删除", L"清空"}) {
        ASSERT_TRUE(SelectListViewRow(list, 0));
        ASSERT_TRUE(ClickButton(config.window, button));
        ASSERT_TRUE(AnswerDialog(L"确定", L"是的"));
        HWND error = WaitForDialog(kConfigTitle);  // the standard error display
        ASSERT_NE(error, nullptr) << win::Narrow(button);
        EXPECT_TRUE(HasText(error, L"Plan table: attempt to write a readonly database")) << win::Narrow(button);
        ClickButton(error, L"确定");
        for (int i = 0; i < 100 && FindTopWindow(kConfigTitle, L"#32770"); ++i) Sleep(50);
        EXPECT_EQ(Rows(list).size(), 1u) << win::Narrow(button);
        EXPECT_TRUE(config.Enabled(L"删除"));
        EXPECT_TRUE(config.process.Running());
    }
}

TEST(ConfigProgram, EmptyTableGivesAnEmptyListWithTheButtonsDisabled) {
    ConfigFolder folder;
    RunningConfig config(folder);
    ASSERT_NE(config.window, nullptr);
    EXPECT_TRUE(Rows(config.List()).empty());
    EXPECT_FALSE(config.Enabled(L"删除"));
    EXPECT_FALSE(config.Enabled(L"清空"));
}

TEST(ConfigProgram, DamagedPlanFileEndsTheProgramAfterItsMessage) {
    ConfigFolder folder;
    DeleteFileW((folder / L"data.tdb").c_str());
    test::WriteBytes(folder / L"data.tdb", std::string(4096, 'x'));
    Process config = folder.Start();
    HWND box = WaitForDialog(L"程序终止");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(HasText(box, L"无法打开计划文件！请重新安装计划文件。"));
    ClickButton(box, L"确定");
    ASSERT_TRUE(config.WaitForExit(5000));
}

}  // namespace
}  // namespace vorlen::e2e
