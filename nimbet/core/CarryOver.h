// Carry-over of multi-line emphasis rules from line to line: which rules are
// open at the start of each line, derived from the rules each line opens and
// closes.
#pragma once

#include "LineRecord.h"

namespace nimbet {

// Recomputes openAtStart from `from` on. `from` must be a line whose own
// openAtStart is still valid (it follows only unchanged lines); the walk stops
// as soon as a later line already holds the state it would be given.
void RecomputeCarryOver(LineRecord* from) noexcept;

// The same for the whole text, walking every line (reference behaviour).
void RecomputeCarryOverAll(LineRecord* first) noexcept;

} // namespace nimbet
