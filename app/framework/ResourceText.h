// Strings from the program's string table, and the two halves of a command
// string ("status-bar prompt\ntooltip").
#pragma once

#include <windows.h>

#include <string>

namespace quiltmark {

// The string resource in the active code page; empty when there is none.
std::string LoadResourceString(HINSTANCE instance, UINT id);

// The status-bar prompt of a command: its string up to the first "\n".
std::string CommandPrompt(HINSTANCE instance, UINT commandId);
// The tooltip of a command: its string after the first "\n" (empty if none).
std::string CommandTooltip(HINSTANCE instance, UINT commandId);

} // namespace quiltmark
