// The key-down handler: movement keys with Shift and Ctrl, Insert, and the
// editing keys; then the caret is kept in view, the control repainted as
// little as possible, and the parent told when the caret moved.
#include <algorithm>

#include "Editor.h"

namespace nimbet {

void Editor::toggleOverwriteMode() {
    caret_.overwriteMode = !caret_.overwriteMode;
    events_.notify(NIMBET_NOTIFY_INSERTMODE, caret_.overwriteMode ? 0 : 1);
}

bool Editor::keyDown(EditorKey key, bool shift, bool ctrl) {
    const TextPlace before = caretPlace();
    const int oldTop = caret_.topLine, oldColumn = caret_.firstColumn;
    const bool hadSelection = caret_.selecting;
    bool movement = false;
    switch (key) {
    case EditorKey::Left:
    case EditorKey::Right:
    case EditorKey::Up:
    case EditorKey::Down:
    case EditorKey::Home:
    case EditorKey::End:
    case EditorKey::PageUp:
    case EditorKey::PageDown:
        moveCaret(key, shift, ctrl);
        movement = true;
        break;
    case EditorKey::Insert:
        toggleOverwriteMode();
        break;
    case EditorKey::Delete:
        deleteKey();
        break;
    case EditorKey::Backspace:
        backspace();
        break;
    case EditorKey::Tab:
        tab(shift);
        break;
    case EditorKey::Enter:
        enter();
        break;
    default:
        return false;
    }
    // Ctrl+Up and Ctrl+Down scroll the view away from the caret on purpose.
    const bool scrollsView = ctrl && (key == EditorKey::Up || key == EditorKey::Down);
    if (!scrollsView)
        scrollCaretIntoView();
    const bool viewMoved = oldTop != caret_.topLine || oldColumn != caret_.firstColumn;
    if (movement) {
        if (viewMoved || (!shift && hadSelection && !caret_.selecting))
            events_.repaint(Repaint::Full);
        else if (shift)
            events_.repaintLines(std::min(before.line, caret_.caretLine), std::max(before.line, caret_.caretLine));
        else
            events_.repaint(Repaint::Light);
    } else if (viewMoved) {
        events_.repaint(Repaint::Full);
    }
    if (caretPlace() != before)
        events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_KEYBOARD);
    return true;
}

} // namespace nimbet
