#include "WebBrowserHost.h"

#include <exdisp.h>
#include <exdispid.h>
#include <oleidl.h>

namespace vorlen::win {

// The container side of the browser control: the client site and in-place site it
// needs to show itself in our window, and the event sink for DocumentComplete.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IDispatch {
public:
    BrowserSite(HWND window, std::function<void(IDispatch*)> onDocumentComplete)
        : window_(window), onDocumentComplete_(std::move(onDocumentComplete)) {}

    bool Create(RECT bounds) {
        bounds_ = bounds;
        if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                    reinterpret_cast<void**>(&object_))))
            return false;
        object_->SetClientSite(this);
        if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, window_, &bounds_))) return false;
        if (FAILED(object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_)))) return false;
        browser_->put_Silent(VARIANT_TRUE);  // no script error boxes from the page
        IConnectionPointContainer* container = nullptr;
        if (SUCCEEDED(browser_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
            if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &events_))) events_->Advise(
                static_cast<IDispatch*>(this), &cookie_);
            container->Release();
        }
        return true;
    }

    void Close() {
        if (events_) {
            events_->Unadvise(cookie_);
            events_->Release();
            events_ = nullptr;
        }
        if (browser_) {
            browser_->Release();
            browser_ = nullptr;
        }
        if (object_) {
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
            object_->Release();
            object_ = nullptr;
        }
    }

    bool Navigate(const std::wstring& address) {
        if (!browser_) return false;
        BSTR url = SysAllocString(address.c_str());
        const HRESULT hr = browser_->Navigate(url, nullptr, nullptr, nullptr, nullptr);
        SysFreeString(url);
        return SUCCEEDED(hr);
    }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IOleClientSite) *out = static_cast<IOleClientSite*>(this);
        else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite) *out = static_cast<IOleInPlaceSite*>(this);
        else if (riid == IID_IDispatch || riid == DIID_DWebBrowserEvents2) *out = static_cast<IDispatch*>(this);
        else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** container) override {
        *container = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow, IOleInPlaceSite
    STDMETHODIMP GetWindow(HWND* window) override {
        *window = window_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        *frame = nullptr;
        *document = nullptr;
        *position = bounds_;
        *clip = bounds_;
        info->fMDIApp = FALSE;
        info->hwndFrame = GetAncestor(window_, GA_ROOT);
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IDispatch: the browser's events; only DocumentComplete is of interest.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        if (id == DISPID_DOCUMENTCOMPLETE && browser_ && onDocumentComplete_) {
            IDispatch* document = nullptr;
            if (SUCCEEDED(browser_->get_Document(&document)) && document) {
                onDocumentComplete_(document);
                document->Release();
            }
        }
        return S_OK;
    }

private:
    ~BrowserSite() = default;

    HWND window_;
    std::function<void(IDispatch*)> onDocumentComplete_;
    RECT bounds_{};
    ULONG references_ = 1;
    IOleObject* object_ = nullptr;
    IWebBrowser2* browser_ = nullptr;
    IConnectionPoint* events_ = nullptr;
    DWORD cookie_ = 0;
};

WebBrowserHost::WebBrowserHost(HWND parent, Bounds at, std::function<void(IDispatch*)> onDocumentComplete) {
    CreateChild(L"VorlenWebBrowserHost", parent, WS_VISIBLE | WS_CLIPCHILDREN, at.x, at.y, at.width, at.height);
    site_ = new BrowserSite(hwnd(), std::move(onDocumentComplete));
    RECT client;
    GetClientRect(hwnd(), &client);
    if (!site_->Create(client)) site_->Close();
}

WebBrowserHost::~WebBrowserHost() {
    site_->Close();
    site_->Release();
}

bool WebBrowserHost::Navigate(const std::wstring& address) { return site_->Navigate(address); }

IDispatch* GetDispatchProperty(IDispatch* object, const wchar_t* name) {
    if (!object) return nullptr;
    DISPID id;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return nullptr;
    DISPPARAMS none{};
    VARIANT result;
    VariantInit(&result);
    if (FAILED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                              nullptr)))
        return nullptr;
    if (result.vt != VT_DISPATCH) {
        VariantClear(&result);
        return nullptr;
    }
    return result.pdispVal;  // the caller owns the reference
}

bool PutStringProperty(IDispatch* object, const wchar_t* name, const wchar_t* value) {
    if (!object) return false;
    DISPID id;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = SysAllocString(value);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&argument, &named, 1, 1};
    const HRESULT hr =
        object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
    VariantClear(&argument);
    return SUCCEEDED(hr);
}

}  // namespace vorlen::win
