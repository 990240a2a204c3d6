// Modal dialogs with data exchange by control id.
#include "Dialog.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "WindowText.h"

namespace quiltmark {

INT_PTR Dialog::DoModal(HWND owner) {
    return DialogBoxParamA(instance_, MAKEINTRESOURCEA(templateId_), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

std::string Dialog::ItemText(int id) const {
    return WindowText(Item(id));
}

void Dialog::End(INT_PTR code) {
    EndDialog(hwnd_, code);
}

void Dialog::PutValues() {
    for (const Binding& b : bindings_) {
        switch (b.kind) {
        case Kind::Check:
            CheckDlgButton(hwnd_, b.id, *b.number != 0 ? BST_CHECKED : BST_UNCHECKED);
            break;
        case Kind::Text:
            SetDlgItemTextA(hwnd_, b.id, b.text->c_str());
            break;
        case Kind::Int:
            SetDlgItemTextA(hwnd_, b.id, std::to_string(*b.number).c_str());
            break;
        }
    }
}

bool Dialog::TakeValues() {
    // Numbers are checked first so that a refused dialog changes nothing.
    for (const Binding& b : bindings_) {
        if (b.kind != Kind::Int)
            continue;
        const std::string text = WindowText(Item(b.id));
        char* end = nullptr;
        errno = 0;
        const long value = std::strtol(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX) {
            MessageBeep(MB_ICONEXCLAMATION);
            SetFocus(Item(b.id));
            SendMessageA(Item(b.id), EM_SETSEL, 0, -1);
            return false;
        }
    }
    for (const Binding& b : bindings_) {
        switch (b.kind) {
        case Kind::Check:
            *b.number = IsDlgButtonChecked(hwnd_, b.id) == BST_CHECKED ? 1 : 0;
            break;
        case Kind::Text:
            *b.text = WindowText(Item(b.id));
            break;
        case Kind::Int:
            *b.number = static_cast<int>(std::strtol(WindowText(Item(b.id)).c_str(), nullptr, 10));
            break;
        }
    }
    return true;
}

INT_PTR Dialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    if (OnMessage(message, wParam, lParam, result))
        return result;
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            if (TakeValues() && Validate())
                End(IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            End(IDCANCEL);
            return TRUE;
        }
    }
    return FALSE;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->hwnd_ = hwnd;
        self->PutValues();
        return self->OnInitDialog();
    }
    if (!self)
        return FALSE;
    try {
        return self->Handle(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

} // namespace quiltmark
