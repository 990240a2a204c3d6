// Opening a clicked URL or mail address with the shell.
#pragma once

#include <windows.h>

#include <string>

#include "../core/LinkFinder.h"

namespace nimbet::win32 {

// Hands the link [link.begin, link.end) of `text` to the shell's "open"
// operation, owned by `parent` (a mail address gets "mailto:" in front).
// False when there is nothing to open or the shell refused.
bool OpenLink(HWND parent, const char* text, int length, const LinkSpan& link);

// The same for a target already prepared by LinkOpenText.
bool OpenLinkTarget(HWND parent, const std::string& target);

} // namespace nimbet::win32
