// The status strip: three link labels whose captions, colours and links come from
// Status.ini as it was when the window was created.
#pragma once
#include <array>
#include <string>

#include "IniFile.h"
#include "Settings.h"
#include "Window.h"

namespace vorlen::config {

class StatusStrip : public win::Window {
public:
    // Reads the three links and their colours from the status file.
    StatusStrip(HWND parent, const win::IniFile& status);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int LabelIndex(HWND control) const;

    std::array<win::StatusLink, 3> links_;
    std::array<COLORREF, 3> colours_{};
    std::array<HWND, 3> labels_{};
};

}  // namespace vorlen::config
