// Turns one line into styled runs: the emphasis rules, the highlight string
// and the clickable links decide each byte's colour, font and underline. A
// painter only has to draw the runs.
#pragma once

#include <vector>

#include "Emphasis.h"
#include "LineRecord.h"
#include "LinkFinder.h"

namespace nimbet {

// The colours of the colour table that styling needs (defaults as there).
struct StylePalette {
    Color normalText = 0x000000;    // kind 6
    Color urlText = 0xFF0000;       // kind 14
    Color mailText = 0x5E2BAA;      // kind 15
    Color highlightText = 0xFF0000; // kind 16
    Color highlightBack = 0x00B2FF; // kind 17
};

// Bytes [begin, end) drawn alike. Runs never split a double-byte character.
struct StyledRun {
    int begin = 0;
    int end = 0;
    Color color = 0;          // text colour after highlight > mail > URL > rule
    bool bold = false;        // draw with the bold font
    bool highlighted = false; // draw on the highlight background
    LinkSpan link;            // the link this run lies in; its underline spans link.begin..link.end
};

class LineStyler {
  public:
    // `clickable` is the clickable-flags setting (ClickableBit).
    LineStyler(const Emphasis& emphasis, int clickable, const StylePalette& palette) noexcept
        : emphasis_(emphasis), clickable_(clickable), palette_(palette) {}

    // Evaluates `line` from its openAtStart state, fills `runs` (covering the
    // whole line in order, none for an empty line) and refreshes the line's
    // openedHere and closedHere. Returns true when those two changed: the
    // caller then recomputes the carry-over from this line (RecomputeCarryOver)
    // and repaints the whole control.
    bool style(LineRecord& line, std::vector<StyledRun>& runs) const;

  private:
    const Emphasis& emphasis_;
    int clickable_;
    StylePalette palette_;
};

} // namespace nimbet
