// Built texts of the external tools dialog.
#include "ToolsRules.h"

#include <cstdio>

#include "ShiftJis.h"

namespace quiltmark {

std::string ToolEntryLabel(std::string_view prefix, int index) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", index + 1);
    return std::string(prefix) + number;
}

std::string FileDialogFilter(std::string_view pipes) {
    std::string filter(pipes);
    for (std::size_t i = 0; i < filter.size(); i += CharLength(filter, i))
        if (filter[i] == '|')
            filter[i] = '\0';
    // The dialog reads up to a double NUL; the string's own NUL makes the second.
    if (filter.empty() || filter.back() != '\0')
        filter.push_back('\0');
    return filter;
}

} // namespace quiltmark
