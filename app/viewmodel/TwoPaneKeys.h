// Where Right and Down move the caret while two-pane display is on (the view
// handles these keys itself there), as through offsets for NimbetSetSelB.
#pragma once

#include <optional>

namespace quiltmark {

// What the view reads from the editor before moving.
struct CaretFacts {
    int selectionStart;  // through offset of the selection start (or the caret)
    int endLine;         // line of the selection end
    int endPos;          // position of the selection end
    int endLineLength;   // length of that line
    int lineCount;       // lines of the text
    int nextLineLength;  // length of the line after it (unused on the last line)
};

// Right: one step on, over the line break when at the end of the line.
int RightArrowTarget(const CaretFacts& f);

// Down: the same column of the next line, or its end when it is shorter;
// nothing on the last line.
std::optional<int> DownArrowTarget(const CaretFacts& f);

} // namespace quiltmark
