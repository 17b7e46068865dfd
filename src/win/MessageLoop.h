// Start-up and the message loop shared by both programs.
#pragma once
#include <windows.h>

namespace vorlen::win {

// Registers the common controls the windows use (list view, buttons with styles).
void InitCommonControls();

// Dispatches messages until the quit message; keyboard navigation goes to
// `dialogWindow` when given. Answers the quit code.
int RunMessageLoop(HWND dialogWindow = nullptr);

}  // namespace vorlen::win
