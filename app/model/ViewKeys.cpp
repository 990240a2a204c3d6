// Which keys the view takes over, and where Right and Down put the caret.
#include "ViewKeys.h"

namespace quiltmark {

ViewKey ClassifyViewKey(int virtualKey, KeyTarget target, bool twoPaneOn, bool shiftHeld) {
    if (virtualKey == kKeyReturn && (target == KeyTarget::LocalPath || target == KeyTarget::RemotePath))
        return ViewKey::PathEnter;
    if (target != KeyTarget::Editor || shiftHeld)
        return ViewKey::None;
    if (virtualKey == kKeyTab)
        return ViewKey::InsertTab;
    if (!twoPaneOn)
        return ViewKey::None;
    if (virtualKey == kKeyRight)
        return ViewKey::CaretRight;
    if (virtualKey == kKeyDown)
        return ViewKey::CaretDown;
    return ViewKey::None;
}

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
