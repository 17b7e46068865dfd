// The configuration program's fixed main window: five pages on top of each other, the
// guide column that switches them, and the status strip.
#pragma once
#include <memory>
#include <string>

#include "GuideColumn.h"
#include "IniFile.h"
#include "Page.h"
#include "PlanListPage.h"
#include "PlanTable.h"
#include "StatusStrip.h"
#include "Window.h"

namespace vorlen::config {

class MainWindow : public win::Window {
public:
    MainWindow();

    // Reads the settings, fills the window and opens the plan table. On a table that
    // cannot be opened or listed it says so and answers false.
    bool Start();
    void Show();
    void Close() { DestroyWindow(hwnd()); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowPage(PageId page);
    void OnStatusCountdown();
    void ToggleRollUp();

    win::IniFile config_;
    win::IniFile status_;
    std::wstring chimeMode_;  // as read at start-up; the personal settings page shows and saves it
    PlanTable table_;
    std::unique_ptr<Page> pages_[kPageCount];
    PlanListPage* planList_ = nullptr;
    std::unique_ptr<GuideColumn> guide_;
    std::unique_ptr<StatusStrip> statusStrip_;
    int downloadCountdown_ = 25;
    int unrolledHeight_ = 0;
};

}  // namespace vorlen::config
