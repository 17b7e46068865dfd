#include "GuideColumn.h"

#include "ConfigTexts.h"
#include "Controls.h"
#include "Dpi.h"
#include "Site.h"
#include "Unicode.h"
#include "resource.h"

namespace vorlen::config {
namespace {

constexpr win::Bounds kColumnBounds{372, 1, 145, 348};
enum : int { kIdHeading = 300, kIdFirstGuide = 310 };

struct GuideButton {
    const wchar_t* caption;
    int iconId;
    win::Bounds bounds;
};
constexpr GuideButton kGuides[kPageCount] = {
    {kGuideReminder, IDI_PAGE_REMINDER, {12, 37, 121, 21}},
    {kGuideProgram, IDI_PAGE_PROGRAM, {12, 65, 121, 19}},
    {kGuideShutdown, IDI_PAGE_SHUTDOWN, {12, 93, 121, 17}},
    {kGuideSettings, IDI_PAGE_SETTINGS, {12, 154, 121, 17}},
    {kGuidePlans, IDI_PAGE_PLANS, {12, 182, 121, 19}},
};

constexpr win::Bounds kWebPageBounds{10, 218, 125, 125};

// The page fills its box: no scroll bars, no border, no margin.
void FitPageToBox(IDispatch* document) {
    IDispatch* body = win::GetDispatchProperty(document, L"Body");
    if (!body) return;
    win::PutStringProperty(body, L"Scroll", L"no");
    if (IDispatch* style = win::GetDispatchProperty(body, L"style")) {
        win::PutStringProperty(style, L"border", L"none");
        win::PutStringProperty(style, L"margin", L"0px");
        style->Release();
    }
    body->Release();
}

}  // namespace

GuideColumn::GuideColumn(HWND parent, std::function<void(PageId)> onGuide) : onGuide_(std::move(onGuide)) {
    CreateChild(L"VorlenGuideColumn", parent, WS_VISIBLE | WS_CLIPCHILDREN, kColumnBounds.x, kColumnBounds.y,
                kColumnBounds.width, kColumnBounds.height);
    const UINT dpi = GetDpiForWindow(hwnd());

    // The headings are buttons that do nothing.
    win::AddControl(hwnd(), L"BUTTON", kGuideMakePlans, BS_PUSHBUTTON, kIdHeading, {6, 10, 133, 25});
    win::AddControl(hwnd(), L"BUTTON", kGuideManage, BS_PUSHBUTTON, kIdHeading + 1, {6, 127, 133, 25});
    const int iconSize = GetSystemMetricsForDpi(SM_CXSMICON, dpi);
    for (int i = 0; i < kPageCount; ++i) {
        buttons_[i] = win::AddControl(hwnd(), L"BUTTON", kGuides[i].caption, BS_PUSHBUTTON | BS_FLAT | WS_TABSTOP,
                                      kIdFirstGuide + i, kGuides[i].bounds);
        auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kGuides[i].iconId),
                                                  IMAGE_ICON, iconSize, iconSize, LR_SHARED));
        SendMessageW(buttons_[i], BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    }
    page_ = std::make_unique<win::WebBrowserHost>(hwnd(), kWebPageBounds, FitPageToBox);
    page_->Navigate(win::Widen(SiteAddress("/")));
}

void GuideColumn::MarkCurrent(PageId page) {
    for (int i = 0; i < kPageCount; ++i) EnableWindow(buttons_[i], i != static_cast<int>(page));
}

LRESULT GuideColumn::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        const int index = LOWORD(wParam) - kIdFirstGuide;
        if (index >= 0 && index < kPageCount) onGuide_(static_cast<PageId>(index));
        return 0;
    }
    return Default(message, wParam, lParam);
}

}  // namespace vorlen::config
