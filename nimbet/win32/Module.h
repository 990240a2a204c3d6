// The library's module handle, remembered when the library is attached.
#pragma once

#include <windows.h>

namespace nimbet::win32 {
HINSTANCE ModuleHandle() noexcept;
void SetModuleHandle(HINSTANCE module) noexcept;
} // namespace nimbet::win32
