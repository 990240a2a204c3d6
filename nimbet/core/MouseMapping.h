// Where a point of the control's client area lies: the ruler, the line-number
// area, the text or outside the window, and which text place and character
// are under it. Clicks, drags, hovering and drops all map points here.
#pragma once

#include "Editor.h"
#include "LineRecord.h"
#include "RowLayout.h"

namespace nimbet {

enum class MouseArea { Text, LineNumbers, Ruler, Outside };

struct MouseHit {
    MouseArea area = MouseArea::Outside;
    int row = 1;         // absolute display row (the line number without wrapping)
    int rowInLine = 0;   // the row within its line
    TextPlace place;     // the nearest character boundary in that row
    int charIndex = -1;  // byte index of the character under the point, -1 right of the row
};

// Maps client coordinates. Points above the text area belong to the ruler,
// points below the last row map to the last row; in the row, a character's
// boundary lies at its middle (a tab counts as one wide character).
MouseHit MapMouse(const Editor& editor, int x, int y) noexcept;

// The area alone.
MouseArea AreaAt(const LayoutMetrics& metrics, int x, int y) noexcept;

// The line holding absolute display row `row` (clamped to the text) and the
// row within that line.
struct RowOfText {
    int line = 1;
    int rowInLine = 0;
};
RowOfText LineOfRow(const Editor& editor, int row) noexcept;

// In row `row` of the line, the boundary nearest to `pixel` pixels right of
// the row's column 0, with characters `charWidth` pixels per column.
int IndexNearestPixel(const LineRecord& line, const RowRule& rule, int row, long long pixel,
                      int charWidth) noexcept;

// The character whose cells hold `pixel` in row `row`; -1 right of the row.
int IndexUnderPixel(const LineRecord& line, const RowRule& rule, int row, long long pixel,
                    int charWidth) noexcept;

} // namespace nimbet
