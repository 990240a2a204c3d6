// Paints a frame of the control into a surface's back buffer and copies it to
// the window: the whole control, only some lines, or (light) only the parts
// that follow the caret. Styling a line refreshes its multi-line emphasis
// state; when that changes, the carry-over of the lines below is recomputed.
#pragma once

#include <vector>

#include "Editor.h"
#include "LineStyler.h"
#include "MarginPainter.h"
#include "PaintSettings.h"
#include "Surface.h"
#include "ViewGeometry.h"

namespace nimbet {

// What the line-number column shows: everything its painting depends on but
// the font (the window forgets the column when the font changes).
struct NumberColumn {
    std::vector<NumberRow> rows;
    int caretRow = 0;
    int numberWidth = 0, rulerHeight = 0, clientHeight = 0, lineHeight = 0;
    Color background = 0, numbers = 0, caretMarker = 0;
    bool operator==(const NumberColumn&) const = default;
};

// What the window holds beyond a single frame. The caret-line underline is
// drawn on the window itself, over the copy of the back buffer: a frame that
// copies only part of the back buffer copies that pixel row too, so that an
// underline that moved leaves nothing behind. The line-number column as last
// painted: a partial frame that would paint the same column leaves it as the
// back buffer and the window hold it.
struct WindowOverlay {
    int underlineY = -1; // -1: none
    bool numbersKnown = false;
    NumberColumn numbers;
};

class Painter {
  public:
    // Without an overlay every frame copies the whole client area.
    Painter(Editor& editor, const PaintSettings& settings, Surface& surface,
            WindowOverlay* overlay = nullptr);

    // Everything: background, text, selection, margins, copy, caret-line underline.
    void paintAll();
    // Only lines first..last on a fresh background strip (and the margins).
    // When a line's multi-line state changed, everything is painted again.
    void paintLines(int first, int last);
    // The margins only; the text in the back buffer stays as it was.
    void paintLight();

  private:
    struct LineRange {
        int first, last;
    };
    // Paints the visible lines (those in `range` when given); true when a
    // line's multi-line state changed.
    bool paintText(const LineRange* range);
    NumberColumn numberColumn() const;
    // True when the window already shows `numbers` (only partial frames keep it).
    bool numbersShown(const NumberColumn& numbers) const noexcept;
    void paintMargins(const NumberColumn& numbers, bool keepNumbers);
    // Copies the client area, or for a partial frame with an overlay only the
    // ruler, the number column unless kept, the repainted strips and the row
    // of the last underline; then draws the caret-line underline.
    void finish(bool partial, bool keptNumbers);
    int caretRow() const noexcept;

    Editor& editor_;
    const PaintSettings& settings_;
    Surface& surface_;
    WindowOverlay* overlay_;
    ViewGeometry geometry_;
    std::vector<StyledRun> runs_;
    std::vector<PixelRect> strips_; // of the lines a partial frame repainted
};

} // namespace nimbet
