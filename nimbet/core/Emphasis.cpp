// Resetting the emphasis rules together with the state the lines keep of them.
#include "Emphasis.h"

namespace nimbet {

void Emphasis::reset(TextBuffer& buffer) noexcept {
    for (LineRecord* line = buffer.first(); line; line = line->next)
        ClearCarrySlots(*line);
    rules.clear();
}

} // namespace nimbet
