// Undo and redo: replaying the records of the ring without recording them.
#include "Editor.h"

namespace nimbet {

namespace {
size_t SizeOf(const std::optional<std::string>& text) noexcept {
    return text ? text->size() : 0;
}
const char* DataOf(const std::optional<std::string>& text) noexcept {
    return text ? text->data() : nullptr;
}
} // namespace

// Selects exactly the bytes a record names. Unlike setSelection it does not
// move the ends to character starts: a record may end between a lone lead
// byte and the byte it came to pair with, and replaying must take exactly
// the bytes that were inserted.
void Editor::selectForReplay(TextPlace from, TextPlace to) {
    if (from == to)
        clearSelection();
    else
        selectRange(from, to);
    setCaret(to);
    scrollCaretIntoView();
}

NimbetResult Editor::undo() {
    if (!writeEnabled_ || !undo_.canUndo())
        return NIMBET_FAILED;
    bool any = false;
    while (undo_.canUndo()) {
        const UndoRecord& record = undo_.nextUndo();
        const TextPlace end = record.kind == UndoRecord::Deletion ? record.start : record.newEnd;
        // A record that no longer fits the text is never replayed.
        if (!validPlace(record.start) || !validPlace(end) || end < record.start)
            break;
        if (record.kind == UndoRecord::Deletion) {
            clearSelection();
            setCaret(record.start);
            bool ok = true;
            const TextPlace after =
                record.oldText ? insertAt(record.start, *record.oldText, &ok) : record.start;
            setCaret(snapPlace(record.keepCaret ? record.start : after));
            scrollCaretIntoView();
        } else {
            selectForReplay(record.start, record.newEnd);
            replaceSelection(DataOf(record.oldText), SizeOf(record.oldText), false, true);
        }
        const bool chained = record.chained;
        undo_.markUndone();
        any = true;
        if (!chained)
            break;
    }
    if (!any)
        return NIMBET_FAILED;
    events_.repaint(Repaint::Full);
    events_.notify(NIMBET_NOTIFY_TEXT, NIMBET_TEXT_UNDO);
    events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_EXPORT);
    return NIMBET_OK;
}

NimbetResult Editor::redo() {
    if (!writeEnabled_ || !undo_.canRedo())
        return NIMBET_FAILED;
    bool any = false;
    while (undo_.canRedo()) {
        const UndoRecord& record = undo_.nextRedo();
        if (!validPlace(record.start) || !validPlace(record.oldEnd) || record.oldEnd < record.start)
            break;
        undo_.markRedone();
        selectForReplay(record.start, record.oldEnd);
        if (record.kind == UndoRecord::Deletion) {
            deleteSelection(nullptr);
            setCaret(snapPlace(caretPlace()));
            scrollCaretIntoView();
        } else {
            replaceSelection(DataOf(record.newText), SizeOf(record.newText), false, true);
        }
        any = true;
        // A chained record continues with the next newer one only while that
        // belongs to the same chain: the record after a moved text is a step
        // of its own and waits for its own redo.
        if (!record.chained || !undo_.canRedo() || !undo_.nextRedo().chained)
            break;
    }
    if (!any)
        return NIMBET_FAILED;
    events_.repaint(Repaint::Full);
    events_.notify(NIMBET_NOTIFY_TEXT, NIMBET_TEXT_REDO);
    return NIMBET_OK;
}

} // namespace nimbet
