// Stepping over whole characters inside one line, so that no place ever falls
// between a lead byte and its trail byte. Indexes are 0-based byte indexes.
#pragma once

#include "LineRecord.h"

namespace nimbet {

// Bytes of the character at `index`: 2 for a lead byte whose trail byte is in
// the line, 1 otherwise, 0 at or beyond the end.
int CharLengthAt(const LineRecord& line, int index) noexcept;

// True when `index` (0..length) starts a character or is the line end; false
// on a trail byte and outside the line.
bool IsCharStart(const LineRecord& line, int index) noexcept;

// Start of the character that ends at `index` (a character boundary > 0).
// Scans back only over the run of lead-range bytes, not from the line start.
int CharStartBefore(const LineRecord& line, int index) noexcept;

// `index` moved back to the start of the character holding it; clamped to
// 0..length.
int SnapToCharStart(const LineRecord& line, int index) noexcept;

} // namespace nimbet
