#include <gtest/gtest.h>

#include <thread>

#include "MessageDialog.h"

namespace vorlen::win {
namespace {

struct Seen {
    std::wstring caption;
    std::vector<std::wstring> buttons;
    int defaultId = 0;
    bool icon = false;
};

// Shows the dialog; another thread waits for it, notes what it shows and presses `key`
// on it as a user would. Answers the dialog's result.
int AnswerWithKey(DialogKind kind, DialogButtons buttons, WPARAM key, Seen& seen) {
    std::thread user([&] {
        HWND dialog = nullptr;
        for (int i = 0; i < 200 && !dialog; ++i) {
            Sleep(25);
            dialog = FindWindowW(L"#32770", nullptr);
            if (dialog && !IsWindowVisible(dialog)) dialog = nullptr;
        }
        if (!dialog) return;
        wchar_t text[64];
        GetWindowTextW(dialog, text, 64);
        seen.caption = text;
        seen.defaultId = LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0));
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t cls[32];
            GetClassNameW(child, cls, 32);
            GetWindowTextW(child, text, 64);
            if (!lstrcmpiW(cls, L"Button")) seen.buttons.push_back(text);
            if (!lstrcmpiW(cls, L"Static") && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                seen.icon = SendMessageW(child, STM_GETICON, 0, 0) != 0;
        }
        HWND focus = GetDlgItem(dialog, seen.defaultId);
        PostMessageW(focus ? focus : dialog, WM_KEYDOWN, key, 0);
        PostMessageW(focus ? focus : dialog, WM_KEYUP, key, 0);
    });
    const int answer = ShowMessageDialog(nullptr, L"你确定要删除此计划吗？", kind, buttons);
    user.join();
    return answer;
}

TEST(MessageDialog, CaptionsButtonsAndTheAnswersToEnterAndEscape) {
    const struct {
        DialogKind kind;
        DialogButtons buttons;
        const wchar_t* caption;
        std::vector<std::wstring> captions;
        int onEnter, onEscape;
    } cases[] = {
        {DialogKind::Confirmation, DialogButtons::YesNo, L"确定", {L"是的", L"否"}, kAnswerYes, kAnswerNo},
        {DialogKind::Warning, DialogButtons::Ok, L"警告", {L"确定"}, kAnswerOk, kAnswerOk},
        {DialogKind::Error, DialogButtons::Ok, L"错误", {L"确定"}, kAnswerOk, kAnswerOk},
        {DialogKind::Information, DialogButtons::YesNo, L"消息", {L"是的", L"否"}, kAnswerYes, kAnswerNo},
    };
    EXPECT_EQ(kAnswerYes, 6);
    for (const auto& c : cases) {
        Seen onEnter, onEscape;
        EXPECT_EQ(AnswerWithKey(c.kind, c.buttons, VK_RETURN, onEnter), c.onEnter);
        EXPECT_EQ(AnswerWithKey(c.kind, c.buttons, VK_ESCAPE, onEscape), c.onEscape);
        EXPECT_EQ(onEnter.caption, c.caption);
        EXPECT_EQ(onEnter.buttons, c.captions);
        EXPECT_EQ(onEnter.defaultId, c.onEnter);
        EXPECT_TRUE(onEnter.icon);
    }
}

}  // namespace
}  // namespace vorlen::win
