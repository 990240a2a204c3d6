// The control's mouse messages: the left button, moves and double clicks go to
// the platform-free mouse handling; this file does what only the window can
// (cursor, capture, focus, the triple-click timer and the shell).
#include <windowsx.h>

#include "Cursors.h"
#include "EditorInstance.h"
#include "InputGuard.h"
#include "LinkOpener.h"

namespace nimbet::win32 {

namespace {
constexpr UINT kTripleClickMs = 200;
} // namespace

LRESULT EditorInstance::onMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    const bool shift = (wParam & MK_SHIFT) != 0;
    if (message == WM_MOUSEMOVE && mouse_.takePendingDrag()) {
        dragSelectionOut(); // runs until the drag ends; the button-up is part of it
        placeCaret();
        return 0;
    }
    if (busy()) {
        // A text change is running (its message pumping delivered this). Only
        // make sure no capture outlives the button.
        if (message == WM_LBUTTONUP) {
            mouse_.captureLost();
            releaseMouse();
        }
        return 0;
    }
    BusyScope guard(*this);
    switch (message) {
    case WM_LBUTTONDOWN:
        mouse_.buttonDown(x, y, shift);
        break;
    case WM_LBUTTONUP:
        mouse_.buttonUp(x, y);
        break;
    case WM_LBUTTONDBLCLK:
        mouse_.doubleClick(x, y, shift);
        break;
    case WM_MOUSEMOVE:
        if (!mouse_.mouseSelecting() && !mouse_.lineSelecting()) {
            mouse_.move(x, y); // hovering: cursor and notification only
            return 0;
        }
        mouse_.move(x, y);
        break;
    default:
        return 0;
    }
    placeCaret();
    return 0;
}

bool EditorInstance::onSetCursor(LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT || !cursor_)
        return false;
    SetCursor(cursor_); // the class has no cursor: keep the one the mouse chose
    return true;
}

void EditorInstance::setCursor(CursorShape shape) {
    cursor_ = CursorFor(shape);
    SetCursor(cursor_);
}

void EditorInstance::captureMouse() { SetCapture(hwnd_); }

void EditorInstance::releaseMouse() {
    if (GetCapture() == hwnd_)
        ReleaseCapture();
}

void EditorInstance::takeFocus() {
    if (GetFocus() != hwnd_)
        SetFocus(hwnd_);
}

void EditorInstance::startTripleClickTimer() { SetTimer(hwnd_, kTripleClickTimer, kTripleClickMs, nullptr); }

void EditorInstance::stopTripleClickTimer() { KillTimer(hwnd_, kTripleClickTimer); }

void EditorInstance::openLink(const std::string& target) { OpenLinkTarget(parent_, target); }

} // namespace nimbet::win32
