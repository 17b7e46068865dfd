// Start-up and the message loop shared by both programs.
#pragma once
#include <windows.h>

namespace vorlen::win {

// Loads DLLs only from the system folder, so a DLL planted beside the program (say in a
// downloads folder) is never loaded in its place.
void RestrictDllSearch();

// Registers the common controls the windows use (list view, buttons with styles).
void InitCommonControls();

// Dispatches messages until the quit message; keyboard navigation goes to
// `dialogWindow` when given. Answers the quit code.
int RunMessageLoop(HWND dialogWindow = nullptr);

}  // namespace vorlen::win
