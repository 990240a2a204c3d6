// Display-row arithmetic over the line list: the sum of every line's rows and
// a few remembered lines with the rows before them, so that finding the line
// of a display row (or the rows above a line) walks only from the nearest
// known line instead of from the top of the text.
#pragma once

#include "LineRecord.h"

namespace nimbet {

// A line with its number and the display rows of all lines above it.
struct RowSpot {
    LineRecord* line = nullptr;
    int number = 0;
    int rowsBefore = 0;
};

class RowIndex {
  public:
    // The list was emptied or replaced by `first` alone.
    void reset(const LineRecord* first) noexcept;

    // Structural changes, reported by the text buffer as they happen.
    void lineInserted(int number, const LineRecord& fresh) noexcept; // `fresh` is now line `number`
    void lineAppended(const LineRecord& fresh) noexcept { total_ += fresh.rows; } // after the last line
    void lineRemoved(int number, const LineRecord& gone) noexcept;                // before it is freed
    void rowsChanged(int number, int delta) noexcept; // line `number` grew by `delta` rows

    int totalRows() const noexcept { return total_; }

    // Line `number` (1..lineCount) with the rows above it.
    RowSpot spotOfLine(LineRecord* first, LineRecord* last, int lineCount, int number) const noexcept;
    // The line holding display row `row` (clamped to 1..totalRows).
    RowSpot spotOfRow(LineRecord* first, LineRecord* last, int lineCount, int row) const noexcept;

  private:
    static constexpr int kAnchors = 4;
    struct Anchor {
        RowSpot spot;
        unsigned used = 0; // 0: empty; otherwise the time of the last use
    };

    RowSpot nearestByLine(LineRecord* first, LineRecord* last, int lineCount, int number) const noexcept;
    RowSpot nearestByRow(LineRecord* first, LineRecord* last, int lineCount, int row) const noexcept;
    void remember(const RowSpot& spot) const noexcept;

    int total_ = 1;
    mutable Anchor anchors_[kAnchors];
    mutable unsigned clock_ = 0;
};

} // namespace nimbet
