// The recent-file list: five slots, slot 0 first; the used slots form a
// block at the end with the newest entry at its top.
#pragma once

#include <array>
#include <string>

#include "Settings.h"

namespace quiltmark {

using RecentFileSlots = std::array<std::string, kRecentFileCount>;

// Puts path into the list: an entry already present is removed first, then
// the path takes the last free slot, or slot 0 after the others moved down.
void AddRecentFile(RecentFileSlots& slots, const std::string& path);

} // namespace quiltmark
