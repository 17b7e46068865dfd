// RAII owners for kernel handles, GDI objects, icons and menus.
#pragma once
#include <windows.h>

#include <memory>
#include <type_traits>

namespace vorlen::win {

struct HandleCloser {
    void operator()(HANDLE h) const {
        if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

struct GdiObjectDeleter {
    void operator()(HGDIOBJ h) const {
        if (h) DeleteObject(h);
    }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

struct IconDestroyer {
    void operator()(HICON h) const {
        if (h) DestroyIcon(h);
    }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

struct MenuDestroyer {
    void operator()(HMENU h) const {
        if (h) DestroyMenu(h);
    }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

// A named mutex held for the life of the object.
class NamedMutex {
public:
    explicit NamedMutex(const wchar_t* name)
        : handle_(CreateMutexW(nullptr, FALSE, name)), alreadyExisted_(GetLastError() == ERROR_ALREADY_EXISTS) {}
    bool AlreadyExisted() const { return alreadyExisted_; }

private:
    UniqueHandle handle_;
    bool alreadyExisted_;
};

}  // namespace vorlen::win
