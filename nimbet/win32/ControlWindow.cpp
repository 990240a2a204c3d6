// Window class of the editor control. The procedure finds the instance through
// the window property and hands the message to it; anything escaping as an
// exception is stopped here, and a deletion deferred during input happens here.
#include "ControlWindow.h"

#include "../api/Registry.h"
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
    LRESULT result;
    try {
        result = instance->handleMessage(message, wParam, lParam);
    } catch (...) {
        result = DefWindowProcA(hwnd, message, wParam, lParam);
    }
    // The parent may have asked to delete the control while it handled input.
    // Looked up again: a deletion outside input has already removed it.
    if (auto* still = static_cast<EditorInstance*>(GetPropA(hwnd, kInstanceProperty)))
        api::DeleteIfPending(*still);
    return result;
}

} // namespace nimbet::win32
