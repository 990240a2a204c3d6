// The order of a frame: background, lines with their selection, the
// line-number area, the ruler, the separator, the copy to the window, and the
// caret-line underline drawn on the window itself.
#include "Painter.h"

#include <algorithm>

#include "CarryOver.h"
#include "LinePainter.h"
#include "VisibleLines.h"

namespace nimbet {

Painter::Painter(Editor& editor, const PaintSettings& settings, Surface& surface, WindowOverlay* overlay)
    : editor_(editor), settings_(settings), surface_(surface), overlay_(overlay),
      geometry_(ViewGeometry::Of(editor)) {}

int Painter::caretRow() const noexcept {
    return editor_.rowOfPlace(editor_.caretPlace());
}

void Painter::paintAll() {
    const int width = std::max(geometry_.clientWidth, geometry_.windowWidth);
    const int height = std::max(geometry_.clientHeight, geometry_.windowHeight);
    surface_.fill({0, 0, width, height}, settings_.colors[kColorBackground]);
    paintText(nullptr);
    paintMargins();
    finish(false);
}

void Painter::paintLines(int first, int last) {
    const Color background = settings_.colors[kColorBackground];
    surface_.fill({0, 0, geometry_.clientWidth, geometry_.rulerHeight}, background);
    surface_.fill({0, geometry_.rulerHeight, geometry_.numberWidth, geometry_.clientHeight}, background);
    const LineRange range{first, last};
    const bool carryChanged = paintText(&range);
    paintMargins();
    finish(true);
    if (carryChanged) // lines outside the range were drawn with the old state
        paintAll();
}

void Painter::paintLight() {
    strips_.clear();
    paintMargins();
    finish(true);
}

bool Painter::paintText(const LineRange* range) {
    const Emphasis& emphasis = editor_.emphasis();
    const LineStyler styler(emphasis, editor_.metrics().get(kMetricClickable), settings_.colors.palette());
    LinePainter painter(geometry_, settings_, editor_.metrics(), surface_);
    const SelectionRange selection = editor_.selection();
    bool carryChanged = false;
    strips_.clear();
    for (VisibleLines lines(editor_, geometry_); !lines.done(); lines.next()) {
        const int number = lines->number;
        if (range && (number < range->first || number > range->last))
            continue;
        LineRecord& line = *lines->line;
        if (range) {
            // The strip of the line's rows, as far as they lie in the client area.
            const long long bottom = lines->y + static_cast<long long>(lines->rows) * geometry_.rowHeight;
            const auto clip = [&](long long y) {
                return static_cast<int>(std::clamp<long long>(y, 0, geometry_.clientHeight));
            };
            const PixelRect strip{geometry_.numberWidth, clip(lines->y), geometry_.clientWidth, clip(bottom)};
            surface_.fill(strip, settings_.colors[kColorBackground]);
            strips_.push_back(strip);
        }
        if (styler.style(line, runs_)) {
            RecomputeCarryOver(&line); // the lines below are painted with the new state
            carryChanged = true;
        }
        painter.paint(line, line.next != nullptr, lines->y, runs_);
        painter.paintSelection(line, number, lines->y, selection);
    }
    return carryChanged;
}

void Painter::paintMargins() {
    std::vector<NumberRow> rows;
    if (geometry_.numberWidth > 0) {
        for (VisibleLines lines(editor_, geometry_); !lines.done(); lines.next()) {
            for (int r = 0; r < lines->rows; ++r) {
                const long long y = lines->y + static_cast<long long>(r) * geometry_.rowHeight;
                if (y >= geometry_.clientHeight)
                    break;
                if (y >= geometry_.rulerHeight)
                    rows.push_back({static_cast<int>(y), lines->firstRow + r, lines->line->mark});
            }
        }
    }
    MarginPainter margins(geometry_, settings_, editor_.metrics(), surface_);
    margins.paintLineNumbers(rows, caretRow());
    margins.paintRuler(editor_.caretColumn());
    margins.paintSeparator();
}

void Painter::finish(bool partial) {
    const int width = geometry_.clientWidth, height = geometry_.clientHeight;
    if (partial && overlay_) {
        surface_.present({0, 0, width, geometry_.rulerHeight});
        surface_.present({0, geometry_.rulerHeight, geometry_.numberWidth, height});
        for (const PixelRect& strip : strips_)
            surface_.present(strip);
        const int old = overlay_->underlineY;
        const auto holds = [old](const PixelRect& strip) { return old >= strip.top && old < strip.bottom; };
        if (old >= 0 && std::none_of(strips_.begin(), strips_.end(), holds))
            surface_.present({0, old, width, old + 1});
    } else {
        surface_.present({0, 0, width, height});
    }
    if (overlay_)
        overlay_->underlineY = -1;
    if (!settings_.marks[kMarkCaretUnderline] || editor_.selection().exists)
        return;
    const int row = caretRow();
    const int page = editor_.metrics().page();
    if (row < geometry_.topRow || row >= geometry_.topRow + page)
        return; // the caret's row is not on the screen
    const int y = static_cast<int>(geometry_.rowY(row + 1) - geometry_.lineSpacing);
    surface_.windowLine(geometry_.numberWidth, geometry_.windowWidth, y,
                        settings_.colors[kColorCaretUnderline]);
    if (overlay_)
        overlay_->underlineY = y;
}

} // namespace nimbet
