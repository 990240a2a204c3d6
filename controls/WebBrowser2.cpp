// Hosting the web-browser control with the ActiveX host window of atl.dll and
// calling its automation methods by dispatch id.
#include "WebBrowser2.h"

#include <vector>

namespace {

constexpr const char* kBrowserClassId = "{8856F961-340A-11D0-A96B-00C04FD705A2}";
constexpr DISPID kNavigateId = 500;
constexpr DISPID kRefreshId = -550;
constexpr DISPID kGoBackId = 100;
constexpr DISPID kGoForwardId = 101;

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

BSTR ToBstr(const std::string& text) {
    const int count = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(count > 0 ? count : 1));
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), count);
    return SysAllocString(wide.data());
}

} // namespace

CWebBrowser2::~CWebBrowser2() { Destroy(); }

bool CWebBrowser2::Create(HWND parent, int id, const RECT& rect) {
    Destroy();
    atl_ = LoadLibraryA("atl.dll");
    auto init = atl_ ? reinterpret_cast<AtlAxWinInitFn>(reinterpret_cast<void*>(GetProcAddress(atl_, "AtlAxWinInit")))
                     : nullptr;
    auto getControl = atl_ ? reinterpret_cast<AtlAxGetControlFn>(
                                 reinterpret_cast<void*>(GetProcAddress(atl_, "AtlAxGetControl")))
                           : nullptr;
    const bool hostReady = init && getControl && init();
    window_ = CreateWindowExA(0, hostReady ? "AtlAxWin" : "STATIC", hostReady ? kBrowserClassId : "",
                              WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!window_)
        return false;
    IUnknown* control = nullptr;
    if (hostReady && SUCCEEDED(getControl(window_, &control)) && control) {
        control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&browser_));
        control->Release();
    }
    return true;
}

void CWebBrowser2::Destroy() {
    if (browser_) {
        browser_->Release();
        browser_ = nullptr;
    }
    if (window_) {
        DestroyWindow(window_);
        window_ = nullptr;
    }
    // atl.dll stays loaded: its window class may still be registered.
}

void CWebBrowser2::invoke(DISPID id, VARIANT* args, UINT count) {
    if (!browser_) {
        lastResult_ = E_NOINTERFACE;
        return;
    }
    DISPPARAMS params{args, nullptr, count, 0};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception{};
    UINT badArgument = 0;
    lastResult_ = browser_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, &exception,
                                   &badArgument);
    VariantClear(&result);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
}

void CWebBrowser2::Navigate(const std::string& address) {
    lastAddress_ = address;
    ++calls_[kNavigate];
    // Arguments go in reverse order: headers, post data, target frame, flags
    // (all empty), then the address.
    VARIANT args[5];
    for (VARIANT& v : args)
        VariantInit(&v);
    args[4].vt = VT_BSTR;
    args[4].bstrVal = ToBstr(address);
    invoke(kNavigateId, args, 5);
    VariantClear(&args[4]);
}

void CWebBrowser2::Refresh() {
    ++calls_[kRefresh];
    invoke(kRefreshId, nullptr, 0);
}

void CWebBrowser2::GoBack() {
    ++calls_[kGoBack];
    invoke(kGoBackId, nullptr, 0);
}

void CWebBrowser2::GoForward() {
    ++calls_[kGoForward];
    invoke(kGoForwardId, nullptr, 0);
}
