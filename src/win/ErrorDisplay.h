// The standard error display and the error boundary every handler runs in.
#pragma once
#include <windows.h>

#include <exception>
#include <string>

namespace vorlen::win {

// The application title: the title of the standard error display.
void SetApplicationTitle(std::wstring title);
const std::wstring& ApplicationTitle();

// A message box titled with the application title, with the error icon and the text.
void ShowStandardError(HWND owner, const std::wstring& text);

// Shows the exception being handled by the standard error display.
void ShowCurrentException(HWND owner) noexcept;

// Runs a handler; an error it does not catch is shown by the standard error display and
// the program goes on.
template <class Handler>
void Guarded(HWND owner, Handler&& handler) noexcept {
    try {
        handler();
    } catch (...) {
        ShowCurrentException(owner);
    }
}

}  // namespace vorlen::win
