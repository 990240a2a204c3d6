// Row sums and remembered lines for display-row lookups.
#include "RowIndex.h"

#include <cstdlib>

namespace nimbet {

void RowIndex::reset(const LineRecord* first) noexcept {
    total_ = 0;
    for (const LineRecord* line = first; line; line = line->next)
        total_ += line->rows;
    for (Anchor& anchor : anchors_)
        anchor = Anchor{};
}

void RowIndex::lineInserted(int number, const LineRecord& fresh) noexcept {
    total_ += fresh.rows;
    for (Anchor& anchor : anchors_) {
        if (anchor.used && anchor.spot.number >= number) {
            ++anchor.spot.number;
            anchor.spot.rowsBefore += fresh.rows;
        }
    }
}

void RowIndex::lineRemoved(int number, const LineRecord& gone) noexcept {
    total_ -= gone.rows;
    for (Anchor& anchor : anchors_) {
        if (!anchor.used)
            continue;
        if (anchor.spot.line == &gone) {
            anchor = Anchor{};
        } else if (anchor.spot.number > number) {
            --anchor.spot.number;
            anchor.spot.rowsBefore -= gone.rows;
        }
    }
}

void RowIndex::rowsChanged(int number, int delta) noexcept {
    total_ += delta;
    for (Anchor& anchor : anchors_)
        if (anchor.used && anchor.spot.number > number)
            anchor.spot.rowsBefore += delta;
}

RowSpot RowIndex::nearestByLine(LineRecord* first, LineRecord* last, int lineCount,
                                int number) const noexcept {
    RowSpot best{first, 1, 0};
    int distance = number - 1;
    if (lineCount - number < distance) {
        best = {last, lineCount, total_ - last->rows};
        distance = lineCount - number;
    }
    for (const Anchor& anchor : anchors_) {
        if (anchor.used && std::abs(anchor.spot.number - number) < distance) {
            best = anchor.spot;
            distance = std::abs(anchor.spot.number - number);
        }
    }
    return best;
}

RowSpot RowIndex::nearestByRow(LineRecord* first, LineRecord* last, int lineCount, int row) const noexcept {
    RowSpot best{first, 1, 0};
    int distance = row - 1;
    const RowSpot end{last, lineCount, total_ - last->rows};
    if (std::abs(end.rowsBefore - row) < distance) {
        best = end;
        distance = std::abs(end.rowsBefore - row);
    }
    for (const Anchor& anchor : anchors_) {
        if (anchor.used && std::abs(anchor.spot.rowsBefore - row) < distance) {
            best = anchor.spot;
            distance = std::abs(anchor.spot.rowsBefore - row);
        }
    }
    return best;
}

void RowIndex::remember(const RowSpot& spot) const noexcept {
    ++clock_;
    Anchor* slot = &anchors_[0];
    for (Anchor& anchor : anchors_) {
        if (anchor.used && anchor.spot.line == spot.line) {
            slot = &anchor;
            break;
        }
        if (anchor.used < slot->used)
            slot = &anchor; // the empty or least recently used one
    }
    slot->spot = spot;
    slot->used = clock_;
}

RowSpot RowIndex::spotOfLine(LineRecord* first, LineRecord* last, int lineCount, int number) const noexcept {
    if (!first || number < 1 || number > lineCount)
        return {};
    RowSpot spot = nearestByLine(first, last, lineCount, number);
    while (spot.number < number) {
        spot.rowsBefore += spot.line->rows;
        spot.line = spot.line->next;
        ++spot.number;
    }
    while (spot.number > number) {
        spot.line = spot.line->prev;
        spot.rowsBefore -= spot.line->rows;
        --spot.number;
    }
    remember(spot);
    return spot;
}

RowSpot RowIndex::spotOfRow(LineRecord* first, LineRecord* last, int lineCount, int row) const noexcept {
    if (!first)
        return {};
    if (row > total_)
        row = total_;
    if (row < 1)
        row = 1;
    RowSpot spot = nearestByRow(first, last, lineCount, row);
    while (row > spot.rowsBefore + spot.line->rows && spot.line->next) {
        spot.rowsBefore += spot.line->rows;
        spot.line = spot.line->next;
        ++spot.number;
    }
    while (row <= spot.rowsBefore && spot.line->prev) {
        spot.line = spot.line->prev;
        spot.rowsBefore -= spot.line->rows;
        --spot.number;
    }
    remember(spot);
    return spot;
}

} // namespace nimbet
