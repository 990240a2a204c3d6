// Keyboard movement of the caret, selection by Shift, the goal column of
// vertical moves, display rows, and keeping the caret in view.
#include <algorithm>

#include "CharSteps.h"
#include "Editor.h"

namespace nimbet {

RowRule Editor::rowRule() const noexcept {
    return {metrics_.tabWidth(), metrics_.wrap, metrics_.visibleColumns()};
}

int Editor::rowsBefore(int line) const noexcept {
    if (!metrics_.wrap)
        return line - 1;
    return buffer_.rowsBefore(std::clamp(line, 1, buffer_.lineCount()));
}

int Editor::rowOfPlace(TextPlace place) const noexcept {
    if (!metrics_.wrap)
        return place.line;
    return rowsBefore(place.line) + LocateIndex(lineRef(place.line), rowRule(), place.pos - 1).row + 1;
}

int Editor::totalRows() const noexcept {
    return metrics_.wrap ? buffer_.totalRows() : buffer_.lineCount();
}

TextPlace Editor::placeAtRow(int row, long long column) const noexcept {
    const RowRule rule = rowRule();
    if (!metrics_.wrap) {
        const int n = std::clamp(row, 1, buffer_.lineCount());
        return {n, IndexAtColumn(lineRef(n), rule, 0, column) + 1};
    }
    const RowSpot spot = buffer_.lineOfRow(row);
    const int rest = std::max(row, 1) - spot.rowsBefore;
    return {spot.number, IndexAtColumn(*spot.line, rule, rest - 1, column) + 1};
}

long long Editor::goalColumn() const noexcept {
    const TextPlace goal = clampPlace({caret_.goalLine, caret_.goalPos});
    const RowRule rule = rowRule();
    GoalCache& cache = goalCache_;
    if (cache.valid && cache.goal == goal && cache.version == textVersion_ &&
        cache.rule.tabWidth == rule.tabWidth && cache.rule.wrap == rule.wrap &&
        cache.rule.wrapColumns == rule.wrapColumns)
        return cache.column;
    cache.goal = goal;
    cache.version = textVersion_;
    cache.rule = rule;
    cache.column = LocateIndex(lineRef(goal.line), rule, goal.pos - 1).column;
    cache.valid = true;
    return cache.column;
}

void Editor::extendSelection(TextPlace oldCaret) {
    const TextPlace now = caretPlace();
    if (!caret_.selecting) {
        if (now != oldCaret)
            selectRange(oldCaret, now);
        return;
    }
    caret_.endLine = now.line;
    caret_.endPos = now.pos;
    const TextPlace anchor{caret_.anchorLine, caret_.anchorPos};
    caret_.forward = anchor < now;
    if (anchor == now)
        clearSelection();
}

void Editor::moveCaret(EditorKey key, bool shift, bool ctrl) {
    const TextPlace old = caretPlace();
    const LineRecord& line = lineRef(old.line);
    const RowRule rule = rowRule();
    const int page = metrics_.page();
    int& top = caret_.topLine;
    bool touchesSelection = true;

    switch (key) {
    case EditorKey::Left:
        if (old.pos > 1)
            setCaret({old.line, CharStartBefore(line, old.pos - 1) + 1});
        else if (old.line > 1)
            setCaret({old.line - 1, lineRef(old.line - 1).length + 1});
        else
            setCaret(old);
        break;
    case EditorKey::Right:
        if (old.pos <= line.length)
            setCaret({old.line, old.pos + CharLengthAt(line, old.pos - 1)});
        else if (old.line < buffer_.lineCount())
            setCaret({old.line + 1, 1});
        else
            setCaret(old);
        break;
    case EditorKey::Up: {
        if (ctrl) {
            top = std::max(1, top - 1);
            touchesSelection = false;
            break;
        }
        const int row = rowOfPlace(old);
        if (row <= 1) {
            setCaret({old.line, 1});
            break;
        }
        setCaretKeepGoal(placeAtRow(row - 1, goalColumn()));
        if (row - 1 < top)
            top = std::max(1, top - 1);
        break;
    }
    case EditorKey::Down: {
        const int rows = totalRows();
        if (ctrl) {
            if (top < rows)
                ++top;
            touchesSelection = false;
            break;
        }
        const int row = rowOfPlace(old);
        if (row >= rows) {
            setCaret({old.line, line.length + 1});
            break;
        }
        setCaretKeepGoal(placeAtRow(row + 1, goalColumn()));
        if (row + 1 >= top + page - 1)
            ++top;
        break;
    }
    case EditorKey::Home:
        if (ctrl) {
            setCaret({1, 1});
            top = 1;
        } else if (metrics_.wrap) {
            const int row = LocateIndex(line, rule, old.pos - 1).row;
            setCaret({old.line, RowStartIndex(line, rule, row) + 1});
        } else {
            setCaret({old.line, 1});
        }
        caret_.firstColumn = 1;
        break;
    case EditorKey::End:
        if (ctrl) {
            setCaret({buffer_.lineCount(), buffer_.last()->length + 1});
        } else if (metrics_.wrap) {
            const int row = LocateIndex(line, rule, old.pos - 1).row;
            setCaret({old.line, RowEndIndex(line, rule, row) + 1});
        } else {
            setCaret({old.line, line.length + 1});
        }
        break;
    case EditorKey::PageUp:
    case EditorKey::PageDown: {
        const int row = rowOfPlace(old);
        const int base = row < top || row >= top + page ? top : row;
        const int rows = totalRows();
        if (key == EditorKey::PageUp) {
            setCaretKeepGoal(placeAtRow(std::max(1, base - page), goalColumn()));
            top = std::max(1, top - page);
        } else {
            setCaretKeepGoal(placeAtRow(std::min(rows, base + page), goalColumn()));
            top = std::min(top + page, rows);
        }
        break;
    }
    default:
        return;
    }

    if (!touchesSelection)
        return;
    if (shift)
        extendSelection(old);
    else if (caret_.selecting)
        clearSelection();
}

void Editor::scrollCaretIntoView() {
    const LineRecord& line = lineRef(caret_.caretLine);
    const RowRule rule = rowRule();
    if (!metrics_.wrap) {
        const long long k = LocateIndex(line, rule, caret_.caretPos - 1).column;
        const long long columns = metrics_.visibleColumns();
        const long long first = caret_.firstColumn;
        if (!(first - 1 <= k && k < first - 1 + columns)) {
            long long column = k - columns * 2 / 3;
            column = std::min(column, kMaxColumns - columns);
            caret_.firstColumn = static_cast<int>(std::max(column, 1LL));
        }
    }
    const int row = rowOfPlace(caretPlace());
    const int page = metrics_.page();
    if (!(caret_.topLine <= row && row < caret_.topLine + page - 1)) {
        const int top = std::min(row - page * 2 / 3, totalRows());
        caret_.topLine = std::max(top, 1);
    }
}

bool Editor::refreshRows(LineRecord& line, int number) noexcept {
    const int rows = RowsOfLine(line, rowRule());
    const bool changed = rows != line.rows;
    buffer_.setRows(line, number, rows);
    return changed && metrics_.wrap;
}

void Editor::refreshRows(int firstLine, int count) noexcept {
    LineRecord* line = buffer_.lineAt(firstLine);
    for (int i = 0; i < count && line; ++i, line = line->next)
        refreshRows(*line, firstLine + i);
}

void Editor::refreshAllRows() {
    // The line at the top stays at the top: find it by the rows as they were,
    // and give topLine its new first row.
    const int topText = buffer_.lineOfRow(caret_.topLine).number;
    int n = 1;
    for (LineRecord* line = buffer_.first(); line; line = line->next, ++n)
        refreshRows(*line, n);
    caret_.topLine = std::clamp(buffer_.rowsBefore(topText) + 1, 1, totalRows());
}

void Editor::relayoutRows() {
    refreshAllRows();
    changed();
}

void Editor::setWrapping(bool wrap, int column) {
    metrics_.lapelColumn = column;
    if (wrap && !metrics_.wrap) {
        metrics_.wrap = true;
        refreshAllRows(); // topLine becomes the first row of the top line
    } else if (!wrap && metrics_.wrap) {
        metrics_.wrap = false;
        refreshAllRows(); // topLine becomes the line that held the top row
    } else if (wrap) {
        refreshAllRows();
    }
    caret_.firstColumn = 1;
    changed();
}

} // namespace nimbet
