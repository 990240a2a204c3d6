// What the painter draws on: a back buffer with a few drawing operations, and
// the window it is copied to. The painter decides everything; a surface only
// carries the calls out (GDI in the library, a recorder in the tests).
#pragma once

#include <cstdint>

#include "EmphasisTable.h"

namespace nimbet {

// Pixels [left, right) x [top, bottom).
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool empty() const noexcept { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

enum class FontChoice : std::uint8_t { Text, Bold, Ruler };

// How a piece of text is drawn. Transparent text leaves the pixels between
// the glyphs as they are; opaque text fills its cells with `background`.
struct TextLook {
    FontChoice font = FontChoice::Text;
    Color color = 0;
    bool opaque = false;
    Color background = 0;
    bool operator==(const TextLook&) const = default;
};

class Surface {
  public:
    virtual ~Surface() = default;

    // ---- The back buffer

    virtual void fill(const PixelRect& rect, Color color) = 0;
    // Draws n Shift_JIS bytes with the top-left corner at (x, y). With a
    // cellWidth every byte advances that many pixels (a double-byte character
    // two cells); with 0 the font's own advance is used.
    virtual void text(int x, int y, const char* bytes, int n, const TextLook& look, int cellWidth) = 0;
    // A one-pixel line from (x1, y1) up to, not including, (x2, y2), with a
    // pen style of the platform (0 solid, 1 dashed, 2 dotted, ...).
    virtual void line(int x1, int y1, int x2, int y2, int penStyle, Color color) = 0;
    // The selection: the rectangle combined with white by the raster
    // operation `rop` (a ROP2 code; 7 = XOR inverts).
    virtual void selection(const PixelRect& rect, int rop) = 0;

    // Limits the drawing to `rect` until clip(nullptr).
    virtual void clip(const PixelRect* rect) = 0;

    // Width in pixels of n bytes in a font, and a font's height (that of "i").
    virtual int textWidth(const char* bytes, int n, FontChoice font) = 0;
    virtual int fontHeight(FontChoice font) = 0;

    // ---- The window

    // Copies one rectangle of the back buffer to the same place on the window.
    virtual void present(const PixelRect& rect) = 0;
    // A solid horizontal line drawn on the window itself, over the copy.
    virtual void windowLine(int x1, int x2, int y, Color color) = 0;
};

} // namespace nimbet
