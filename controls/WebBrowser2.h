// CWebBrowser2: the web-browser ActiveX control hosted in a child window and
// driven through its automation dispatch interface (Navigate, Refresh,
// GoBack, GoForward). Results of the calls are not examined: a browser that
// cannot render simply shows nothing.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

class CWebBrowser2 {
public:
    CWebBrowser2() = default;
    ~CWebBrowser2();
    CWebBrowser2(const CWebBrowser2&) = delete;
    CWebBrowser2& operator=(const CWebBrowser2&) = delete;

    // Creates the hosting child window with control id `id` and the browser in
    // it. The calling thread must have initialised OLE. False when no window
    // could be made; a window without a browser still counts (the calls then do
    // nothing).
    bool Create(HWND parent, int id, const RECT& rect);
    void Destroy();

    HWND GetSafeHwnd() const { return window_; }
    bool HasBrowser() const { return browser_ != nullptr; }

    void Navigate(const std::string& address); // address in the ANSI code page
    void Refresh();
    void GoBack();
    void GoForward();

    // The address most recently asked for with Navigate (for diagnostics and tests).
    const std::string& LastNavigateAddress() const { return lastAddress_; }
    // HRESULT of the most recent dispatch call (S_OK, E_FAIL, ...).
    HRESULT LastResult() const { return lastResult_; }
    // How often each operation was asked for, whatever the browser made of it.
    enum Operation { kNavigate, kRefresh, kGoBack, kGoForward, kOperationCount };
    int Calls(Operation operation) const { return calls_[operation]; }

private:
    void invoke(DISPID id, VARIANT* args, UINT count);

    HMODULE atl_ = nullptr;
    HWND window_ = nullptr;
    IDispatch* browser_ = nullptr;
    std::string lastAddress_;
    HRESULT lastResult_ = S_OK;
    int calls_[kOperationCount] = {};
};
