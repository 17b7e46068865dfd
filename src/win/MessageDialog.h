// The programs' own modal message dialog: kind, icon, caption and the Chinese buttons
// that the system message box cannot show.
#pragma once
#include <windows.h>

#include <string>

namespace vorlen::win {

enum class DialogKind { Warning, Error, Information, Confirmation };
enum class DialogButtons { Ok, YesNo };

inline constexpr int kAnswerOk = IDOK;    // 1
inline constexpr int kAnswerYes = IDYES;  // 6
inline constexpr int kAnswerNo = IDNO;    // 7

// Shows the dialog modally over `owner` and answers the button pressed. OK is the default
// and also the answer to Escape; with Yes and No, Yes is the default and No answers Escape.
int ShowMessageDialog(HWND owner, const std::wstring& text, DialogKind kind, DialogButtons buttons);

}  // namespace vorlen::win
