// Drag-and-drop as the editor sees it: caret, effects, dropped text and the
// end of a drag out.
#include "DragDropSession.h"

#include "MouseMapping.h"

namespace nimbet {

DropEffect DragDropSession::effectFor(bool offersText, bool ctrl, AllowedEffects allowed) const {
    if (!editor_.writeEnabled())
        return DropEffect::None; // nothing could be inserted
    const auto flags = static_cast<unsigned>(editor_.metrics().get(kMetricDragDrop));
    const DropEffect wanted = ChooseDropEffect({flags, offersText, selfDrag_, ctrl});
    return FitAllowedEffects(wanted, allowed.copy, allowed.move);
}

DropEffect DragDropSession::dragOver(int x, int y, bool offersText, bool ctrl, AllowedEffects allowed) {
    const MouseHit hit = MapMouse(editor_, x, y);
    if (hit.area == MouseArea::Text) {
        const CaretState& caret = editor_.caret();
        const int oldTop = caret.topLine, oldColumn = caret.firstColumn;
        editor_.pointCaret(hit.place);
        editor_.scrollCaretIntoView();
        const bool viewMoved = oldTop != caret.topLine || oldColumn != caret.firstColumn;
        events_.repaint(viewMoved ? Repaint::Full : Repaint::Light);
    }
    return effectFor(offersText, ctrl, allowed);
}

bool DragDropSession::dropsOntoItself() const noexcept {
    return selfDrag_ && editor_.insideSelection(editor_.caretPlace());
}

DropEffect DragDropSession::dropEffect(bool offersText, bool ctrl, AllowedEffects allowed) const {
    if (dropsOntoItself())
        return DropEffect::None;
    return effectFor(offersText, ctrl, allowed);
}

DropEffect DragDropSession::drop(std::string_view text, DropEffect effect) {
    if (effect == DropEffect::None)
        return DropEffect::None;
    const bool moveInside = selfDrag_ && effect == DropEffect::Move;
    if (selfDrag_)
        droppedHere_ = true; // the drag source must not delete anything now
    return editor_.dropText(text, moveInside) ? effect : DropEffect::None;
}

void DragDropSession::dragOutStarted() noexcept {
    selfDrag_ = true;
    droppedHere_ = false;
}

void DragDropSession::dragOutEnded(DragOutcome outcome, DropEffect performed) {
    const bool droppedHere = droppedHere_;
    selfDrag_ = false;
    droppedHere_ = false;
    if (outcome == DragOutcome::Dropped && performed == DropEffect::Move && !droppedHere &&
        editor_.deleteDraggedSelection())
        return; // moved into another window; repainted
    if (outcome == DragOutcome::Cancelled)
        editor_.clearSelection();
    events_.repaint(Repaint::Full);
}

} // namespace nimbet
