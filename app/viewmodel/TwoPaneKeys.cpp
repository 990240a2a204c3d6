// Caret arithmetic of the keys the view handles in two-pane display.
#include "TwoPaneKeys.h"

namespace quiltmark {

int RightArrowTarget(const CaretFacts& f) {
    return f.endLineLength + 1 == f.endPos ? f.selectionStart + 2 : f.selectionStart + 1;
}

std::optional<int> DownArrowTarget(const CaretFacts& f) {
    if (f.endLine >= f.lineCount)
        return std::nullopt;
    if (f.nextLineLength + 1 >= f.endPos)
        return f.selectionStart + f.endLineLength + 2;
    return f.selectionStart + f.endLineLength - f.endPos + f.nextLineLength + 3;
}

} // namespace quiltmark
