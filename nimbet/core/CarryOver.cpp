// Carry-over walk. A stack of at most five rule indexes travels down the text:
// each line records the stack as openAtStart, then pops the rules it closes
// and pushes the rules it opens.
#include "CarryOver.h"

#include <algorithm>

namespace nimbet {

namespace {

struct RuleStack {
    int items[kCarrySlots];
    int depth = 0;

    void loadFrom(const CarrySlots& slots) noexcept {
        depth = 0;
        for (int k = 0; k < kCarrySlots && slots[k] >= 0; ++k)
            items[depth++] = slots[k];
    }
    CarrySlots slots() const noexcept {
        CarrySlots out;
        for (int k = 0; k < depth; ++k)
            out.set(k, items[k]);
        return out;
    }
    // closedHere lists rules that were open when the line began and end in it;
    // openedHere lists rules that begin in it and are still open at its end.
    // Every such close happens before every such open (a rule can only end
    // when nothing opened after it is still open), so the closes come first:
    // taking the slots pairwise would leave a closed rule open whenever a line
    // ends one multi-line rule and then begins another.
    void applyLine(const LineRecord& line) noexcept {
        for (int k = 0; k < kCarrySlots; ++k)
            if (line.closedHere[k] >= 0 && depth > 0 && items[depth - 1] == line.closedHere[k])
                --depth;
        for (int k = 0; k < kCarrySlots; ++k)
            if (line.openedHere[k] >= 0 && depth < kCarrySlots)
                items[depth++] = line.openedHere[k];
    }
};

} // namespace

void RecomputeCarryOver(LineRecord* from) noexcept {
    if (!from)
        return;
    RuleStack stack;
    stack.loadFrom(from->openAtStart);
    stack.applyLine(*from);
    for (LineRecord* line = from->next; line; line = line->next) {
        const CarrySlots state = stack.slots();
        if (state == line->openAtStart)
            return; // everything below already agrees
        line->openAtStart = state;
        stack.applyLine(*line);
    }
}

void RecomputeCarryOverAll(LineRecord* first) noexcept {
    RuleStack stack;
    for (LineRecord* line = first; line; line = line->next) {
        line->openAtStart = stack.slots();
        stack.applyLine(*line);
    }
}

} // namespace nimbet
