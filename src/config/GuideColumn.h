// The guide column: two headings and the five page buttons; the current page's button
// is disabled. Below them sits the small page of the maker's site, loading by itself.
#pragma once
#include <array>
#include <functional>
#include <memory>

#include "WebBrowserHost.h"
#include "Window.h"

namespace vorlen::config {

// The five pages in the order of their guide buttons.
enum class PageId { Reminder, Program, Shutdown, Settings, Plans };
inline constexpr int kPageCount = 5;

class GuideColumn : public win::Window {
public:
    GuideColumn(HWND parent, std::function<void(PageId)> onGuide);

    // Enables every page button but the current page's, in page order.
    void MarkCurrent(PageId page);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::function<void(PageId)> onGuide_;
    std::array<HWND, kPageCount> buttons_{};
    std::unique_ptr<win::WebBrowserHost> page_;
};

}  // namespace vorlen::config
