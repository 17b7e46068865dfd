// The driver against driver_target, a program in a process of its own, as the programs under
// test will be: every message and every read crosses a process boundary.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <algorithm>
#include <optional>
#include <tuple>

#include "Driver.h"
#include "TestSupport.h"

namespace vorlen::e2e {
namespace {

const std::wstring kTitle = L"驱动测试";
const std::wstring kTrayTitle = L"驱动测试·托盘";
const std::wstring kMissing = L"没有这个窗口";

auto Fields(const MenuItem& m) { return std::tie(m.caption, m.id, m.checked, m.enabled, m.separator, m.submenu); }

std::wstring TempFolderPath() {
    wchar_t path[MAX_PATH];
    GetTempPathW(MAX_PATH, path);
    return path;
}

ULONGLONG MillisecondsTaken(const auto& action) {
    const ULONGLONG start = GetTickCount64();
    action();
    return GetTickCount64() - start;
}

class DriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        target_.emplace(StartTarget());
        window_ = WaitForTopWindow(kTitle);
        ASSERT_NE(window_, nullptr) << "driver_target did not make its window";
        // The title is there from the window's first message, the controls once it is shown.
        for (int i = 0; i < 200 && !IsWindowVisible(window_); ++i) Sleep(25);
        ASSERT_TRUE(IsWindowVisible(window_));
        tray_ = FindTopWindow(kTrayTitle);
        ASSERT_NE(tray_, nullptr);
    }

    void TearDown() override {
        ClosePopupMenu(2000);
        PostClose(window_);
        target_->WaitForExit(5000);
    }

    static Process StartTarget() {
        return Process(QuoteArgument(test::BesideTest(L"driver_target.exe")), TempFolderPath());
    }

    // Waits for the program to show that it saw what the driver did.
    bool TitleBecomes(const std::wstring& title) {
        for (int i = 0; i < 200 && WindowText(window_) != title; ++i) Sleep(25);
        return WindowText(window_) == title;
    }

    HWND OpenTrayMenu() {
        EXPECT_TRUE(PostTrayClick(tray_, WM_RBUTTONUP));
        return WaitForPopupMenu(5000);
    }

    std::optional<Process> target_;
    HWND window_ = nullptr;
    HWND tray_ = nullptr;
};

TEST_F(DriverTest, FindsTopLevelWindowsByExactTitleAndClass) {
    const struct {
        std::wstring title, className;
        HWND* expected;
    } cases[] = {
        {kTitle, L"", &window_},
        {kTitle, L"VorlenDriverTarget", &window_},
        {kTitle, L"vorlendrivertarget", &window_},  // class names ignore case
        {kTitle, L"VorlenDriverTray", nullptr},
        {kTrayTitle, L"", &tray_},  // hidden
        {L"驱动", L"", nullptr},
        {kTitle + L" ", L"", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.title << " / " << c.className);
        EXPECT_EQ(FindTopWindow(c.title, c.className), c.expected ? *c.expected : nullptr);
    }
}

TEST_F(DriverTest, CountsTheWindowsOfEveryInstanceHiddenOnesToo) {
    EXPECT_EQ(CountTopWindows(kTitle), 1);
    EXPECT_EQ(CountTopWindows(kTrayTitle), 1);
    EXPECT_EQ(CountTopWindows(kMissing), 0);
    const auto countsBecome = [](int count) {
        for (int i = 0; i < 200 && (CountTopWindows(kTitle) != count || CountTopWindows(kTrayTitle) != count); ++i)
            Sleep(25);
        return CountTopWindows(kTitle) == count && CountTopWindows(kTrayTitle) == count;
    };
    {
        Process second = StartTarget();
        EXPECT_TRUE(countsBecome(2));
    }
    EXPECT_TRUE(countsBecome(1));
}

TEST_F(DriverTest, WaitsForWindowsToComeAndGo) {
    HWND found = window_;
    EXPECT_GE(MillisecondsTaken([&] { found = WaitForTopWindow(kMissing, 300); }), 300u);
    EXPECT_EQ(found, nullptr);
    EXPECT_FALSE(WaitForTopWindowGone(kTitle, 100));

    EXPECT_FALSE(PostClose(kMissing));
    ASSERT_TRUE(PostClose(kTitle));
    EXPECT_TRUE(WaitForTopWindowGone(kTitle));
    EXPECT_TRUE(WaitForTopWindowGone(kTrayTitle));
    ASSERT_TRUE(target_->WaitForExit(5000));
    EXPECT_EQ(target_->ExitCode(), 0u);
}

TEST_F(DriverTest, ListsChildControls) {
    const struct {
        int id;
        std::wstring className, text;
        bool enabled;
    } expected[] = {
        {100, L"Button", L"改标题(&T)", true}, {101, L"Button", L"对话框", true},
        {102, L"Button", L"卡住", true},       {103, L"Button", L"停用", false},
        {104, L"Static", L"标签", true},       {200, L"Edit", L"", true},
        {300, L"SysListView32", L"", true},
    };
    const auto controls = Children(window_);
    for (const auto& e : expected) {
        SCOPED_TRACE(e.id);
        const auto found = std::find_if(controls.begin(), controls.end(), [&](const Control& c) { return c.id == e.id; });
        ASSERT_NE(found, controls.end());
        EXPECT_EQ(found->handle, FindChildById(window_, e.id));
        EXPECT_EQ(found->className, e.className);
        EXPECT_EQ(found->text, e.text);
        EXPECT_TRUE(found->visible);
        EXPECT_EQ(found->enabled, e.enabled);
    }
    EXPECT_EQ(FindChild(window_, L"button", 3), FindChildById(window_, 103));
    EXPECT_EQ(FindChild(window_, L"Button", 4), nullptr);
}

TEST(CaptionTest, MatchesWithOrWithoutMnemonicMarks) {
    const struct {
        std::wstring text, caption;
        bool same;
    } cases[] = {
        {L"保存(&S)", L"保存(&S)", true}, {L"保存(&S)", L"保存(S)", true},  {L"保存(&S)", L"保存", false},
        {L"甲&&乙", L"甲&乙", true},      {L"甲&&乙", L"甲乙", false},      {L"保存", L"保存 ", false},
        {L"结尾&", L"结尾&", true},
    };
    for (const auto& c : cases) EXPECT_EQ(SameCaption(c.text, c.caption), c.same) << c.text << " / " << c.caption;
}

TEST_F(DriverTest, ClicksOnlyButtonsAUserCouldClick) {
    // Disabled, a label, a caption that is not the button's, no such control.
    for (const std::wstring caption : {L"停用", L"标签", L"改标题", L"不存在"}) EXPECT_FALSE(ClickButton(window_, caption));
    ASSERT_TRUE(ClickButton(window_, L"改标题(T)"));
    EXPECT_TRUE(TitleBecomes(L"已点击"));
}

TEST_F(DriverTest, ClickReturnsWhileTheButtonShowsAModalDialog) {
    EXPECT_LT(MillisecondsTaken([&] { ASSERT_TRUE(ClickButton(window_, L"对话框")); }), 1000u);
    const HWND dialog = WaitForTopWindow(L"驱动测试·提示");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(ClickButton(dialog, L"确定"));
    EXPECT_TRUE(WaitForTopWindowGone(L"驱动测试·提示"));
}

TEST_F(DriverTest, ReadsTheControlsOfAHungProgramWithoutHanging) {
    ASSERT_TRUE(ClickButton(window_, L"卡住"));  // the program sleeps 8 s
    Sleep(300);
    std::vector<Control> controls;
    EXPECT_LT(MillisecondsTaken([&] { controls = Children(window_); }), 4000u);
    ASSERT_FALSE(controls.empty());
    EXPECT_EQ(controls.front().text, L"改标题(&T)");  // the text the system keeps
    target_->Kill();
}

TEST_F(DriverTest, SetsEditTextThatTheProgramSees) {
    const HWND edit = FindChild(window_, L"Edit");
    ASSERT_TRUE(SetText(edit, L"八点起床"));
    EXPECT_TRUE(TitleBecomes(L"输入:八点起床"));
    EXPECT_EQ(WindowText(edit), L"八点起床");
}

TEST_F(DriverTest, ReadsAndSelectsListViewRows) {
    const HWND list = FindChild(window_, WC_LISTVIEWW);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListViewColumns(list), (std::vector<std::wstring>{L"时间", L"类型", L"内容"}));
    EXPECT_EQ(ListViewRows(list), (std::vector<std::vector<std::wstring>>{{L"08:00", L"提醒", L"起床"},
                                                                          {L"12:30", L"关机", L"午休,关机"}}));
    EXPECT_TRUE(ListViewSelection(list).empty());
    for (int row : {1, 0}) {
        ASSERT_TRUE(SelectListViewRow(list, row));
        EXPECT_EQ(ListViewSelection(list), std::vector<int>{row});
    }
    EXPECT_FALSE(SelectListViewRow(list, 2));
}

TEST_F(DriverTest, ListsTheTrayMenuAndClosesIt) {
    const HWND menu = OpenTrayMenu();
    ASSERT_NE(menu, nullptr);
    const MenuItem expected[] = {
        {L"打开主窗口(&O)", 401, false, true, false, false}, {L"", 0, false, false, true, false},
        {L"整点报时", 402, true, true, false, false},        {L"暂不可用", 403, false, false, false, false},
        {L"更多", 0, false, true, false, true},              {L"退出(&X)", 404, false, true, false, false},
    };
    const auto items = MenuItems(menu);
    ASSERT_EQ(items.size(), std::size(expected));
    for (size_t i = 0; i < items.size(); ++i) EXPECT_TRUE(Fields(items[i]) == Fields(expected[i])) << "item " << i;

    EXPECT_TRUE(ClosePopupMenu());
    EXPECT_EQ(FindPopupMenu(), nullptr);
    EXPECT_FALSE(ChooseMenuItem(tray_, L"整点报时"));  // no menu shown
    Sleep(200);
    EXPECT_EQ(WindowText(window_), kTitle);  // closing sent no command
}

TEST_F(DriverTest, ChoosesOnlyEnabledCommandItems) {
    const struct {
        std::wstring caption;
        bool chosen;
        std::wstring title;
    } cases[] = {
        {L"暂不可用", false, kTitle},
        {L"更多", false, kTitle},
        {L"不存在", false, kTitle},
        {L"整点报时", true, L"菜单命令 402"},
        {L"打开主窗口(O)", true, L"菜单命令 401"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.caption);
        ASSERT_NE(OpenTrayMenu(), nullptr);
        EXPECT_EQ(ChooseMenuItem(tray_, c.caption), c.chosen);
        if (!c.chosen) {
            EXPECT_NE(FindPopupMenu(), nullptr);  // left open for the test to go on
        }
        EXPECT_TRUE(ClosePopupMenu());
        EXPECT_TRUE(TitleBecomes(c.title));
        SetWindowTextW(window_, kTitle.c_str());
    }
}

TEST_F(DriverTest, TrayDoubleClickReachesTheHiddenWindow) {
    ASSERT_TRUE(PostTrayClick(tray_, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(TitleBecomes(L"托盘双击"));
    EXPECT_FALSE(PostTrayClick(nullptr, WM_LBUTTONDBLCLK));
}

TEST(QuoteArgumentTest, CommandLineParsingGivesTheArgumentBack) {
    for (const std::wstring argument : {L"plain", L"", L"有 空格", L"quote\"inside", L"C:\\folder with space\\",
                                        L"C:\\no-space\\", L"back\\\\\"slashes", L"tab\there"}) {
        const std::wstring line = L"prog.exe " + QuoteArgument(argument) + L" next";
        int count = 0;
        LPWSTR* argv = CommandLineToArgvW(line.c_str(), &count);
        ASSERT_EQ(count, 3) << argument;
        EXPECT_EQ(argv[1], argument);
        EXPECT_STREQ(argv[2], L"next");
        LocalFree(argv);
    }
}

// vorlen_driver run the way a script runs it, one step after the other against one target.
TEST_F(DriverTest, CommandLineDriverWorksAScript) {
    const struct {
        std::vector<std::wstring> args;
        DWORD exitCode;
        std::string output;  // all the output, or a piece of it when `line` is set
        bool line = false;
    } steps[] = {
        {{}, 2, "usage: ", true},
        {{L"bogus"}, 2, "usage: ", true},
        {{L"wait-window", kTitle, L"soon"}, 2, "usage: ", true},
        {{L"wait-window", kTitle, L"2000"}, 0, ""},
        {{L"wait-window", kMissing, L"200"}, 1, ""},
        {{L"count", kTrayTitle}, 0, "1\n"},
        {{L"children", kMissing}, 1, ""},
        {{L"children", kTitle}, 0, "Button\t103\t1\t0\t停用\n", true},
        {{L"listview", kTitle}, 0, "08:00\t提醒\t起床\n12:30\t关机\t午休,关机\n"},
        {{L"listview", kTitle, L"1"}, 1, ""},
        {{L"click", kTitle, L"停用"}, 1, ""},
        {{L"menu", L"200"}, 1, ""},
        {{L"tray", kTrayTitle, L"middle"}, 2, "usage: ", true},
        {{L"tray", kTrayTitle, L"rbutton"}, 0, ""},
        {{L"menu"}, 0,
         "打开主窗口(&O)\t0\t1\t401\n-\t0\t0\t0\n整点报时\t1\t1\t402\n暂不可用\t0\t0\t403\n更多\t0\t1\t0\n"
         "退出(&X)\t0\t1\t404\n"},
        {{L"menu-choose", kTrayTitle, L"暂不可用"}, 1, ""},
        {{L"menu-choose", kTrayTitle, L"整点报时"}, 0, ""},
        {{L"wait-window", L"菜单命令 402", L"3000"}, 0, ""},
        {{L"set-text", L"菜单命令 402", L"200", L"早安\t晚安"}, 0, ""},
        {{L"wait-window", L"输入:早安\t晚安", L"3000"}, 0, ""},
        {{L"children", L"输入:早安\t晚安"}, 0, "Edit\t200\t1\t1\t早安\\t晚安\n", true},
        {{L"click", L"输入:早安\t晚安", L"改标题(T)"}, 0, ""},
        {{L"wait-window", L"已点击", L"3000"}, 0, ""},
        {{L"close", L"已点击"}, 0, ""},
        {{L"wait-gone", L"已点击", L"5000"}, 0, ""},
        {{L"close", L"已点击"}, 1, ""},
    };
    const std::wstring driver = QuoteArgument(test::BesideTest(L"vorlen_driver.exe"));
    for (const auto& step : steps) {
        std::wstring line = driver;
        for (const auto& arg : step.args) line += L" " + QuoteArgument(arg);
        SCOPED_TRACE(testing::Message() << line);
        test::ChildProcess child(line);
        std::string output;
        EXPECT_EQ(child.Finish(&output), step.exitCode) << output;
        if (step.line) {
            EXPECT_NE(output.find(step.output), std::string::npos) << output;
        } else {
            EXPECT_EQ(output, step.output);
        }
    }
    EXPECT_TRUE(target_->WaitForExit(5000));
}

}  // namespace
}  // namespace vorlen::e2e
