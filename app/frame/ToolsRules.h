// The selector texts of the external tools dialog.
#pragma once

#include <string>
#include <string_view>

namespace quiltmark {

// The selector's text of tool `index` (0-4): the prefix and the number from
// "01" on ("ツール " + "01").
std::string ToolEntryLabel(std::string_view prefix, int index);

} // namespace quiltmark
