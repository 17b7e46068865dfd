// The base of every window: owns its HWND and hands its messages to a virtual member,
// each one inside the error boundary.
#pragma once
#include <windows.h>

namespace vorlen::win {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }

protected:
    struct CreateArgs {
        const wchar_t* className = nullptr;
        const wchar_t* title = L"";
        DWORD style = WS_OVERLAPPEDWINDOW;
        DWORD exStyle = 0;
        HWND owner = nullptr;
        int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
        HICON icon = nullptr;
        HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    };
    // Registers the class on first use and creates the window.
    void Create(const CreateArgs& args);
    // A child window of `parent` at 96-DPI bounds, scaled for the parent's monitor.
    void CreateChild(const wchar_t* className, HWND parent, DWORD style, int x, int y, int width, int height);

    // Messages not handled go to DefWindowProc.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace vorlen::win
