// Texts of the run-time menu items.
#include "MenuTexts.h"

namespace quiltmark {

std::string RecentFileMenuText(int n, const std::string& path) {
    return "(&" + std::to_string(n) + ") " + path;
}

std::string UserTagMenuText(int slot, const UserTagEntry& tag) {
    std::string text;
    if (!tag.name.empty()) {
        text = tag.name;
    } else {
        text = "<" + tag.open + ">";
        if (!tag.end.empty())
            text += "***</" + tag.end + ">";
    }
    if (slot >= 0 && slot <= 8)
        text += "\tAlt+" + std::to_string(slot + 1);
    return text;
}

} // namespace quiltmark
