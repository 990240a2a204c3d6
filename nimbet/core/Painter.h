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

class Painter {
  public:
    Painter(Editor& editor, const PaintSettings& settings, Surface& surface);

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
    void finish();
    int caretRow() const noexcept;

    Editor& editor_;
    const PaintSettings& settings_;
    Surface& surface_;
    ViewGeometry geometry_;
    std::vector<StyledRun> runs_;
};

} // namespace nimbet
