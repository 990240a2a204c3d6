// The recent-file list: five slots, slot 0 first; the used slots form a
// block at the end with the newest entry at its top.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Settings.h"

namespace quiltmark {

using RecentFileSlots = std::array<std::string, kRecentFileCount>;

// Puts path into the list: an entry already present is removed first, then
// the path takes the last free slot, or slot 0 after the others moved down.
void AddRecentFile(RecentFileSlots& slots, const std::string& path);

// Drops the entry of slot `index` (a file that no longer exists): the slots
// before it move down by one and slot 0 becomes free. Other indexes change
// nothing.
void RemoveRecentFile(RecentFileSlots& slots, int index);

// True when no slot holds a path.
bool NoRecentFiles(const RecentFileSlots& slots);

// The INI keys of the five slots, "File/RecentFile1" ... "File/RecentFile5".
const std::vector<std::string>& RecentFileKeys();

} // namespace quiltmark
