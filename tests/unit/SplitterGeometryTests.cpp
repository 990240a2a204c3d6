// Splitter arithmetic: drag range with margins, cursor confinement and the
// alignment of neighbouring controls, for both axes.
#include <gtest/gtest.h>

#include "SplitterGeometry.h"

using namespace quiltmark;

TEST(SplitterGeometry, DragRangeKeepsTheMarginsOnBothSides) {
    const Box parent{100, 50, 900, 650};
    // Editor left of the bar, browser right of it, as in the side-by-side view.
    const std::vector<Box> left{{110, 60, 400, 600}};
    const std::vector<Box> right{{406, 60, 890, 600}};
    DragRange range = ComputeDragRange(SplitAxis::X, parent, left, right, 50, 50);
    EXPECT_EQ(range.low, 160);
    EXPECT_EQ(range.high, 840);
    EXPECT_TRUE(range.possible());

    range = ComputeDragRange(SplitAxis::Y, parent, {{110, 60, 890, 300}}, {{110, 306, 890, 640}}, 50, 50);
    EXPECT_EQ(range.low, 110);
    EXPECT_EQ(range.high, 590);

    // Neighbours already at their margins: the bar cannot move at all.
    range = ComputeDragRange(SplitAxis::X, parent, {{110, 60, 150, 600}}, {{156, 60, 200, 600}}, 50, 50);
    EXPECT_FALSE(range.possible());
}

TEST(SplitterGeometry, CursorIsConfinedSoTheWholeBarStaysInRange) {
    const DragRange range{160, 840};
    const Box bar{400, 60, 406, 600};
    const Box clipX = CursorClip(SplitAxis::X, range, bar, 3, 20);
    EXPECT_EQ(clipX, (Box{163, 60, 840 + 400 + 3 - 406 + 1, 600}));
    const Box barY{110, 300, 890, 306};
    const Box clipY = CursorClip(SplitAxis::Y, DragRange{110, 590}, barY, 40, 2);
    EXPECT_EQ(clipY, (Box{110, 112, 890, 590 + 300 + 2 - 306 + 1}));
}

TEST(SplitterGeometry, ControlsFollowTheMovedBar) {
    const Box bar = ShiftBar(SplitAxis::X, Box{400, 10, 406, 500}, -30);
    EXPECT_EQ(bar, (Box{370, 10, 376, 500}));
    std::vector<Box> before{{10, 10, 399, 500}}, after{{407, 10, 800, 500}};
    AlignToBar(SplitAxis::X, bar, before, after);
    EXPECT_EQ(before[0], (Box{10, 10, 369, 500}));
    EXPECT_EQ(after[0], (Box{377, 10, 800, 500}));

    std::vector<Box> top{{0, 0, 300, 99}}, bottom{{0, 105, 300, 400}};
    AlignToBar(SplitAxis::Y, ShiftBar(SplitAxis::Y, Box{0, 100, 300, 104}, 20), top, bottom);
    EXPECT_EQ(top[0], (Box{0, 0, 300, 119}));
    EXPECT_EQ(bottom[0], (Box{0, 125, 300, 400}));
}
