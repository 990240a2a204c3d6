// Caret, selection and view changes made by pointing (mouse clicks, drags,
// the wheel and the scroll bars), and the text changes of drag-and-drop.
#include <algorithm>
#include <new>

#include "DropRules.h"
#include "Editor.h"

namespace nimbet {

void Editor::pointCaret(TextPlace place) noexcept {
    setCaret(clampPlace(place));
}

void Editor::setSelectionEnds(TextPlace anchor, TextPlace end, TextPlace caret) noexcept {
    anchor = clampPlace(anchor);
    end = clampPlace(end);
    caret_.anchorLine = anchor.line;
    caret_.anchorPos = anchor.pos;
    caret_.endLine = end.line;
    caret_.endPos = end.pos;
    caret_.selecting = anchor != end;
    caret_.forward = anchor < end;
    setCaret(clampPlace(caret));
}

void Editor::setTopLine(int row) noexcept {
    caret_.topLine = std::clamp(row, 1, totalRows());
}

void Editor::setFirstColumn(int column) noexcept {
    caret_.firstColumn = metrics_.wrap ? 1 : std::clamp(column, 1, kMaxColumns);
}

bool Editor::dropText(std::string_view text, bool move) {
    text = text.substr(0, text.find('\0'));
    if (!writeEnabled_ || text.empty())
        return false;
    const SelectionRange range = selection();
    if (move && range.exists) {
        const TextPlace drop = caretPlace();
        if (PlaceInsideSelection(drop, range.start, range.finish))
            return false; // dropped onto itself
        const TextPlace target = DropPlaceAfterRemoval(drop, range.start, range.finish);
        UndoRecord deletion;
        deleteSelection(&deletion); // throws before changing anything
        deletion.kind = UndoRecord::Deletion;
        undo_.push(std::move(deletion));
        setCaret(clampPlace(target));
    } else {
        move = false;
        if (caret_.selecting)
            clearSelection();
    }
    const NimbetResult result = replaceSelection(text.data(), text.size(), true, true);
    if (move)
        undo_.chainNewest(); // one undo takes back the insertion and the deletion
    events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_DRAGDROP);
    events_.notify(NIMBET_NOTIFY_TEXT, NIMBET_TEXT_DROP);
    if (result == NIMBET_NOMEMORY)
        throw std::bad_alloc(); // inserted as far as memory allowed, and recorded
    return true;
}

bool Editor::deleteDraggedSelection() {
    if (!writeEnabled_ || !caret_.selecting)
        return false;
    UndoRecord entry;
    deleteSelection(&entry);
    setCaret(snapPlace(caretPlace()));
    entry.kind = UndoRecord::Deletion;
    undo_.push(std::move(entry));
    scrollCaretIntoView();
    events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_DRAGDROP);
    events_.notify(NIMBET_NOTIFY_TEXT, NIMBET_TEXT_DROP);
    events_.repaint(Repaint::Full);
    return true;
}

} // namespace nimbet
