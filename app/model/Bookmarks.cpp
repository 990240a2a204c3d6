// Bookmark slot logic over the editor's line marks.
#include "Bookmarks.h"

namespace quiltmark {
namespace {
constexpr int kEditor = 0;
constexpr int kBookmarkMark = 1;
} // namespace

void Bookmarks::UnmarkOldLine(int line) {
    // Slots are plain line numbers that edits do not adjust; the library
    // accepts only lines of the current text.
    if (line >= 1 && line <= api_.NimbetGetLines(kEditor))
        api_.NimbetSetMark(kEditor, line, 0, 1);
}

void Bookmarks::Set(int n) {
    if (n < 0 || n >= kCount)
        return;
    const int line = api_.NimbetGetCaretLine(kEditor);
    if (line < 1)
        return; // the library could not tell the caret line
    const int mark = api_.NimbetGetMark(kEditor, line);
    if (mark == 0) {
        if (slots_[n] >= 0)
            UnmarkOldLine(slots_[n]);
        api_.NimbetSetMark(kEditor, line, kBookmarkMark, 1);
        slots_[n] = line;
        return;
    }
    api_.NimbetSetMark(kEditor, line, 0, 1);
    int owner = -1;
    for (int k = 0; k < kCount; ++k) {
        if (slots_[k] == line) {
            slots_[k] = kUnset;
            owner = k;
            break;
        }
    }
    if (owner == n)
        return; // toggled off
    if (slots_[n] >= 0 && slots_[n] != line)
        UnmarkOldLine(slots_[n]);
    api_.NimbetSetMark(kEditor, line, kBookmarkMark, 1);
    slots_[n] = line;
}

void Bookmarks::GoTo(int n) const {
    if (n < 0 || n >= kCount)
        return;
    if (slots_[n] >= 0)
        api_.NimbetSetCaretLine(kEditor, slots_[n]);
}

void Bookmarks::Reset() {
    slots_.fill(kUnset);
    const int lines = api_.NimbetGetLines(kEditor);
    for (int line = 1; line <= lines; ++line)
        api_.NimbetSetMark(kEditor, line, 0, 0);
    api_.NimbetRefresh(kEditor);
}

} // namespace quiltmark
