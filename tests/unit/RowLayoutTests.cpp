// Display columns, the column-to-place mapping of vertical moves, and the
// wrapping rule.
#include <gtest/gtest.h>

#include <string>

#include "OwnedLine.h"

#include "RowLayout.h"

using namespace nimbet;

namespace {

using Line = OwnedLine;

} // namespace

TEST(RowLayout, ColumnsExpandTabsAndCountDoubleByteAsTwo) {
    struct Case {
        const char* text;
        int index;
        int tabWidth;
        long long column;
    } cases[] = {
        {"abc", 2, 4, 2},   {"\tx", 1, 4, 4},   {"ab\tx", 3, 4, 4}, {"abcd\tx", 5, 4, 8},
        {"ソ\tx", 3, 4, 4}, {"ソ表x", 4, 4, 4}, {"a\tb", 2, 8, 8},  {"表|", 3, 4, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " @" + std::to_string(c.index));
        Line line(c.text);
        EXPECT_EQ(LocateIndex(*line.record, {c.tabWidth, false, 0}, c.index).column, c.column);
    }
}

TEST(RowLayout, VerticalMovesLandOnTheColumnOrBeforeWhatSpansIt) {
    struct Case {
        const char* text;
        long long column;
        int index;
    } cases[] = {
        {"abcdef", 3, 3}, {"ab", 5, 2},   // short line: its end
        {"aソb", 2, 1},                   // before the double-byte character that spans column 2
        {"aソb", 3, 3},   {"a\tb", 2, 1}, // before the tab that spans column 2
        {"a\tb", 4, 2},   {"－－", 1, 0}, {"", 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " col " + std::to_string(c.column));
        Line line(c.text);
        EXPECT_EQ(IndexAtColumn(*line.record, {4, false, 0}, 0, c.column), c.index);
    }
}

TEST(RowLayout, WrappingCutsRowsAtTheVisibleColumns) {
    const RowRule rule{4, true, 40};
    Line hundred(std::string(100, 'x'));
    EXPECT_EQ(RowsOfLine(*hundred.record, rule), 3);
    EXPECT_EQ(RowsOfLine(*hundred.record, {4, false, 40}), 1) << "no wrapping";

    // A double-byte character that would take the 40th and 41st column moves on.
    Line wide(std::string(39, 'x') + "ソ" + "y");
    EXPECT_EQ(RowsOfLine(*wide.record, rule), 2);
    EXPECT_EQ(LocateIndex(*wide.record, rule, 39).row, 1);
    EXPECT_EQ(LocateIndex(*wide.record, rule, 39).column, 0);
    EXPECT_EQ(LocateIndex(*wide.record, rule, 41).column, 2);

    Line exact(std::string(40, 'x'));
    EXPECT_EQ(RowsOfLine(*exact.record, rule), 1) << "the line end opens no row of its own";

    // Row starts and ends, and moving into a continued row.
    EXPECT_EQ(RowStartIndex(*hundred.record, rule, 1), 40);
    EXPECT_EQ(RowEndIndex(*hundred.record, rule, 1), 79);
    EXPECT_EQ(RowEndIndex(*hundred.record, rule, 2), 100);
    EXPECT_EQ(IndexAtColumn(*hundred.record, rule, 1, 5), 45);
    EXPECT_EQ(IndexAtColumn(*hundred.record, rule, 2, 30), 100);
    EXPECT_EQ(IndexAtColumn(*wide.record, rule, 0, 45), 38) << "stays on the row's last character";
}
