// The layout and behaviour settings of one editor (the kinds of
// NimbetSetMetrics) and the pixel sizes the window measures, with the
// quantities derived from them: visible columns and the page.
#pragma once

#include "NimbetCodes.h"

namespace nimbet {

enum MetricsKind : int {
    kMetricTabWidth = 0,        // columns, > 0
    kMetricRulerHeight = 1,     // pixels, 0 hides the ruler
    kMetricLineNumberWidth = 2, // pixels, 0 hides the line numbers
    kMetricSelectionRop = 3,    // ROP2 code of the selection
    kMetricBoldWeight = 4,      // weight of the bold font
    kMetricWheelLines = 5,      // lines per wheel notch
    kMetricLineSpacing = 6,     // extra pixels between lines
    kMetricClickable = 7,       // 1 mail, 2 http:, 4 https:, 8 ftp:
    kMetricDragDrop = 8,        // drag-and-drop flags
    kMetricUrlPen = 9,          // pen style of URL underlines
    kMetricMailPen = 10,        // pen style of mail underlines
    kMetricSeparatorPen = 11,   // pen style of the separator line
    kMetricOverwrite = 12,      // typing mode; kept in the caret state, not here
    kMetricKinds = 13,
};

// Horizontal scrolling never goes beyond this many columns.
constexpr int kMaxColumns = 1024;

class LayoutMetrics {
public:
    LayoutMetrics() noexcept;

    // Checks and stores one setting. NIMBET_BADARG for an unknown kind or a
    // value the layout cannot use. Kind 12 is only checked: the caller applies it.
    NimbetResult set(int kind, int value) noexcept;
    // The stored value of a kind (0 for kind 12 and unknown kinds).
    int get(int kind) const noexcept;

    int tabWidth() const noexcept { return values_[kMetricTabWidth]; }
    int rulerHeight() const noexcept { return values_[kMetricRulerHeight]; }
    int lineNumberWidth() const noexcept { return values_[kMetricLineNumberWidth]; }
    int lineSpacing() const noexcept { return values_[kMetricLineSpacing]; }

    // Sizes measured by the window: the text font's cell, the window as last
    // placed, its client area and the width of a vertical scroll bar.
    void setFont(int charWidth, int lineHeight) noexcept;
    void setWindowSize(int width, int height) noexcept;
    void setClientSize(int width, int height) noexcept;
    void setScrollBarWidth(int width) noexcept { scrollBarWidth_ = width; }
    int charWidth() const noexcept { return charWidth_; }
    int lineHeight() const noexcept { return lineHeight_; }
    int windowWidth() const noexcept { return windowWidth_; }
    int windowHeight() const noexcept { return windowHeight_; }
    int clientWidth() const noexcept { return clientWidth_; }
    int clientHeight() const noexcept { return clientHeight_; }

    // Height of one display row: line height plus spacing, at least 1 pixel.
    int rowHeight() const noexcept;
    // Columns of text that fit beside the line numbers; 0 while no font is set.
    int visibleColumns() const noexcept;
    // Visible rows, counting a partly visible last row; at least 1.
    int page() const noexcept;

    // Wrapping at the right edge (rows are cut at the visible column count).
    bool wrap = false;
    int lapelColumn = 0;

private:
    int values_[kMetricKinds];
    int charWidth_ = 0, lineHeight_ = 0;
    int windowWidth_ = 200, windowHeight_ = 200;
    int clientWidth_ = 200, clientHeight_ = 200;
    int scrollBarWidth_ = 0;
};

} // namespace nimbet
