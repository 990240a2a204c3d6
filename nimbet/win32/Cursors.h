// The cursors the control shows: the system's arrow and I-beam, and the
// library's own line-selection and link cursors.
#pragma once

#include <windows.h>

#include "../core/MouseInput.h"

namespace nimbet::win32 {

// A shared cursor handle (never destroyed); the arrow when a resource is missing.
HCURSOR CursorFor(CursorShape shape) noexcept;

} // namespace nimbet::win32
