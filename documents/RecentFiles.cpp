// The recent-file list.
#include "RecentFiles.h"

namespace quiltmark {

void AddRecentFile(RecentFileSlots& slots, const std::string& path) {
    for (int i = 0; i < kRecentFileCount; ++i) {
        if (slots[i] == path) {
            RemoveRecentFile(slots, i);
            break;
        }
    }
    for (int i = kRecentFileCount - 1; i >= 0; --i) {
        if (slots[i].empty()) {
            slots[i] = path;
            return;
        }
    }
    for (int k = kRecentFileCount - 1; k >= 1; --k)
        slots[k] = slots[k - 1];
    slots[0] = path;
}

void RemoveRecentFile(RecentFileSlots& slots, int index) {
    if (index < 0 || index >= kRecentFileCount)
        return;
    for (int k = index; k >= 1; --k)
        slots[k] = slots[k - 1];
    slots[0].clear();
}

bool NoRecentFiles(const RecentFileSlots& slots) {
    for (const std::string& slot : slots)
        if (!slot.empty())
            return false;
    return true;
}

const std::vector<std::string>& RecentFileKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> names;
        for (int i = 1; i <= kRecentFileCount; ++i)
            names.push_back("File/RecentFile" + std::to_string(i));
        return names;
    }();
    return keys;
}

} // namespace quiltmark
