// A small embedded web page: the system's browser control hosted in a child window.
// Without a browser engine the area stays empty and everything else works on.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <memory>
#include <string>

#include "Controls.h"
#include "Window.h"

namespace vorlen::win {

class BrowserSite;

class WebBrowserHost : public Window {
public:
    // The control fills `at` (96-DPI client coordinates of `parent`).
    // `onDocumentComplete` gets the loaded document for every completed document.
    WebBrowserHost(HWND parent, Bounds at, std::function<void(IDispatch* document)> onDocumentComplete);
    ~WebBrowserHost() override;

    // Starts loading the address in the background; false when there is no browser.
    bool Navigate(const std::wstring& address);

private:
    BrowserSite* site_ = nullptr;  // reference counted; released in the destructor
};

// Late-bound property access on a document object, as script would do it:
// Get(object, "Body") and Put(object, "Scroll", "no"). Failures are ignored by the callers.
IDispatch* GetDispatchProperty(IDispatch* object, const wchar_t* name);  // caller releases
bool PutStringProperty(IDispatch* object, const wchar_t* name, const wchar_t* value);

}  // namespace vorlen::win
