// A hidden top-level window that carries a program's application title for its whole
// run. The other program finds it by that title and ends the program with a close
// request to it.
#pragma once
#include <functional>

#include "Window.h"

namespace vorlen::win {

class TitleWindow : public Window {
public:
    TitleWindow(const wchar_t* title, std::function<void()> onCloseRequest);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::function<void()> onCloseRequest_;
};

}  // namespace vorlen::win
