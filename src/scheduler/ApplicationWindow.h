// The hidden top-level window that carries the application title. The configuration
// program finds the scheduler by this title and ends it with a close request.
#pragma once
#include <functional>

#include "Window.h"

namespace vorlen::scheduler {

class ApplicationWindow : public win::Window {
public:
    explicit ApplicationWindow(std::function<void()> onCloseRequest);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::function<void()> onCloseRequest_;
};

}  // namespace vorlen::scheduler
