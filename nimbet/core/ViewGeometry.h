// Where things lie in the control, in pixels: the ruler across the top, the
// line-number area at the left, and the text cells of display rows and
// columns. Taken from an editor's metrics and scroll origin at one moment.
#pragma once

#include <climits>

#include "Editor.h"

namespace nimbet {

struct ViewGeometry {
    int charWidth = 0;
    int lineHeight = 0;
    int lineSpacing = 0;
    int rowHeight = 1;
    int rulerHeight = 0;
    int numberWidth = 0; // the line-number area, separator included
    int clientWidth = 0, clientHeight = 0;
    int windowWidth = 0, windowHeight = 0;
    int visibleColumns = 0;
    int firstColumn = 1; // 1-based, as in the caret state
    int topRow = 1;      // the first visible line, or display row when wrapping
    RowRule rule;

    static ViewGeometry Of(const Editor& editor) noexcept {
        const LayoutMetrics& metrics = editor.metrics();
        ViewGeometry g;
        g.charWidth = metrics.charWidth();
        g.lineHeight = metrics.lineHeight();
        g.lineSpacing = metrics.lineSpacing();
        g.rowHeight = metrics.rowHeight();
        g.rulerHeight = metrics.rulerHeight();
        g.numberWidth = metrics.lineNumberWidth();
        g.clientWidth = metrics.clientWidth();
        g.clientHeight = metrics.clientHeight();
        g.windowWidth = metrics.windowWidth();
        g.windowHeight = metrics.windowHeight();
        g.visibleColumns = metrics.visibleColumns();
        g.firstColumn = editor.caret().firstColumn;
        g.topRow = editor.caret().topLine;
        g.rule = editor.rowRule();
        return g;
    }

    bool wrap() const noexcept { return rule.wrap; }

    // x of display column k (0-based) of a row, kept inside int.
    int columnX(long long k) const noexcept {
        const long long x = (k - firstColumn + 1) * charWidth + numberWidth;
        return x > INT_MAX / 2 ? INT_MAX / 2 : x < INT_MIN / 2 ? INT_MIN / 2 : static_cast<int>(x);
    }
    // The right end of a row that continues on the next one.
    int wrapRight() const noexcept { return visibleColumns * charWidth + numberWidth; }
    // y of the row `row` (absolute display row, or line without wrapping).
    long long rowY(long long row) const noexcept { return rulerHeight + (row - topRow) * rowHeight; }
};

} // namespace nimbet
