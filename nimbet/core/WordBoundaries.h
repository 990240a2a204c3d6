// Word boundaries inside one line, from the character classes: what a double
// click selects.
#pragma once

#include "LineRecord.h"

namespace nimbet {

struct WordRange {
    int start = 0; // byte index of the word's first character
    int end = 0;   // byte index after its last character
};

// The word holding byte `index` (an index inside a double-byte character
// counts as that character; the line end belongs to the last word).
WordRange WordAt(const LineRecord& line, int index) noexcept;

} // namespace nimbet
