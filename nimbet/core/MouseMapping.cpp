// Mapping client coordinates to areas, display rows, text places and
// characters.
#include "MouseMapping.h"

#include <algorithm>

namespace nimbet {

namespace {

// Integer division rounding towards minus infinity (points above the text
// area give negative offsets).
long long FloorDiv(long long a, long long b) noexcept {
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

MouseArea AreaAt(const LayoutMetrics& metrics, int x, int y) noexcept {
    if (x < 0 || y < 0 || x >= metrics.clientWidth() || y >= metrics.clientHeight())
        return MouseArea::Outside;
    if (y < metrics.rulerHeight())
        return MouseArea::Ruler;
    if (x < metrics.lineNumberWidth())
        return MouseArea::LineNumbers;
    return MouseArea::Text;
}

RowOfText LineOfRow(const Editor& editor, int row) noexcept {
    const TextBuffer& buffer = editor.buffer();
    if (!editor.metrics().wrap)
        return {std::clamp(row, 1, buffer.lineCount()), 0};
    int rest = std::max(row, 1);
    int n = 1;
    const LineRecord* line = buffer.first();
    while (line->next && rest > line->rows) {
        rest -= line->rows;
        line = line->next;
        ++n;
    }
    return {n, std::min(rest, line->rows) - 1};
}

int IndexNearestPixel(const LineRecord& line, const RowRule& rule, int row, long long pixel,
                      int charWidth) noexcept {
    const long long cell = charWidth > 0 ? charWidth : 1;
    RowWalker walker(line, rule);
    while (!walker.atEnd() && walker.row() < row)
        walker.advance();
    const int targetRow = walker.row();
    while (!walker.atEnd()) {
        // The boundary between two characters lies at the middle of the first.
        if (2 * pixel < (2 * walker.column() + walker.charWidth()) * cell)
            return walker.index();
        walker.advance();
        if (walker.row() != targetRow)
            return walker.index(); // after the row's last character
    }
    return walker.index();
}

int IndexUnderPixel(const LineRecord& line, const RowRule& rule, int row, long long pixel,
                    int charWidth) noexcept {
    if (pixel < 0)
        return -1;
    const long long cell = charWidth > 0 ? charWidth : 1;
    RowWalker walker(line, rule);
    while (!walker.atEnd() && walker.row() < row)
        walker.advance();
    const int targetRow = walker.row();
    while (!walker.atEnd() && walker.row() == targetRow) {
        if (pixel < (walker.column() + walker.charWidth()) * cell)
            return walker.index();
        walker.advance();
    }
    return -1;
}

MouseHit MapMouse(const Editor& editor, int x, int y) noexcept {
    const LayoutMetrics& metrics = editor.metrics();
    const CaretState& caret = editor.caret();
    MouseHit hit;
    hit.area = AreaAt(metrics, x, y);

    const long long offset = FloorDiv(static_cast<long long>(y) - metrics.rulerHeight(), metrics.rowHeight());
    const long long row = std::clamp<long long>(caret.topLine + offset, 1, editor.totalRows());
    const RowOfText at = LineOfRow(editor, static_cast<int>(row));
    hit.row = static_cast<int>(row);
    hit.rowInLine = at.rowInLine;

    const LineRecord& line = *editor.buffer().lineAt(at.line);
    const RowRule rule = editor.rowRule();
    const int cell = metrics.charWidth();
    const long long pixel = static_cast<long long>(x) - metrics.lineNumberWidth() +
                            static_cast<long long>(caret.firstColumn - 1) * (cell > 0 ? cell : 1);
    hit.place = {at.line, IndexNearestPixel(line, rule, at.rowInLine, pixel, cell) + 1};
    hit.charIndex = IndexUnderPixel(line, rule, at.rowInLine, pixel, cell);
    return hit;
}

} // namespace nimbet
