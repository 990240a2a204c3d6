// Clicks, drags, double and triple clicks and hovering over the control.
#include "MouseInput.h"

#include <algorithm>

#include "DropRules.h"
#include "LinkFinder.h"
#include "WordBoundaries.h"

namespace nimbet {

namespace {

struct RowEdges {
    TextPlace start; // the row's first place
    TextPlace next;  // the first place after the row (the end of the text after the last row)
    TextPlace caret; // where a downward line selection leaves the caret
};

RowEdges EdgesOfRow(const Editor& editor, int row) noexcept {
    const RowOfText at = LineOfRow(editor, row);
    const LineRecord& line = *editor.buffer().lineAt(at.line);
    const RowRule rule = editor.rowRule();
    RowEdges edges;
    edges.start = {at.line, RowStartIndex(line, rule, at.rowInLine) + 1};
    const TextPlace lineEnd{at.line, line.length + 1};
    if (at.rowInLine + 1 < RowsOfLine(line, rule)) {
        edges.next = {at.line, RowStartIndex(line, rule, at.rowInLine + 1) + 1};
        edges.caret = edges.next;
    } else {
        edges.next = at.line < editor.lineCount() ? TextPlace{at.line + 1, 1} : lineEnd;
        edges.caret = lineEnd;
    }
    return edges;
}

} // namespace

LineSelection LinesBetween(const Editor& editor, int originRow, int targetRow) noexcept {
    const int rows = editor.totalRows();
    originRow = std::clamp(originRow, 1, rows);
    targetRow = std::clamp(targetRow, 1, rows);
    const RowEdges origin = EdgesOfRow(editor, originRow);
    const RowEdges target = EdgesOfRow(editor, targetRow);
    if (targetRow >= originRow)
        return {origin.start, target.next, target.caret};
    return {origin.next, target.start, target.start};
}

bool MouseInput::dragOutEnabled() const noexcept {
    return dragOutAvailable_ &&
           !(static_cast<unsigned>(editor_.metrics().get(kMetricDragDrop)) & kDragOutDisabled);
}

// Selecting all of an empty text, or indenting an empty line, leaves a
// selection without text: nothing there to drag.
bool MouseInput::onSelectedText(TextPlace place) const noexcept {
    const SelectionRange range = editor_.selection();
    return range.exists && range.start != range.finish && editor_.insideSelection(place);
}

bool MouseInput::takePendingDrag() noexcept {
    const bool pending = dragPending_;
    dragPending_ = false;
    return pending;
}

void MouseInput::buttonDown(int x, int y, bool shift) {
    const MouseHit hit = MapMouse(editor_, x, y);
    bool lineArea = hit.area == MouseArea::LineNumbers;
    if (tripleWindow_) {
        // The third click of a triple click selects the line, as a click on
        // its number does.
        tripleWindow_ = false;
        host_.stopTripleClickTimer();
        lineArea = lineArea || hit.area == MouseArea::Text;
    }
    if (!lineArea && hit.area == MouseArea::Text && dragOutEnabled() && onSelectedText(hit.place)) {
        dragPending_ = true;
        return;
    }

    const CaretState& caret = editor_.caret();
    const bool hadSelection = caret.selecting;
    const TextPlace oldCaret = editor_.caretPlace();
    const int oldTop = caret.topLine, oldColumn = caret.firstColumn;
    editor_.clearSelection(true);
    host_.takeFocus();
    if (lineArea)
        lineClick(hit, shift);
    else if (hit.area == MouseArea::Text)
        textClick(hit, shift);

    const bool viewMoved = oldTop != caret.topLine || oldColumn != caret.firstColumn;
    const bool moved = editor_.caretPlace() != oldCaret;
    if (lineArea)
        events_.repaint(hadSelection || viewMoved ? Repaint::Full : Repaint::CaretLine);
    else if (hadSelection || caret.selecting || viewMoved)
        events_.repaint(Repaint::Full);
    else if (moved)
        events_.repaint(Repaint::Light);
    if (moved)
        events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_MOUSE);
}

void MouseInput::textClick(const MouseHit& hit, bool shift) {
    editor_.setLineSelectMode(false);
    if (shift) {
        editor_.setSelectionEnds(editor_.caretPlace(), hit.place, hit.place);
    } else {
        editor_.setSelectionEnds(hit.place, hit.place, hit.place);
        dragAnchor_ = editor_.caretPlace(); // where a drag from here selects from
        mouseSelecting_ = true;
        host_.captureMouse();
    }
    editor_.scrollCaretIntoView();
}

void MouseInput::lineClick(const MouseHit& hit, bool shift) {
    int origin = hit.row;
    if (shift) {
        if (!editor_.caret().lineSelectMode)
            lineOriginRow_ = editor_.rowOfPlace(editor_.caretPlace());
        origin = lineOriginRow_;
    } else {
        lineOriginRow_ = origin;
        lineSelecting_ = true;
        host_.captureMouse();
    }
    const LineSelection lines = LinesBetween(editor_, origin, hit.row);
    editor_.setSelectionEnds(lines.anchor, lines.end, lines.caret);
    editor_.setLineSelectMode(true);
}

void MouseInput::move(int x, int y) {
    if (lineSelecting_)
        moveLineSelection(x, y);
    else if (mouseSelecting_)
        moveTextSelection(x, y);
    else
        hover(x, y);
}

void MouseInput::moveLineSelection(int x, int y) {
    const CaretState& caret = editor_.caret();
    const TextPlace oldCaret = editor_.caretPlace();
    const int oldTop = caret.topLine, oldColumn = caret.firstColumn;
    const LayoutMetrics& metrics = editor_.metrics();
    // The line under the mouse, kept to the visible rows.
    const int bottom = std::max(metrics.rulerHeight(), metrics.clientHeight() - 1);
    const MouseHit hit = MapMouse(editor_, x, std::clamp(y, metrics.rulerHeight(), bottom));
    const LineSelection lines = LinesBetween(editor_, lineOriginRow_, hit.row);
    editor_.setSelectionEnds(lines.anchor, lines.end, lines.caret);
    afterSelectionMove(oldCaret, oldTop, oldColumn, NIMBET_MOUSE_LINESELECT);
}

void MouseInput::moveTextSelection(int x, int y) {
    const CaretState& caret = editor_.caret();
    const TextPlace oldCaret = editor_.caretPlace();
    const int oldTop = caret.topLine, oldColumn = caret.firstColumn;
    const LayoutMetrics& metrics = editor_.metrics();

    // Above or below the text area the view scrolls one row per move.
    if (y < metrics.rulerHeight())
        editor_.setTopLine(caret.topLine - 1);
    else if (y >= metrics.clientHeight())
        editor_.setTopLine(caret.topLine + 1);
    const int bottom = std::max(metrics.rulerHeight(), metrics.clientHeight() - 1);
    const int rowY = std::clamp(y, metrics.rulerHeight(), bottom);

    // Left of the text area and right of the window it scrolls by a column,
    // to the right only while the line goes on beyond the window.
    if (!metrics.wrap) {
        if (x < metrics.lineNumberWidth()) {
            editor_.setFirstColumn(caret.firstColumn - 1);
        } else if (x >= metrics.clientWidth()) {
            const TextPlace under = MapMouse(editor_, metrics.lineNumberWidth(), rowY).place;
            const LineRecord& line = *editor_.buffer().lineAt(under.line);
            const long long width = LocateIndex(line, editor_.rowRule(), line.length).column;
            if (caret.firstColumn + metrics.visibleColumns() < width + 6)
                editor_.setFirstColumn(caret.firstColumn + 1);
        }
    }
    const int right = std::max(metrics.lineNumberWidth(), metrics.clientWidth() - 1);
    const MouseHit hit = MapMouse(editor_, std::clamp(x, metrics.lineNumberWidth(), right), rowY);
    editor_.setSelectionEnds(dragAnchor_, hit.place, hit.place);
    afterSelectionMove(oldCaret, oldTop, oldColumn, NIMBET_MOUSE_TEXTSELECT);
}

void MouseInput::afterSelectionMove(TextPlace oldCaret, int oldTop, int oldColumn, int mouseCode) {
    const CaretState& caret = editor_.caret();
    const TextPlace now = editor_.caretPlace();
    if (oldTop != caret.topLine || oldColumn != caret.firstColumn)
        events_.repaint(Repaint::Full);
    else
        events_.repaintLines(std::min(oldCaret.line, now.line), std::max(oldCaret.line, now.line));
    events_.notify(NIMBET_NOTIFY_MOUSE, mouseCode);
    if (now != oldCaret) {
        events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_MOUSE);
        events_.notify(NIMBET_NOTIFY_SELCLEARED, 0);
    }
}

void MouseInput::hover(int x, int y) {
    const MouseHit hit = MapMouse(editor_, x, y);
    CursorShape shape = CursorShape::Arrow;
    int code = NIMBET_MOUSE_TEXT;
    switch (hit.area) {
    case MouseArea::LineNumbers:
        shape = CursorShape::LineSelect;
        code = NIMBET_MOUSE_LINENUMBERS;
        break;
    case MouseArea::Ruler:
        code = NIMBET_MOUSE_RULER;
        break;
    case MouseArea::Outside:
        break;
    case MouseArea::Text: {
        const LineRecord& line = *editor_.buffer().lineAt(hit.place.line);
        const LinkSpan link =
            LinkAt(line.text, line.length, hit.charIndex, editor_.metrics().get(kMetricClickable));
        if (link.kind == LinkKind::Url) {
            shape = CursorShape::Link;
            code = NIMBET_MOUSE_URL;
        } else if (link.kind == LinkKind::Mail) {
            shape = CursorShape::Link;
            code = NIMBET_MOUSE_MAIL;
        } else if (!(dragOutEnabled() && onSelectedText(hit.place))) {
            shape = CursorShape::IBeam;
        }
        break;
    }
    }
    host_.setCursor(shape);
    events_.notify(NIMBET_NOTIFY_MOUSE, code);
}

void MouseInput::buttonUp(int x, int y) {
    if (dragPending_) {
        // Released without dragging: a plain click into the selection.
        dragPending_ = false;
        const TextPlace oldCaret = editor_.caretPlace();
        editor_.clearSelection();
        editor_.pointCaret(MapMouse(editor_, x, y).place);
        editor_.scrollCaretIntoView();
        events_.repaint(Repaint::Full);
        host_.setCursor(CursorShape::IBeam);
        if (editor_.caretPlace() != oldCaret)
            events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_MOUSE);
    }
    if (lineSelecting_ || mouseSelecting_) {
        lineSelecting_ = mouseSelecting_ = false;
        host_.releaseMouse();
    }
    if (doubleClicked_) {
        doubleClicked_ = false;
        tripleWindow_ = true;
        host_.startTripleClickTimer();
    }
}

void MouseInput::doubleClick(int x, int y, bool shift) {
    const MouseHit hit = MapMouse(editor_, x, y);
    if (hit.area == MouseArea::LineNumbers) {
        buttonDown(x, y, shift); // the second press on a line number selects it again
        return;
    }
    if (hit.area != MouseArea::Text)
        return;
    const LineRecord& line = *editor_.buffer().lineAt(hit.place.line);
    const LinkSpan link = LinkAt(line.text, line.length, hit.charIndex, editor_.metrics().get(kMetricClickable));
    if (link.found()) {
        host_.openLink(LinkOpenText(line.text, line.length, link));
        return;
    }
    const TextPlace oldCaret = editor_.caretPlace();
    const WordRange word = WordAt(line, hit.charIndex >= 0 ? hit.charIndex : hit.place.pos - 1);
    const int n = hit.place.line;
    editor_.setLineSelectMode(false);
    editor_.setSelectionEnds({n, word.start + 1}, {n, word.end + 1}, {n, word.end + 1});
    editor_.scrollCaretIntoView();
    doubleClicked_ = true;
    events_.repaint(Repaint::Full);
    if (editor_.caretPlace() != oldCaret)
        events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_MOUSE);
}

void MouseInput::tripleClickTimerEnded() {
    host_.stopTripleClickTimer();
    tripleWindow_ = false;
}

void MouseInput::captureLost() noexcept {
    mouseSelecting_ = lineSelecting_ = false;
}

} // namespace nimbet
