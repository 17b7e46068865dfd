// The status strip: three link labels whose captions, colours and links come from
// Status.ini as it was when the window was created.
#pragma once
#include <array>
#include <string>

#include "IniFile.h"
#include "Window.h"

namespace vorlen::config {

struct StatusLink {
    std::wstring title;
    std::wstring link;
    COLORREF colour;
};

// The three links of a status file, with the defaults for missing keys.
std::array<StatusLink, 3> ReadStatusLinks(const win::IniFile& status);

class StatusStrip : public win::Window {
public:
    StatusStrip(HWND parent, std::array<StatusLink, 3> links);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int LabelIndex(HWND control) const;

    std::array<StatusLink, 3> links_;
    std::array<HWND, 3> labels_{};
};

}  // namespace vorlen::config
