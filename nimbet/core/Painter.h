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

// What a frame drew on the window itself, over the copy of the back buffer:
// the caret-line underline. A frame that copies only part of the back buffer
// copies that pixel row too, so that an underline that moved leaves nothing
// behind.
struct WindowOverlay {
    int underlineY = -1; // -1: none
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
    void paintMargins();
    // Copies the client area, or for a partial frame with an overlay only the
    // margins, the repainted strips and the row of the last underline; then
    // draws the caret-line underline.
    void finish(bool partial);
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
