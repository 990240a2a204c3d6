// Paths chosen in the link and image dialogs, written relative to the
// document: Shift_JIS paths whose separators are found character by
// character, so the second byte 0x5C of a double-byte character (as in "ソ"
// or "表") is never taken for a backslash.
#pragma once

#include <string>

namespace quiltmark {

// The text MakeRelativePath gives when the two paths share no leading component.
inline constexpr const char* kNoRelativePath = "NULL";

// `target` relative to the folder of `base` (the base cut after its last
// backslash), with "/" between components: "../" for every folder of the
// base below the shared ones, then the rest of the target. Components are
// compared byte for byte ("C:" and "c:" differ). When nothing is shared, the
// result is kNoRelativePath. A target that is the base folder itself gives "./".
//   MakeRelativePath("C:\web\sub\", "C:\web\img\b.gif") == "../img/b.gif"
std::string MakeRelativePath(const std::string& base, const std::string& target);

} // namespace quiltmark
