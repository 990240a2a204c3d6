// The line-number area, the ruler and the separator line.
#include "MarginPainter.h"

#include <cstdio>

namespace nimbet {

namespace {
constexpr int kSeparatorGap = 4; // the numbers and the separator keep this far from the text
constexpr int kMarkBarWidth = 2;
} // namespace

Color MarkBarColor(int mark) noexcept {
    switch (mark) {
    case 1:
        return 0xFF0000;
    case 2:
        return 0x0000FF;
    case 3:
        return 0x00FF00;
    default:
        return 0;
    }
}

void MarginPainter::paintLineNumbers(const std::vector<NumberRow>& rows, int caretRow) {
    const int width = geometry_.numberWidth;
    if (width <= 0)
        return;
    const ColorTable& colors = settings_.colors;
    surface_.fill({0, geometry_.rulerHeight, width, geometry_.clientHeight}, colors[kColorBackground]);
    const TextLook look{FontChoice::Text, colors[kColorLineNumbers], false, 0};
    char label[16];
    for (const NumberRow& row : rows) {
        const int bottom = row.y + geometry_.lineHeight;
        if (row.row == caretRow)
            surface_.fill({0, row.y, width - kSeparatorGap, bottom}, colors[kColorCaretRowMarker]);
        const int n = std::snprintf(label, sizeof label, "%d", row.row);
        const int labelWidth = surface_.textWidth(label, n, FontChoice::Text);
        surface_.text(width - kSeparatorGap - labelWidth, row.y, label, n, look, 0);
        if (row.mark >= 1 && row.mark <= 3)
            surface_.fill({0, row.y, kMarkBarWidth, bottom}, MarkBarColor(row.mark));
    }
}

void MarginPainter::paintRuler(long long caretColumn) {
    const int height = geometry_.rulerHeight;
    if (height <= 0)
        return;
    const ColorTable& colors = settings_.colors;
    surface_.fill({0, 0, geometry_.clientWidth, height}, colors[kColorRulerBack]);
    const int caretX = geometry_.columnX(caretColumn);
    if (caretX >= geometry_.numberWidth && caretX < geometry_.clientWidth)
        surface_.fill({caretX, 0, caretX + geometry_.charWidth, height}, colors[kColorCaretColumnMarker]);

    const int labelY = height - surface_.fontHeight(FontChoice::Ruler);
    const TextLook look{FontChoice::Ruler, colors[kColorRulerNumbers], false, 0};
    const Color tick = colors[kColorRulerTicks];
    char label[16];
    const long long last = static_cast<long long>(geometry_.firstColumn) + geometry_.visibleColumns + 1;
    for (long long i = geometry_.firstColumn - 1; i <= last; ++i) {
        const int x = geometry_.columnX(i);
        if (i % 10 == 0) {
            surface_.line(x, 0, x, height, 0, tick);
            const int n = std::snprintf(label, sizeof label, "%lld", i);
            surface_.text(x + 2, labelY, label, n, look, 0);
        } else if (i % 5 == 0) {
            surface_.line(x, height / 4, x, height, 0, tick);
        } else {
            surface_.line(x, height * 8 / 9, x, height, 0, tick);
        }
    }
}

void MarginPainter::paintSeparator() {
    const int x = geometry_.numberWidth - kSeparatorGap;
    surface_.line(x, 0, x, geometry_.clientHeight, metrics_.get(kMetricSeparatorPen),
                  settings_.colors[kColorSeparator]);
}

} // namespace nimbet
