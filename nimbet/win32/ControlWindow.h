// The control's window class and window procedure.
#pragma once

#include <windows.h>

namespace nimbet::win32 {

class EditorInstance;

// Attaches the instance to its window (the window property "NimbetClass")
// and keeps the pair in a table of the process too: the window procedure
// runs for every message and reads the table, since reading a property is a
// round trip to the window server under Wine.
void AttachInstance(HWND hwnd, EditorInstance* instance);
void DetachInstance(HWND hwnd) noexcept;

// Registers the window class; a repeated registration fails harmlessly.
void RegisterControlClass() noexcept;
LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
} // namespace nimbet::win32
