// Window class of the editor control. The procedure finds the instance
// attached to the window and hands the message to it; anything escaping as an
// exception is stopped here, and a deletion deferred during input happens here.
#include "ControlWindow.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "../api/Registry.h"
#include "EditorInstance.h"
#include "Module.h"

namespace nimbet::win32 {

namespace {

std::vector<std::pair<HWND, EditorInstance*>>& Attached() noexcept {
    static std::vector<std::pair<HWND, EditorInstance*>> attached;
    return attached;
}

EditorInstance* InstanceOf(HWND hwnd) noexcept {
    for (const auto& [window, instance] : Attached())
        if (window == hwnd)
            return instance;
    return nullptr;
}

} // namespace

void AttachInstance(HWND hwnd, EditorInstance* instance) {
    Attached().emplace_back(hwnd, instance);
    SetPropA(hwnd, kInstanceProperty, instance);
}

void DetachInstance(HWND hwnd) noexcept {
    RemovePropA(hwnd, kInstanceProperty);
    auto& attached = Attached();
    attached.erase(std::remove_if(attached.begin(), attached.end(),
                                  [hwnd](const auto& entry) { return entry.first == hwnd; }),
                   attached.end());
}

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
    EditorInstance* instance = InstanceOf(hwnd);
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
    if (EditorInstance* still = InstanceOf(hwnd))
        api::DeleteIfPending(*still);
    return result;
}

} // namespace nimbet::win32
