// Defaults and checks of the layout settings, and the derived page and column
// counts.
#include "LayoutMetrics.h"

namespace nimbet {

LayoutMetrics::LayoutMetrics() noexcept
    : values_{
          4,    // tab width
          10,   // ruler height
          50,   // line-number width
          7,    // R2_XORPEN
          700,  // bold weight
          3,    // wheel lines
          0,    // line spacing
          15,   // all links clickable
          0x01, // drag mode move, dropping in and dragging out allowed
          2,    // PS_DOT
          2,    // PS_DOT
          0,    // PS_SOLID
          0,    // insert mode (not stored here)
      } {}

NimbetResult LayoutMetrics::set(int kind, int value) noexcept {
    if (kind < 0 || kind >= kMetricKinds)
        return NIMBET_BADARG;
    switch (kind) {
    case kMetricTabWidth:
        if (value <= 0)
            return NIMBET_BADARG;
        break;
    case kMetricRulerHeight:
    case kMetricLineNumberWidth:
    case kMetricLineSpacing:
        // Negative sizes would turn the page and the column count negative.
        if (value < 0)
            return NIMBET_BADARG;
        break;
    case kMetricOverwrite:
        return NIMBET_OK;
    default:
        break;
    }
    values_[kind] = value;
    return NIMBET_OK;
}

int LayoutMetrics::get(int kind) const noexcept {
    if (kind < 0 || kind >= kMetricKinds || kind == kMetricOverwrite)
        return 0;
    return values_[kind];
}

void LayoutMetrics::setFont(int charWidth, int lineHeight) noexcept {
    charWidth_ = charWidth > 0 ? charWidth : 0;
    lineHeight_ = lineHeight > 0 ? lineHeight : 0;
}

void LayoutMetrics::setWindowSize(int width, int height) noexcept {
    windowWidth_ = width;
    windowHeight_ = height;
}

void LayoutMetrics::setClientSize(int width, int height) noexcept {
    clientWidth_ = width;
    clientHeight_ = height;
}

int LayoutMetrics::rowHeight() const noexcept {
    const int height = lineHeight_ + lineSpacing();
    return height > 0 ? height : 1;
}

int LayoutMetrics::visibleColumns() const noexcept {
    if (charWidth_ <= 0)
        return 0;
    const int width = windowWidth_ - scrollBarWidth_ - lineNumberWidth() - 4;
    return width > 0 ? width / charWidth_ : 0;
}

int LayoutMetrics::page() const noexcept {
    const int rows = (clientHeight_ - rulerHeight()) / rowHeight() + 1;
    return rows > 0 ? rows : 1;
}

} // namespace nimbet
