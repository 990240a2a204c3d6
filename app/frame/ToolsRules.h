// Texts of the external tools dialog that are built rather than loaded.
#pragma once

#include <string>
#include <string_view>

namespace quiltmark {

// The selector's text of tool `index` (0-4): the prefix and the number from
// "01" on ("ツール " + "01").
std::string ToolEntryLabel(std::string_view prefix, int index);

// A file-dialog filter written with "|" between its parts turned into the
// NUL-separated form the dialog takes (ending in two NULs). Only a "|" of its
// own is a separator: the second byte 0x7C of a double-byte character stays.
std::string FileDialogFilter(std::string_view pipes);

} // namespace quiltmark
