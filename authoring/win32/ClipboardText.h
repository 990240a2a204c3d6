// The clipboard's text, as the program's own bytes.
#pragma once

#include <windows.h>

#include <string>

namespace quiltmark {

// The clipboard's text format (CF_TEXT, in the system's code page) up to its
// terminating zero; empty when the clipboard holds no text or cannot be
// opened. Any length is read whole.
std::string ReadClipboardText(HWND owner);

} // namespace quiltmark
