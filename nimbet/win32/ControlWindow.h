// The control's window class and window procedure.
#pragma once

#include <windows.h>

namespace nimbet::win32 {
// Registers the window class; a repeated registration fails harmlessly.
void RegisterControlClass() noexcept;
LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
} // namespace nimbet::win32
