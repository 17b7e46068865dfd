// The scheduler's main form: never shown, it owns the tray icon and menu, the settings,
// the plan table and the one-second timers.
#pragma once
#include <memory>
#include <string>

#include "AboutWindow.h"
#include "Handle.h"
#include "IniFile.h"
#include "PlanTable.h"
#include "SecondTimer.h"
#include "Settings.h"
#include "TrayIcon.h"
#include "Window.h"

namespace vorlen::scheduler {

class TrayWindow : public win::Window {
public:
    TrayWindow();

    // Reads the settings, prepares the menu and the chime, opens the plan table and
    // switches the checks on. On a table that cannot be opened it reports the failure
    // and answers false; the icon is then never shown.
    bool Start();

    // Ends the scheduler: the form closes and the message loop ends.
    void Close();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void BuildMenu();
    void ShowMenu();
    void OnCommand(UINT id);

    void OpenSettings();
    void ToggleChime();
    void RunInBackground();
    void ConfirmExit();

    void CheckReminders(const Moment& second);
    void CheckShutdowns(const Moment& second);
    void Chime(const Moment& second);

    win::IniFile config_;
    win::IniFile status_;
    std::wstring chimeMode_;
    win::StatusLink link2_, link3_;
    PlanTable table_;
    win::UniqueIcon icon_;
    std::unique_ptr<win::TrayIcon> tray_;
    win::UniqueMenu menu_;
    std::unique_ptr<win::SecondTimer> remind_, closeTimer_, integralTimer_;
    AboutWindow about_;
};

}  // namespace vorlen::scheduler
