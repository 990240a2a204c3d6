// The text of a window or control, whatever its length.
#pragma once

#include <windows.h>

#include <string>

namespace quiltmark {

// Empty for a window without text (or no window).
std::string WindowText(HWND window);

} // namespace quiltmark
