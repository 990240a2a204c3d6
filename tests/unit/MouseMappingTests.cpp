// Mapping client points to areas, rows, text places and characters: each
// character's boundary at its middle, tabs and double-byte characters as one
// wide character, the horizontal scroll origin, points below the text, and
// display rows when wrapping.
#include <gtest/gtest.h>

#include <string>

#include "EditorSketch.h"
#include "MouseMapping.h"

using namespace nimbet;

namespace {

// The sketch editor: 8 x 16 pixel characters, a 10 pixel ruler and 50 pixel
// line numbers, so column c starts at x = 50 + 8c and row r at y = 10 + 16(r - 1).
constexpr int kLeft = 50, kTop = 10, kCell = 8, kRow = 16;

int X(double column) { return kLeft + static_cast<int>(column * kCell); }
int Y(int row) { return kTop + (row - 1) * kRow + kRow / 2; }

const char* AreaName(MouseArea area) {
    switch (area) {
    case MouseArea::Text: return "text";
    case MouseArea::LineNumbers: return "numbers";
    case MouseArea::Ruler: return "ruler";
    case MouseArea::Outside: return "outside";
    }
    return "?";
}

} // namespace

TEST(MouseMapping, PointsMapToTheNearestBoundaryOfTheirLine) {
    SketchEditor s("ab\tc\n漢字x\nlast");
    struct Case {
        int x, y;
        const char* area;
        TextPlace place;
        int charIndex;
    } cases[] = {
        {X(0), Y(1), "text", {1, 1}, 0},
        {X(0) + 3, Y(1), "text", {1, 1}, 0},  // left half of a
        {X(0) + 4, Y(1), "text", {1, 2}, 0},  // its middle belongs to the next boundary
        {X(2) + 7, Y(1), "text", {1, 3}, 2},  // left half of the tab (columns 2-3)
        {X(2) + 8, Y(1), "text", {1, 4}, 2},  // right half of the tab
        {X(4) + 3, Y(1), "text", {1, 4}, 3},  // c
        {X(30), Y(1), "text", {1, 5}, -1},    // right of the line: its end
        {X(0) + 7, Y(2), "text", {2, 1}, 0},  // 漢 spans columns 0-1
        {X(1), Y(2), "text", {2, 3}, 0},
        {X(2) + 1, Y(2), "text", {2, 3}, 2},
        {X(3) + 7, Y(2), "text", {2, 5}, 2},
        {X(1), Y(3) + 7, "text", {3, 2}, 1},
        {X(1), Y(12), "text", {3, 2}, 1},     // below the text: the last line
        {X(1), 4, "ruler", {1, 2}, 1},       // the ruler lies above line 1
        {10, Y(2), "numbers", {2, 1}, -1},    // left of the text: the row's start
        {kLeft - 1, Y(1), "numbers", {1, 1}, -1},
        {-1, Y(1), "outside", {1, 1}, -1},
        {X(1), 296, "outside", {3, 2}, 1},   // below the client area
        {396, Y(1), "outside", {1, 5}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " y " << c.y);
        const MouseHit hit = MapMouse(s.editor, c.x, c.y);
        EXPECT_STREQ(AreaName(hit.area), c.area);
        EXPECT_EQ(hit.place, c.place);
        EXPECT_EQ(hit.charIndex, c.charIndex);
    }
}

TEST(MouseMapping, ScrollOriginShiftsRowsAndColumns) {
    std::string text;
    for (int i = 1; i <= 40; ++i)
        text += "line" + std::to_string(i) + "\n";
    SketchEditor s(text + "0123456789abcdef");
    s.editor.setTopLine(38);
    s.editor.setFirstColumn(5); // column 4 (0-based) is the first one shown
    struct Case {
        int x, y;
        TextPlace place;
    } cases[] = {
        {X(0), Y(1), {38, 5}},     // "line38": columns 4.. are "38"
        {X(0) + 3, Y(2), {39, 5}},
        {X(1) + 4, Y(3), {40, 7}}, // right half of column 5: after it
        {X(5), Y(4), {41, 10}},    // the last line, column 9
        {X(5), Y(9), {41, 10}},    // below its row: still the last line
        {X(40), Y(1), {38, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " y " << c.y);
        EXPECT_EQ(MapMouse(s.editor, c.x, c.y).place, c.place);
    }
    // Above the text area the rows go on above the top line.
    EXPECT_EQ(MapMouse(s.editor, X(0), kTop - 1).row, 37);
}

TEST(MouseMapping, WrappedLinesMapByDisplayRow) {
    // 43 visible columns: 100 letters make rows of 43, 43 and 14; after 42
    // letters a double-byte character no longer fits and opens the next row.
    SketchEditor s(std::string(100, 'a') + "\n" + std::string(42, 'b') + "漢c");
    s.editor.setWrapping(true, 0);
    struct Case {
        int x, y;
        int row, rowInLine;
        TextPlace place;
    } cases[] = {
        {X(0), Y(1), 1, 0, {1, 1}},
        {X(0), Y(2), 2, 1, {1, 44}},
        {X(2) + 4, Y(2), 2, 1, {1, 47}},
        {X(42) + 4, Y(1), 1, 0, {1, 44}}, // after the row's last letter: where the next row starts
        {X(50), Y(3), 3, 2, {1, 101}},    // right of the line's last row: the line end
        {X(41), Y(4), 4, 0, {2, 42}},
        {X(42) + 7, Y(4), 4, 0, {2, 43}}, // right of the row: before 漢, which opens row 5
        {X(0) + 7, Y(5), 5, 1, {2, 43}},
        {X(1), Y(5), 5, 1, {2, 45}},
        {X(9), Y(7), 5, 1, {2, 46}},      // below the text: the last row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " y " << c.y);
        const MouseHit hit = MapMouse(s.editor, c.x, c.y);
        EXPECT_EQ(hit.row, c.row);
        EXPECT_EQ(hit.rowInLine, c.rowInLine);
        EXPECT_EQ(hit.place, c.place);
    }
}
