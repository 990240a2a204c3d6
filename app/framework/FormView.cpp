// Form views from dialog templates.
#include "FormView.h"

namespace quiltmark {

bool FormView::Create(HWND parent) {
    hwnd_ = CreateDialogParamA(instance_, MAKEINTRESOURCEA(templateId_), parent, DialogProc,
                               reinterpret_cast<LPARAM>(this));
    if (hwnd_)
        ShowWindow(hwnd_, SW_SHOWNA);
    return hwnd_ != nullptr;
}

bool FormView::PreTranslateDialogKey(MSG& msg) {
    if (!hwnd_ || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))
        return false;
    return IsDialogMessageA(hwnd_, &msg) != FALSE;
}

INT_PTR CALLBACK FormView::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FormView*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<FormView*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->hwnd_ = hwnd;
    }
    if (!self)
        return FALSE;
    LRESULT result = 0;
    bool handled = false;
    try {
        handled = self->OnMessage(message, wParam, lParam, result);
    } catch (...) {
        handled = false; // a failed handler leaves the message to the default handling
    }
    if (!handled)
        return message == WM_INITDIALOG ? TRUE : FALSE; // default focus on the first control
    if (message == WM_INITDIALOG)
        return result;
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

} // namespace quiltmark
