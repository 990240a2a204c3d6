// Defaults and checks of the colour table and the mark switches.
#include "PaintSettings.h"

namespace nimbet {

ColorTable::ColorTable() noexcept
    : colors_{
          0x2BB5C8, // tab mark
          0x9696FF, // half-width space mark
          0x9696FF, // full-width space mark
          0x5F30C0, // caret-line underline
          0xCB5288, // line-end mark
          0xBFCF4E, // end-of-text mark
          0x000000, // normal text
          0xB87430, // line numbers
          0x85B129, // separator line
          0x36E6EF, // caret-row marker
          0x000000, // ruler numbers
          0xD8E9EC, // ruler background
          0x000000, // ruler ticks
          0xC8C800, // caret-column marker
          0xFF0000, // URL text
          0x5E2BAA, // mail-address text
          0xFF0000, // highlight text
          0x00B2FF, // highlight background
          0xFFFFFF, // background of text and line numbers
          0xFF0000, // URL underline
          0x5E2BAA, // mail-address underline
      } {}

NimbetResult ColorTable::set(int kind, Color color) noexcept {
    if (kind < 0 || kind >= kColorKinds)
        return NIMBET_BADARG;
    colors_[kind] = color;
    return NIMBET_OK;
}

StylePalette ColorTable::palette() const noexcept {
    StylePalette palette;
    palette.normalText = colors_[kColorText];
    palette.urlText = colors_[kColorUrlText];
    palette.mailText = colors_[kColorMailText];
    palette.highlightText = colors_[kColorHighlightText];
    palette.highlightBack = colors_[kColorHighlightBack];
    return palette;
}

MarkVisibility::MarkVisibility() noexcept : visible_{true, true, true, true, true, true} {}

NimbetResult MarkVisibility::set(int kind, bool visible) noexcept {
    if (kind < 0 || kind >= kMarkKinds)
        return NIMBET_BADARG;
    visible_[kind] = visible;
    return NIMBET_OK;
}

} // namespace nimbet
