// Opening files, programs and addresses through the shell, and finding the other program.
#pragma once
#include <windows.h>

#include <string>

namespace vorlen::win {

// Opens the target with the verb "open", no parameters, no working folder, shown normally.
// Answers the shell's result (above 32 is success).
INT_PTR ShellOpen(const std::wstring& target);

// Opens a link from a settings file only when it is an http:// or https:// address, so a
// replaced file cannot start a program or reach a network share; anything else is ignored.
void OpenWebLink(const std::wstring& link);

// Opens `path`; on failure a system message box owned by `owner`, titled "悠铃电脑闹钟",
// with the warning icon, says why.
void RunProgram(HWND owner, const std::wstring& path);

// The top-level window with exactly this title, or null.
HWND FindTopLevelWindow(const wchar_t* title);

// Sends a close request to the window, if it still exists; a hung window is not waited for.
void SendCloseRequest(HWND window);
// The same for the top-level window with this title, if there is one.
void SendCloseRequest(const wchar_t* title);

}  // namespace vorlen::win
