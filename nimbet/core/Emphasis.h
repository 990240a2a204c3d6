// What an editor colours its text by: the emphasis rules and the highlight
// string. The lines keep the multi-line state of the rules (LineRecord).
#pragma once

#include "EmphasisTable.h"
#include "Highlight.h"
#include "TextBuffer.h"

namespace nimbet {

struct Emphasis {
    EmphasisTable rules;
    Highlight highlight;

    // Removes every rule (NimbetResetEmphasis) and empties the carry-over slots
    // of every line, which referred to the removed rules. The highlight stays.
    void reset(TextBuffer& buffer) noexcept;
};

} // namespace nimbet
