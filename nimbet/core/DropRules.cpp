// Drag-and-drop decisions.
#include "DropRules.h"

namespace nimbet {

DropMode DropModeOf(unsigned flags) {
    if (flags & kDropModeCtrl)
        return DropMode::CtrlDecides;
    if (flags & kDropModeCopy)
        return DropMode::Copy;
    return DropMode::Move;
}

DropEffect ChooseDropEffect(const DropSituation& s) {
    if ((s.flags & kDropInDisabled) || !s.offersText)
        return DropEffect::None;
    if (!s.selfDrag)
        return DropEffect::Copy;
    switch (DropModeOf(s.flags)) {
    case DropMode::Copy: return DropEffect::Copy;
    case DropMode::CtrlDecides: return s.ctrlHeld ? DropEffect::Copy : DropEffect::Move;
    case DropMode::Move: break;
    }
    return DropEffect::Move;
}

DropEffect FitAllowedEffects(DropEffect wanted, bool copyAllowed, bool moveAllowed) {
    if (wanted == DropEffect::None)
        return DropEffect::None;
    const bool wantedAllowed = wanted == DropEffect::Copy ? copyAllowed : moveAllowed;
    if (wantedAllowed)
        return wanted;
    if (wanted == DropEffect::Copy && moveAllowed)
        return DropEffect::Move;
    if (wanted == DropEffect::Move && copyAllowed)
        return DropEffect::Copy;
    return DropEffect::None;
}

bool PlaceInsideSelection(TextPlace place, TextPlace start, TextPlace finish) {
    return start <= place && place <= finish;
}

TextPlace DropPlaceAfterRemoval(TextPlace drop, TextPlace start, TextPlace finish) {
    if (drop <= start)
        return drop;
    const int breaks = finish.line - start.line;
    TextPlace moved = drop;
    if (drop.line == finish.line)
        moved.pos = drop.pos + start.pos - finish.pos;
    moved.line -= breaks;
    return moved;
}

} // namespace nimbet
