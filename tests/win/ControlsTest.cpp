#include <gtest/gtest.h>

#include "Controls.h"

namespace vorlen::win {
namespace {

RECT ChildRect(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST(Controls, LayoutIsScaledAgainWhenTheDpiChanges) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    const UINT dpi = GetDpiForWindow(parent);
    HWND button = AddControl(parent, L"BUTTON", L"删除", BS_PUSHBUTTON, 1, {190, 317, 73, 25});
    HWND label = AddControl(parent, L"STATIC", L"x", SS_LEFT, 2, {8, 4, 100, 15});
    const RECT atStart = ChildRect(button);
    EXPECT_EQ(atStart.left, MulDiv(190, dpi, 96));
    EXPECT_EQ(atStart.right - atStart.left, MulDiv(73, dpi, 96));

    Place(label, {20, 40, 60, 10});  // a moved control keeps its new place
    const struct {
        UINT dpi;
        RECT button, label;
    } cases[] = {
        {144, {285, 476, 285 + 110, 476 + 38}, {30, 60, 30 + 90, 60 + 15}},  // halves round up
        {192, {380, 634, 380 + 146, 634 + 50}, {40, 80, 40 + 120, 80 + 20}},
        {96, {190, 317, 190 + 73, 317 + 25}, {20, 40, 20 + 60, 40 + 10}},
    };
    for (const auto& c : cases) {
        ScaleLayout(parent, c.dpi);
        const RECT b = ChildRect(button), l = ChildRect(label);
        EXPECT_EQ(b.left, c.button.left) << c.dpi;
        EXPECT_EQ(b.top, c.button.top) << c.dpi;
        EXPECT_EQ(b.right, c.button.right) << c.dpi;
        EXPECT_EQ(b.bottom, c.button.bottom) << c.dpi;
        EXPECT_EQ(l.left, c.label.left) << c.dpi;
        EXPECT_EQ(l.right, c.label.right) << c.dpi;
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)), UiFont(c.dpi)) << c.dpi;
    }
    DestroyWindow(parent);
}

}  // namespace
}  // namespace vorlen::win
