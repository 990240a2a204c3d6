// Path rules of the program on Shift_JIS paths: the settings file beside the
// program, the folder and the file name of a path. Backslashes are searched
// character by character, so the trail byte 0x5C of a double-byte character
// (for example in "ソ") is never taken for a separator.
#pragma once

#include <string>

namespace quiltmark {

// The settings file of a program file: its extension replaced by "ini"
// (C:\Tools\Quiltmark.exe -> C:\Tools\Quiltmark.ini). A program name without
// an extension gets ".ini" appended.
std::string IniPathFor(const std::string& programPath);

// Everything up to and including the last backslash; empty when there is none.
std::string FolderOf(const std::string& path);

// Everything after the last backslash.
std::string FileNameOf(const std::string& path);

// The index of the last backslash that is a separator, or npos.
std::string::size_type LastSeparator(const std::string& path);

} // namespace quiltmark
