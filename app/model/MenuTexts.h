// Texts of the items that the program adds to its menus at run time.
#pragma once

#include <string>

#include "Settings.h"

namespace quiltmark {

// "(&n) path" for the n-th listed recent file (n counts from 1).
std::string RecentFileMenuText(int n, const std::string& path);

// The menu text of user tag slot n (0-based): the registered name, or
// "<open>" followed by "***</end>" when there is an end tag; slots 0-8 also
// show their shortcut "\tAlt+<n+1>".
std::string UserTagMenuText(int slot, const UserTagEntry& tag);

} // namespace quiltmark
