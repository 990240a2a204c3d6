// The order of a frame: background, lines with their selection, the
// line-number area, the ruler, the separator, the copy to the window, and the
// caret-line underline drawn on the window itself.
#include "Painter.h"

#include <algorithm>

#include "CarryOver.h"
#include "LinePainter.h"
#include "VisibleLines.h"

namespace nimbet {

namespace {
constexpr int kFarAway = 1 << 29; // beyond any window
} // namespace

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
    paintMargins(numberColumn(), false);
    finish(false, false);
}

void Painter::paintLines(int first, int last) {
    const Color background = settings_.colors[kColorBackground];
    const NumberColumn numbers = numberColumn();
    const bool keepNumbers = numbersShown(numbers);
    surface_.fill({0, 0, geometry_.clientWidth, geometry_.rulerHeight}, background);
    if (!keepNumbers)
        surface_.fill({0, geometry_.rulerHeight, geometry_.numberWidth, geometry_.clientHeight}, background);
    // Whatever the lines draw left of the text area would be covered by the
    // number column: while the column is kept, nothing may reach it.
    const PixelRect textSide{geometry_.numberWidth, 0, kFarAway, kFarAway};
    if (keepNumbers)
        surface_.clip(&textSide);
    const LineRange range{first, last};
    const bool carryChanged = paintText(&range);
    if (keepNumbers)
        surface_.clip(nullptr);
    paintMargins(numbers, keepNumbers);
    finish(true, keepNumbers);
    if (carryChanged) // lines outside the range were drawn with the old state
        paintAll();
}

void Painter::paintLight() {
    strips_.clear();
    const NumberColumn numbers = numberColumn();
    const bool keepNumbers = numbersShown(numbers);
    paintMargins(numbers, keepNumbers);
    finish(true, keepNumbers);
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

NumberColumn Painter::numberColumn() const {
    NumberColumn column;
    if (geometry_.numberWidth > 0) {
        for (VisibleLines lines(editor_, geometry_); !lines.done(); lines.next()) {
            for (int r = 0; r < lines->rows; ++r) {
                const long long y = lines->y + static_cast<long long>(r) * geometry_.rowHeight;
                if (y >= geometry_.clientHeight)
                    break;
                if (y >= geometry_.rulerHeight)
                    column.rows.push_back({static_cast<int>(y), lines->firstRow + r, lines->line->mark});
            }
        }
    }
    column.caretRow = caretRow();
    column.numberWidth = geometry_.numberWidth;
    column.rulerHeight = geometry_.rulerHeight;
    column.clientHeight = geometry_.clientHeight;
    column.lineHeight = geometry_.lineHeight;
    column.background = settings_.colors[kColorBackground];
    column.numbers = settings_.colors[kColorLineNumbers];
    column.caretMarker = settings_.colors[kColorCaretRowMarker];
    return column;
}

bool Painter::numbersShown(const NumberColumn& numbers) const noexcept {
    return overlay_ && overlay_->numbersKnown && overlay_->numbers == numbers;
}

void Painter::paintMargins(const NumberColumn& numbers, bool keepNumbers) {
    MarginPainter margins(geometry_, settings_, editor_.metrics(), surface_);
    if (!keepNumbers) {
        margins.paintLineNumbers(numbers.rows, numbers.caretRow);
        if (overlay_) {
            overlay_->numbers = numbers;
            overlay_->numbersKnown = true;
        }
    }
    margins.paintRuler(editor_.caretColumn());
    margins.paintSeparator();
}

void Painter::finish(bool partial, bool keptNumbers) {
    const int width = geometry_.clientWidth, height = geometry_.clientHeight;
    if (partial && overlay_) {
        surface_.present({0, 0, width, geometry_.rulerHeight});
        if (!keptNumbers)
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
