#include "Window.h"

#include <stdexcept>

#include "Controls.h"
#include "ErrorDisplay.h"

namespace vorlen::win {

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Window::Create(const CreateArgs& a) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(instance, a.className, &wc)) {
        wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Window::Proc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = a.background;
        wc.hIcon = a.icon;
        wc.lpszClassName = a.className;
        if (!RegisterClassExW(&wc)) throw std::runtime_error("Cannot register a window class");
    }
    if (!CreateWindowExW(a.exStyle, a.className, a.title, a.style, a.x, a.y, a.width, a.height, a.owner, nullptr,
                         instance, this))
        throw std::runtime_error("Cannot create a window");
}

void Window::CreateChild(const wchar_t* className, HWND parent, DWORD style, int x, int y, int width, int height) {
    const int dpi = static_cast<int>(GetDpiForWindow(parent));
    CreateArgs args;
    args.className = className;
    args.style = WS_CHILD | style;
    args.exStyle = WS_EX_CONTROLPARENT;  // Tab moves through the controls inside it
    args.owner = parent;
    args.x = MulDiv(x, dpi, 96);
    args.y = MulDiv(y, dpi, 96);
    args.width = MulDiv(width, dpi, 96);
    args.height = MulDiv(height, dpi, 96);
    Create(args);
    RememberLayout(hwnd_, {x, y, width, height});
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    LRESULT result = 0;  // a handler that failed answers 0
    Guarded(hwnd, [&] { result = self->OnMessage(message, wParam, lParam); });
    return result;
}

}  // namespace vorlen::win
