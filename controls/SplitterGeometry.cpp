// Drag range, cursor confinement and relayout of splitter bars.
#include "SplitterGeometry.h"

#include <algorithm>

namespace quiltmark {

namespace {
// The near and far edges of a box along the axis the bar moves on.
int Near(SplitAxis axis, const Box& b) { return axis == SplitAxis::X ? b.left : b.top; }
int Far(SplitAxis axis, const Box& b) { return axis == SplitAxis::X ? b.right : b.bottom; }
} // namespace

DragRange ComputeDragRange(SplitAxis axis, const Box& parentClient, const std::vector<Box>& before,
                           const std::vector<Box>& after, int marginBefore, int marginAfter) {
    DragRange range;
    range.low = Near(axis, parentClient) + marginBefore;
    for (const Box& control : before)
        range.low = std::max(range.low, Near(axis, control) + marginBefore);
    range.high = Far(axis, parentClient) - marginAfter;
    for (const Box& control : after)
        range.high = std::min(range.high, Far(axis, control) - marginAfter);
    return range;
}

Box CursorClip(SplitAxis axis, const DragRange& range, const Box& bar, int grabX, int grabY) {
    Box clip = bar;
    if (axis == SplitAxis::X) {
        clip.left = grabX + range.low;
        clip.right = range.high + bar.left + grabX - bar.right + 1;
    } else {
        clip.top = grabY + range.low;
        clip.bottom = range.high + bar.top + grabY - bar.bottom + 1;
    }
    return clip;
}

Box ShiftBar(SplitAxis axis, const Box& bar, int distance) {
    Box moved = bar;
    if (axis == SplitAxis::X) {
        moved.left += distance;
        moved.right += distance;
    } else {
        moved.top += distance;
        moved.bottom += distance;
    }
    return moved;
}

void AlignToBar(SplitAxis axis, const Box& bar, std::vector<Box>& before, std::vector<Box>& after) {
    for (Box& control : before)
        (axis == SplitAxis::X ? control.right : control.bottom) = Near(axis, bar) - 1;
    for (Box& control : after)
        (axis == SplitAxis::X ? control.left : control.top) = Far(axis, bar) + 1;
}

} // namespace quiltmark
