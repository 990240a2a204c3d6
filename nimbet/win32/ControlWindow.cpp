// Window class of the editor control. The procedure finds the instance through
// the window property and hands the message to it; anything escaping as an
// exception is stopped here.
#include "ControlWindow.h"

#include "EditorInstance.h"
#include "Module.h"

namespace nimbet::win32 {

void RegisterControlClass() noexcept {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_BYTEALIGNWINDOW | CS_BYTEALIGNCLIENT | CS_DBLCLKS;
    wc.lpfnWndProc = ControlWindowProc;
    wc.hInstance = ModuleHandle();
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.lpszClassName = kWindowClass;
    RegisterClassExA(&wc);
}

LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* instance = static_cast<EditorInstance*>(GetPropA(hwnd, kInstanceProperty));
    if (!instance)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return instance->handleMessage(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace nimbet::win32
