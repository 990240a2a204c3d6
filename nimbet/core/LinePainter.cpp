// Drawing one line: characters in their run's look, collected into one text
// call per stretch; marks in their own colours; link underlines along the
// bottom pixel row of the cells, continued across a row wrap; and the
// selection rectangles of the line's rows.
#include "LinePainter.h"

#include <algorithm>

#include "RowLayout.h"

namespace nimbet {

LinePainter::LinePainter(const ViewGeometry& geometry, const PaintSettings& settings,
                         const LayoutMetrics& metrics, Surface& surface) noexcept
    : geometry_(geometry), settings_(settings), metrics_(metrics), surface_(surface) {}

void LinePainter::add(int x, int y, const char* bytes, int n, const TextLook& look) {
    if (!pending_.bytes.empty() && (pending_.y != y || pending_.nextX != x || !(pending_.look == look)))
        flush();
    if (pending_.bytes.empty()) {
        pending_.x = x;
        pending_.y = y;
        pending_.look = look;
    }
    pending_.bytes.append(bytes, static_cast<size_t>(n));
    pending_.nextX = x + n * geometry_.charWidth;
}

void LinePainter::flush() {
    if (pending_.bytes.empty())
        return;
    surface_.text(pending_.x, pending_.y, pending_.bytes.data(), static_cast<int>(pending_.bytes.size()),
                  pending_.look, geometry_.charWidth);
    pending_.bytes.clear();
}

void LinePainter::mark(int x, int y, const char* bytes, Color color, Color background) {
    flush();
    const int n = static_cast<int>(std::char_traits<char>::length(bytes));
    surface_.text(x, y, bytes, n, TextLook{FontChoice::Text, color, true, background}, geometry_.charWidth);
}

void LinePainter::underline(int fromX, int toX, int y) {
    if (!rowShows(y) || toX <= fromX)
        return;
    flush(); // the text's opaque cells would cover the line
    const int lineY = y + geometry_.lineHeight - 1;
    surface_.line(fromX, lineY, toX, lineY, link_.penStyle, link_.color);
}

void LinePainter::paint(const LineRecord& line, bool hasNext, long long firstY,
                        const std::vector<StyledRun>& runs) {
    const ColorTable& colors = settings_.colors;
    const MarkVisibility& marks = settings_.marks;
    const Color background = colors[kColorBackground];
    const long long firstVisible = geometry_.firstColumn - 1;
    link_ = OpenLink{};
    pending_.bytes.clear();

    RowWalker walker(line, geometry_.rule);
    size_t run = 0;
    bool cut = false; // the rest of the line lies beyond the client area
    while (!walker.atEnd()) {
        const int i = walker.index();
        const int n = walker.charLength();
        const int row = walker.row();
        const long long column = walker.column();
        const long long y = firstY + static_cast<long long>(row) * geometry_.rowHeight;
        const int x = geometry_.columnX(column);
        const int endX = geometry_.columnX(column + walker.charWidth());
        if (y >= geometry_.clientHeight || (!geometry_.wrap() && x >= geometry_.clientWidth)) {
            if (link_.open)
                underline(link_.startX, x, static_cast<int>(y));
            cut = true;
            break;
        }
        while (run + 1 < runs.size() && runs[run].end <= i)
            ++run;
        static const StyledRun kPlain{};
        const StyledRun& style = run < runs.size() ? runs[run] : kPlain;

        if (style.link.found() && i == style.link.begin) {
            const bool url = style.link.kind == LinkKind::Url;
            link_.open = true;
            link_.end = style.link.end;
            link_.startX = std::max(x, geometry_.numberWidth);
            link_.penStyle = metrics_.get(url ? kMetricUrlPen : kMetricMailPen);
            link_.color = colors[url ? kColorUrlUnderline : kColorMailUnderline];
        }

        if (rowShows(y) && column >= firstVisible) {
            const int cellY = static_cast<int>(y);
            const Color back = style.highlighted ? colors[kColorHighlightBack] : background;
            const char c = line.text[i];
            if (c == '\t' && n == 1) {
                if (marks[kMarkTab]) {
                    mark(x, cellY, kTabMark, colors[kColorTabMark], back);
                } else if (style.highlighted) {
                    flush();
                    surface_.fill({x, cellY, endX, cellY + geometry_.lineHeight}, back);
                }
            } else if (c == ' ' && n == 1 && marks[kMarkSpace]) {
                mark(x, cellY, kSpaceMark, colors[kColorSpaceMark], back);
            } else if (n == 2 && c == '\x81' && line.text[i + 1] == '\x40' && marks[kMarkWideSpace]) {
                mark(x, cellY, kWideSpaceMark, colors[kColorWideSpaceMark], back);
            } else {
                add(x, cellY, line.text + i, n,
                    TextLook{style.bold ? FontChoice::Bold : FontChoice::Text, style.color, true, back});
            }
        }

        walker.advance();
        if (link_.open && (walker.index() >= link_.end || walker.atEnd() || walker.row() != row)) {
            underline(link_.startX, endX, static_cast<int>(y));
            if (walker.index() >= link_.end || walker.atEnd())
                link_.open = false;
            else
                link_.startX = geometry_.columnX(0); // the underline goes on from the left margin
        }
    }

    if (!cut) {
        const long long y = firstY + static_cast<long long>(walker.row()) * geometry_.rowHeight;
        const int x = geometry_.columnX(walker.column());
        if (rowShows(y) && walker.column() >= firstVisible) {
            if (hasNext && marks[kMarkLineEnd])
                mark(x, static_cast<int>(y), kLineEndMark, colors[kColorLineEndMark], background);
            else if (!hasNext && marks[kMarkEndOfText])
                mark(x, static_cast<int>(y), kEndOfTextMark, colors[kColorEndOfTextMark], background);
        }
    }
    flush();
}

void LinePainter::paintSelection(const LineRecord& line, int number, long long firstY,
                                 const SelectionRange& selection) {
    if (!selection.exists || number < selection.start.line || number > selection.finish.line)
        return;
    const int startIndex = number == selection.start.line ? selection.start.pos - 1 : 0;
    const int endIndex = number == selection.finish.line ? selection.finish.pos - 1 : line.length;
    const bool continues = number < selection.finish.line; // the line break is selected too
    const RowPlace from = LocateIndex(line, geometry_.rule, startIndex);
    const RowPlace to = LocateIndex(line, geometry_.rule, endIndex);
    const int rop = metrics_.get(kMetricSelectionRop);
    for (int row = from.row; row <= to.row; ++row) {
        const long long y = firstY + static_cast<long long>(row) * geometry_.rowHeight;
        if (y >= geometry_.clientHeight)
            break;
        if (!rowShows(y))
            continue;
        int left = row == from.row ? geometry_.columnX(from.column) : geometry_.columnX(0);
        int right = row == to.row ? geometry_.columnX(to.column) : geometry_.wrapRight();
        if (row == to.row && continues)
            right += 2 * geometry_.charWidth;
        left = std::max(left, geometry_.numberWidth);
        const PixelRect rect{left, static_cast<int>(y), right, static_cast<int>(y) + geometry_.rowHeight};
        if (!rect.empty())
            surface_.selection(rect, rop);
    }
}

} // namespace nimbet
