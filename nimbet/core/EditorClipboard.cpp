// Copy, cut and paste through the clipboard interface (CF_TEXT bytes, lines
// joined by CR LF).
#include "Editor.h"

namespace nimbet {

NimbetResult Editor::copy() {
    if (selectedLength() == 0 || !clipboard_)
        return NIMBET_FAILED;
    return clipboard_->write(selectedText()) ? NIMBET_OK : NIMBET_FAILED;
}

NimbetResult Editor::cut() {
    if (!writeEnabled_ || copy() != NIMBET_OK)
        return NIMBET_FAILED;
    UndoRecord entry;
    deleteSelection(&entry);
    setCaret(snapPlace(caretPlace()));
    entry.kind = UndoRecord::Deletion;
    undo_.push(std::move(entry));
    events_.repaint(Repaint::Full);
    events_.notify(NIMBET_NOTIFY_TEXT, NIMBET_TEXT_CUT);
    return NIMBET_OK;
}

NimbetResult Editor::paste() {
    if (!writeEnabled_ || !clipboard_)
        return NIMBET_FAILED;
    std::string text;
    if (!clipboard_->read(text))
        return NIMBET_FAILED;
    if (text.empty())
        return NIMBET_OK; // an empty clipboard text changes nothing
    const NimbetResult result = replaceSelection(text.data(), text.size(), true, true);
    events_.notify(NIMBET_NOTIFY_TEXT, NIMBET_TEXT_PASTE);
    return result == NIMBET_NOMEMORY ? NIMBET_NOMEMORY : NIMBET_OK;
}

} // namespace nimbet
