// Places, through offsets, the selection and the exports that read and set
// them.
#include <algorithm>
#include <climits>

#include "CharSteps.h"
#include "Editor.h"

namespace nimbet {

namespace {
int ClampToInt(long long value) noexcept {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}
} // namespace

SelectionRange Editor::selection() const noexcept {
    if (!caret_.selecting)
        return {caretPlace(), caretPlace(), false};
    TextPlace anchor{caret_.anchorLine, caret_.anchorPos};
    TextPlace end{caret_.endLine, caret_.endPos};
    if (end < anchor)
        std::swap(anchor, end);
    return {anchor, end, true};
}

bool Editor::validPlace(TextPlace place) const noexcept {
    const LineRecord* line = buffer_.lineAt(place.line);
    return line && place.pos >= 1 && place.pos <= line->length + 1;
}

TextPlace Editor::clampPlace(TextPlace place) const noexcept {
    place.line = std::clamp(place.line, 1, buffer_.lineCount());
    const LineRecord& line = lineRef(place.line);
    place.pos = std::clamp(place.pos, 1, line.length + 1);
    return snapPlace(place);
}

// A place inside a double-byte character moves to the character's start.
TextPlace Editor::snapPlace(TextPlace place) const noexcept {
    const LineRecord* line = buffer_.lineAt(place.line);
    if (line)
        place.pos = SnapToCharStart(*line, place.pos - 1) + 1;
    return place;
}

long long Editor::throughOffset(TextPlace place) const noexcept {
    long long before = 0;
    const LineRecord* line = buffer_.first();
    for (int n = 1; n < place.line && line; ++n, line = line->next)
        before += line->length + 2;
    return before + place.pos;
}

// The line whose end-plus-two offset reaches (reach) or exceeds the offset
// receives the place; line 0 when the offset lies beyond the text.
TextPlace Editor::placeOfThrough(long long offset, bool reach) const noexcept {
    long long before = 0;
    int n = 1;
    for (const LineRecord* line = buffer_.first(); line; line = line->next, ++n) {
        const long long endPlusTwo = before + line->length + 2;
        if (reach ? offset <= endPlusTwo : offset < endPlusTwo) {
            // The second byte of a line break names no place: keep to the line.
            const long long pos = std::clamp<long long>(offset - before, 1, line->length + 1);
            return snapPlace({n, static_cast<int>(pos)});
        }
        before = endPlusTwo;
    }
    return {0, 0};
}

void Editor::setCaret(TextPlace place) noexcept {
    caret_.caretLine = caret_.goalLine = place.line;
    caret_.caretPos = caret_.goalPos = place.pos;
}

void Editor::setCaretKeepGoal(TextPlace place) noexcept {
    caret_.caretLine = place.line;
    caret_.caretPos = place.pos;
}

void Editor::selectRange(TextPlace anchor, TextPlace end) noexcept {
    caret_.anchorLine = anchor.line;
    caret_.anchorPos = anchor.pos;
    caret_.endLine = end.line;
    caret_.endPos = end.pos;
    caret_.selecting = true;
    caret_.forward = anchor < end;
}

void Editor::clearSelection(bool keepLineMode) {
    caret_.anchorLine = caret_.anchorPos = caret_.endLine = caret_.endPos = 0;
    caret_.selecting = false;
    if (!keepLineMode)
        caret_.lineSelectMode = false;
    events_.notify(NIMBET_NOTIFY_SELCLEARED, 0);
}

bool Editor::setSelection(TextPlace first, TextPlace second, bool redraw) {
    if (!validPlace(first) || !validPlace(second))
        return false;
    first = snapPlace(first);
    second = snapPlace(second);
    if (first == second) {
        clearSelection();
    } else {
        selectRange(first, second);
    }
    setCaret(second);
    scrollCaretIntoView();
    if (redraw)
        events_.repaint(Repaint::Full);
    return true;
}

NimbetResult Editor::setSelectionThrough(int from, int to) {
    if (from <= 0 || to < from)
        return NIMBET_BADARG;
    const TextPlace anchor = placeOfThrough(from, true);
    const TextPlace end = placeOfThrough(to, true);
    if (anchor.line == 0 || end.line == 0)
        return NIMBET_OK; // beyond the text: nothing changes
    caret_.anchorLine = anchor.line;
    caret_.anchorPos = anchor.pos;
    caret_.endLine = end.line;
    caret_.endPos = end.pos;
    caret_.forward = true;
    caret_.selecting = anchor != end;
    setCaret(end);
    scrollCaretIntoView();
    events_.repaint(Repaint::Full);
    return NIMBET_OK;
}

void Editor::selectAll() {
    const LineRecord* last = buffer_.last();
    const TextPlace end{buffer_.lineCount(), last->length + 1};
    selectRange({1, 1}, end);
    caret_.forward = true;
    setCaret(end);
    scrollCaretIntoView();
    events_.repaint(Repaint::Full);
    events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_EXPORT);
}

NimbetResult Editor::setCaretLine(int line) {
    if (line < 1 || line > buffer_.lineCount())
        return NIMBET_BADARG;
    setCaret({line, 1});
    scrollCaretIntoView();
    events_.repaint(Repaint::Full);
    events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_EXPORT);
    return NIMBET_OK;
}

NimbetResult Editor::setCaretPos(int pos) {
    if (pos < 1 || pos > lineRef(caret_.caretLine).length)
        return NIMBET_BADARG;
    setCaret(snapPlace({caret_.caretLine, pos}));
    scrollCaretIntoView();
    events_.repaint(Repaint::Full);
    events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_EXPORT);
    return NIMBET_OK;
}

NimbetResult Editor::setCaretThrough(int offset) {
    if (offset < 1)
        return NIMBET_FAILED;
    const TextPlace place = placeOfThrough(offset, false);
    if (place.line == 0)
        return NIMBET_FAILED;
    setCaret(place);
    scrollCaretIntoView();
    events_.repaint(Repaint::Full);
    events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_EXPORT);
    return NIMBET_OK;
}

int Editor::caretThrough() const noexcept {
    return ClampToInt(throughOffset(caretPlace()));
}

int Editor::caretColumn() const noexcept {
    const LineRecord& line = lineRef(caret_.caretLine);
    return ClampToInt(LocateIndex(line, rowRule(), caret_.caretPos - 1).column);
}

bool Editor::insideSelection(TextPlace place) const noexcept {
    const SelectionRange range = selection();
    return range.exists && range.start <= place && place <= range.finish;
}

} // namespace nimbet
