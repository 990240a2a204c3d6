// The walk over the visible lines. Finding the top line costs the same at
// the end of a long text as at its start: the buffer's row lookup walks from
// the nearest line it knows.
#include "VisibleLines.h"

#include <algorithm>

namespace nimbet {

VisibleLines::VisibleLines(const Editor& editor, const ViewGeometry& geometry) noexcept
    : geometry_(geometry) {
    const TextBuffer& buffer = editor.buffer();
    if (geometry.wrap()) {
        const RowSpot spot = buffer.lineOfRow(geometry.topRow);
        current_.line = spot.line;
        current_.number = spot.number;
        current_.firstRow = spot.rowsBefore + 1;
    } else {
        current_.number = std::clamp(geometry.topRow, 1, buffer.lineCount());
        current_.line = buffer.lineAt(current_.number);
        current_.firstRow = current_.number;
    }
    current_.y = geometry.rowY(current_.firstRow);
    take(current_.line);
}

void VisibleLines::next() noexcept {
    current_.y += static_cast<long long>(current_.rows) * geometry_.rowHeight;
    current_.firstRow += current_.rows;
    current_.line = current_.line->next;
    ++current_.number;
    take(current_.line);
}

} // namespace nimbet
