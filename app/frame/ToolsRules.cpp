// The selector texts of the external tools dialog.
#include "ToolsRules.h"

#include <cstdio>

namespace quiltmark {

std::string ToolEntryLabel(std::string_view prefix, int index) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", index + 1);
    return std::string(prefix) + number;
}

} // namespace quiltmark
