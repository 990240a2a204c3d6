// The recent-file list.
#include "RecentFiles.h"

namespace quiltmark {

void AddRecentFile(RecentFileSlots& slots, const std::string& path) {
    for (int i = 0; i < kRecentFileCount; ++i) {
        if (slots[i] == path) {
            for (int k = i; k >= 1; --k)
                slots[k] = slots[k - 1];
            slots[0].clear();
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

} // namespace quiltmark
