// The colour picker's palette without windows.h: the 40 named colours, where
// the cells and the two text boxes lie, which place a point hits, how the
// arrow keys move the highlight, and where the palette opens on the screen.
#pragma once

#include <array>
#include <cstdint>

#include "Box.h"

namespace quiltmark {

// A colour as 0x00BBGGRR; kDefaultColour stands for "the default colour" and
// is never painted as such.
using Colour = std::uint32_t;
constexpr Colour kDefaultColour = 0xFF000000u;
constexpr Colour MakeColour(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
}

struct NamedColour {
    const char* name; // the cell's tooltip
    Colour colour;
};

constexpr int kPaletteColumns = 8;
constexpr int kPaletteColourCount = 40;
constexpr int kPaletteRows = (kPaletteColourCount + kPaletteColumns - 1) / kPaletteColumns;
constexpr int kPaletteCellSize = 18;

// The palette's colours in cell order, row by row.
extern const std::array<NamedColour, kPaletteColourCount> kPaletteColours;

// Places in the palette besides the cells 0..39.
constexpr int kDefaultBox = -3;
constexpr int kCustomBox = -2;
constexpr int kNoPlace = -1;

// The pixel size of a box's text; an empty text has no box.
struct TextSize {
    int width = 0, height = 0;
    bool present() const { return width > 0 || height > 0; }
};

// The palette window's layout in client coordinates: a margin all round,
// the default box (when it has a text) above the cells and the custom box
// below them, both as wide as the cells or as their text needs.
class PaletteLayout {
  public:
    PaletteLayout(int margin, TextSize defaultText, TextSize customText);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool HasDefaultBox() const { return hasDefault_; }
    bool HasCustomBox() const { return hasCustom_; }
    Box Cell(int index) const;
    const Box& DefaultBox() const { return defaultBox_; }
    const Box& CustomBox() const { return customBox_; }
    // The place under a client point: a cell, a box, or kNoPlace.
    int HitTest(int x, int y) const;

  private:
    int margin_;
    bool hasDefault_, hasCustom_;
    int width_ = 0, height_ = 0;
    int cellsTop_ = 0;
    Box defaultBox_, customBox_;
};

enum class PaletteKey { Left, Right, Up, Down };

// The highlight after an arrow key. The cells run row by row, Right and Left
// wrapping into the next or previous row; the default box lies before the
// first row and the custom box after the last one. From nothing highlighted
// any arrow reaches the first cell; at either end of the palette the
// highlight stays where it is.
int MovePaletteHighlight(int current, PaletteKey key, bool hasDefaultBox, bool hasCustomBox);

// The place highlighted when the palette opens with `colour`: its cell; the
// default box for kDefaultColour; the custom box for any other colour; or
// kNoPlace when the box needed is missing.
int InitialPaletteHighlight(Colour colour, bool hasDefaultBox, bool hasCustomBox);

// The colour a place stands for: a cell's colour, kDefaultColour for the
// default box, and the colour at opening for the custom box (and nothing).
Colour PaletteColourAt(int place, Colour openingColour);

// Where the palette window goes: it opens at the button's bottom-left corner;
// a window passing the screen's right edge moves left by the excess, one left
// of the screen moves right to its edge, and one passing the bottom opens
// above the button instead.
Box PlacePalette(int width, int height, const Box& buttonOnScreen, int screenWidth, int screenHeight);

} // namespace quiltmark
