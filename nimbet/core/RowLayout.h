// How one line lies on the screen: display columns (tabs expanded, double-byte
// characters two columns wide) and, when wrapping is on, its display rows. All
// byte-to-column and byte-to-row arithmetic of the editor goes through here.
#pragma once

#include "LineRecord.h"

namespace nimbet {

struct RowRule {
    int tabWidth = 4;
    bool wrap = false;
    int wrapColumns = 0; // the visible column count when wrapping
};

// Where a byte index lies: the display row within its line (0-based) and the
// column within that row (0-based).
struct RowPlace {
    int row = 0;
    long long column = 0;
};

// Walks a line character by character as the display lays it out. Wrapping:
// after each character, when the next one is double-byte and the count has
// reached columns - 1, a new row starts at column 0 (a double-byte character
// is never split); otherwise when the count has reached the column count a new
// row starts and the count drops by the column count.
class RowWalker {
public:
    RowWalker(const LineRecord& line, const RowRule& rule) noexcept;

    bool atEnd() const noexcept { return index_ >= line_.length; }
    int index() const noexcept { return index_; }
    int row() const noexcept { return row_; }
    long long column() const noexcept { return column_; }
    int charLength() const noexcept { return length_; }
    // Display width of the current character (a tab reaches the next stop).
    long long charWidth() const noexcept;
    void advance() noexcept;

private:
    void measure() noexcept;

    const LineRecord& line_;
    RowRule rule_;
    int index_ = 0;
    int length_ = 0;
    int row_ = 0;
    long long column_ = 0;
};

// Display rows of the line: 1 without wrapping.
int RowsOfLine(const LineRecord& line, const RowRule& rule) noexcept;

// Row and column of the place before byte `index` (index = length: the end).
RowPlace LocateIndex(const LineRecord& line, const RowRule& rule, int index) noexcept;

// The byte index a vertical move lands on in `row` (clamped to the line's rows)
// when aiming at `column`: the character where the column is reached exactly,
// before a tab or double-byte character that spans it, or the end of the row
// (its last character on a row that continues, the line end on the last row).
int IndexAtColumn(const LineRecord& line, const RowRule& rule, int row, long long column) noexcept;

// First byte index of `row`, and the last place of it that belongs to it (the
// start of its last character when the line continues on the next row, the
// line end on the last row).
int RowStartIndex(const LineRecord& line, const RowRule& rule, int row) noexcept;
int RowEndIndex(const LineRecord& line, const RowRule& rule, int row) noexcept;

} // namespace nimbet
