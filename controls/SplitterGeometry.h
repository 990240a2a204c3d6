// The arithmetic of splitter bars, free of windows.h: how far a bar may be
// dragged, where the cursor is confined, and where the neighbouring controls
// go after a move. Rectangles are edge coordinates (right/bottom exclusive as in
// Win32 RECTs).
#pragma once

#include <vector>

#include "Box.h"

namespace quiltmark {

// X: the bar is dragged sideways; Y: up and down.
enum class SplitAxis { X, Y };

struct DragRange {
    int low = 0, high = 0;
    bool possible() const { return low < high; }
};

// The range the bar may cover, in screen coordinates: at least marginBefore
// from the parent's near client edge and from the far edge of every control
// before the bar, and likewise marginAfter on the other side.
DragRange ComputeDragRange(SplitAxis axis, const Box& parentClient, const std::vector<Box>& before,
                           const std::vector<Box>& after, int marginBefore, int marginAfter);

// The rectangle the cursor is confined to so that the whole bar stays inside
// the range; `grab` is the point in the bar where it was pressed.
Box CursorClip(SplitAxis axis, const DragRange& range, const Box& barScreen, int grabX, int grabY);

// The bar shifted by `distance` along its axis.
Box ShiftBar(SplitAxis axis, const Box& bar, int distance);

// Aligns the controls to the bar: those before end one pixel before it, those
// after begin one pixel after it; their other edges stay.
void AlignToBar(SplitAxis axis, const Box& bar, std::vector<Box>& before, std::vector<Box>& after);

} // namespace quiltmark
