// The colours and the mark switches the painter draws with (the kinds of
// NimbetSetColor and NimbetSetMarkVisible), with their defaults.
#pragma once

#include "EmphasisTable.h"
#include "LineStyler.h"
#include "NimbetCodes.h"

namespace nimbet {

enum ColorKind : int {
    kColorTabMark = 0,
    kColorSpaceMark = 1,
    kColorWideSpaceMark = 2,
    kColorCaretUnderline = 3,
    kColorLineEndMark = 4,
    kColorEndOfTextMark = 5,
    kColorText = 6,
    kColorLineNumbers = 7,
    kColorSeparator = 8,
    kColorCaretRowMarker = 9,
    kColorRulerNumbers = 10,
    kColorRulerBack = 11,
    kColorRulerTicks = 12,
    kColorCaretColumnMarker = 13,
    kColorUrlText = 14,
    kColorMailText = 15,
    kColorHighlightText = 16,
    kColorHighlightBack = 17,
    kColorBackground = 18,
    kColorUrlUnderline = 19,
    kColorMailUnderline = 20,
    kColorKinds = 21,
};

enum MarkKind : int {
    kMarkTab = 0,
    kMarkSpace = 1,
    kMarkWideSpace = 2,
    kMarkCaretUnderline = 3,
    kMarkLineEnd = 4,
    kMarkEndOfText = 5,
    kMarkKinds = 6,
};

class ColorTable {
  public:
    ColorTable() noexcept;
    // NIMBET_BADARG for a kind outside the table.
    NimbetResult set(int kind, Color color) noexcept;
    Color operator[](ColorKind kind) const noexcept { return colors_[kind]; }
    // The colours line styling needs.
    StylePalette palette() const noexcept;

  private:
    Color colors_[kColorKinds];
};

class MarkVisibility {
  public:
    MarkVisibility() noexcept;
    NimbetResult set(int kind, bool visible) noexcept;
    bool operator[](MarkKind kind) const noexcept { return visible_[kind]; }

  private:
    bool visible_[kMarkKinds];
};

struct PaintSettings {
    ColorTable colors;
    MarkVisibility marks;
};

} // namespace nimbet
