// Character stepping by the parity of lead-range runs: the byte before a run
// of lead-range bytes always ends a character, so the run pairs up from its
// first byte. This gives the same answer as walking from the line start.
#include "CharSteps.h"

#include "ShiftJis.h"

namespace nimbet {

namespace {

// True when the byte at `index` is a lead byte followed by its trail byte.
bool IsRealLead(const LineRecord& line, int index) noexcept {
    if (index < 0 || index + 1 >= line.length || !IsLeadByte(line.text[index]))
        return false;
    int k = index - 1;
    while (k >= 0 && IsLeadByte(line.text[k]))
        --k;
    // Bytes k+1 .. index are lead-range; pairs start at k+1.
    return (index - (k + 1)) % 2 == 0;
}

} // namespace

int CharLengthAt(const LineRecord& line, int index) noexcept {
    if (index < 0 || index >= line.length)
        return 0;
    return IsRealLead(line, index) ? 2 : 1;
}

bool IsCharStart(const LineRecord& line, int index) noexcept {
    if (index < 0 || index > line.length)
        return false;
    if (index == 0 || index == line.length)
        return true;
    return !IsRealLead(line, index - 1);
}

int CharStartBefore(const LineRecord& line, int index) noexcept {
    if (index <= 0)
        return 0;
    if (index > line.length)
        index = line.length;
    return index >= 2 && IsRealLead(line, index - 2) ? index - 2 : index - 1;
}

int SnapToCharStart(const LineRecord& line, int index) noexcept {
    if (index <= 0)
        return 0;
    if (index >= line.length)
        return line.length;
    return IsRealLead(line, index - 1) ? index - 1 : index;
}

} // namespace nimbet
