// The hourly chime of the real scheduler. The suite runs under faketime, so every
// program it starts begins its clock at 08:59:57 and reaches the full hour 3 s later.
#include "SchedulerFixture.h"

namespace vorlen::e2e {
namespace {

constexpr wchar_t kNineOClock[] = L"现在是北京时间上午9点整";

// The notification area's balloon: a shown tooltip window whose tip is the text. Null if
// none appears within the time.
HWND WaitForBalloon(const std::wstring& text, DWORD timeoutMs) {
    HWND balloon = nullptr;
    PollUntil(timeoutMs, [&] {
        for (HWND window : TopWindows())
            if (IsWindowVisible(window) && WindowClass(window) == L"tooltips_class32" && WindowText(window) == text)
                balloon = window;
        return balloon != nullptr;
    });
    return balloon;
}

TEST(Chime, BalloonAtTheFullHourInTheModesThatShowIt) {
    const struct {
        const char* mode;
        bool balloon;
    } cases[] = {{"1", true}, {"3", true}, {"2", false}, {"4", false}, {"7", false}};
    for (const auto& c : cases) {
        SchedulerFolder folder;
        test::WriteBytes(folder / L"config.ini", std::string("[config]\r\nstrike=") + c.mode + "\r\n");
        RunningScheduler scheduler(folder);
        // 3 s to the hour, up to 1.7 s of chime sound, 2 s until the notification area
        // shows a balloon.
        const HWND balloon = WaitForBalloon(kNineOClock, 9000);
        EXPECT_EQ(balloon != nullptr, c.balloon) << "mode " << c.mode;
        EXPECT_TRUE(scheduler.process.Running()) << "mode " << c.mode;
        // The tray keeps answering after the chime.
        EXPECT_EQ(scheduler.OpenMenu().size(), 7u) << "mode " << c.mode;
        ClosePopupMenu();
    }
}

}  // namespace
}  // namespace vorlen::e2e
