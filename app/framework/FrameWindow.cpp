// The frame window: layout, command routing, menu states and prompts.
#include "FrameWindow.h"

#include <commctrl.h>

#include "ResourceText.h"

namespace quiltmark {

bool FrameWindow::RegisterFrameClass(HINSTANCE instance, const char* className, int iconId) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(iconId), IMAGE_ICON, 32, 32, 0));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(iconId), IMAGE_ICON, 16, 16, 0));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool FrameWindow::Create(const char* className, const char* title, int resourceId) {
    accelerators_ = LoadAcceleratorsA(instance_, MAKEINTRESOURCEA(resourceId));
    HMENU menu = LoadMenuA(instance_, MAKEINTRESOURCEA(resourceId));
    hwnd_ = CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu, instance_, this);
    if (!hwnd_ && menu)
        DestroyMenu(menu);
    return hwnd_ != nullptr;
}

void FrameWindow::RecalcLayout() {
    if (!hwnd_)
        return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    int top = 0;
    int bottom = client.bottom;
    if (IsBarVisible(toolBar_.Hwnd()))
        top = toolBar_.AutoSize();
    if (IsBarVisible(statusBar_.Hwnd()))
        bottom -= statusBar_.Layout();
    if (view_ && view_->Hwnd()) {
        const int height = bottom > top ? bottom - top : 0;
        MoveWindow(view_->Hwnd(), 0, top, client.right, height, TRUE);
    }
}

void FrameWindow::ShowBar(HWND bar, bool show) {
    if (!bar)
        return;
    ShowWindow(bar, show ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}

bool FrameWindow::PreTranslateMessage(MSG& msg) {
    const bool isKey = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
    if (isKey && view_ && view_->PreTranslateKey(msg))
        return true;
    if (accelerators_ && TranslateAcceleratorA(hwnd_, accelerators_, &msg))
        return true;
    return isKey && view_ && view_->PreTranslateDialogKey(msg);
}

void FrameWindow::OnIdle() {
    toolBar_.UpdateStates(router_);
    statusBar_.UpdateIndicators();
}

void FrameWindow::ShowIdleMessage() {
    statusBar_.SetMessage(LoadResourceString(instance_, idleMessageId_));
}

void FrameWindow::ShowPrompt(UINT commandId) {
    const std::string prompt = CommandPrompt(instance_, commandId);
    statusBar_.SetMessage(prompt);
}

void FrameWindow::UpdateMenuStates(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(menu, i);
        if (id == static_cast<UINT>(-1) || id == 0)
            continue; // submenu or separator
        const CommandState state = router_.Query(static_cast<int>(id));
        EnableMenuItem(menu, i, MF_BYPOSITION | (state.handled && state.enabled ? MF_ENABLED : MF_GRAYED));
        if (state.hasCheck)
            CheckMenuItem(menu, i, MF_BYPOSITION | (state.checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

bool FrameWindow::OnNotify(const NMHDR* header, LRESULT& result) {
    switch (header->code) {
    case NM_CUSTOMDRAW:
        if (header->hwndFrom != toolBar_.Hwnd())
            return false;
        result = toolBar_.OnCustomDraw(header);
        return true;
    case TTN_GETDISPINFOA: {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(const_cast<NMHDR*>(header));
        tooltip_ = CommandTooltip(instance_, static_cast<UINT>(header->idFrom));
        info->lpszText = tooltip_.data();
        info->hinst = nullptr;
        result = 0;
        return true;
    }
    case TTN_GETDISPINFOW: {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(header));
        tooltip_ = CommandTooltip(instance_, static_cast<UINT>(header->idFrom));
        const int length = MultiByteToWideChar(CP_ACP, 0, tooltip_.c_str(), -1, nullptr, 0);
        tooltipWide_.assign(length > 0 ? length : 1, L'\0');
        MultiByteToWideChar(CP_ACP, 0, tooltip_.c_str(), -1, tooltipWide_.data(), length);
        info->lpszText = tooltipWide_.data();
        info->hinst = nullptr;
        result = 0;
        return true;
    }
    case TBN_HOTITEMCHANGE: {
        const auto* hot = reinterpret_cast<const NMTBHOTITEM*>(header);
        if (hot->dwFlags & HICF_LEAVING)
            ShowIdleMessage();
        else
            ShowPrompt(static_cast<UINT>(hot->idNew));
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

LRESULT FrameWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_SIZE:
        RecalcLayout();
        return 0;
    case WM_COMMAND:
        // Menus and accelerators send lParam 0, the toolbar its own handle;
        // the router takes both.
        if (lParam == 0 || reinterpret_cast<HWND>(lParam) == toolBar_.Hwnd()) {
            router_.Execute(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_INITMENU:
        OnInitMenu(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_INITMENUPOPUP:
        if (!HIWORD(lParam)) // not the system menu
            OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_MENUSELECT: {
        const UINT flags = HIWORD(wParam);
        if (flags == 0xFFFF && lParam == 0)
            ShowIdleMessage();
        else if (!(flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU)))
            ShowPrompt(LOWORD(wParam));
        else
            statusBar_.SetMessage("");
        return 0;
    }
    case WM_EXITMENULOOP:
        ShowIdleMessage();
        return 0;
    case WM_NOTIFY:
        if (OnNotify(reinterpret_cast<const NMHDR*>(lParam), result))
            return result;
        break;
    case WM_SETFOCUS:
        if (view_ && view_->Hwnd())
            SetFocus(view_->Hwnd());
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK FrameWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FrameWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<FrameWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
    }
    if (!self)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return self->Handle(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace quiltmark
