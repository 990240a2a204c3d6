// The colour picker's palette: layout and hit-testing, keyboard movement,
// the highlight at opening, the colour of each place and screen placement.
#include <gtest/gtest.h>

#include <set>

#include "ColourPalette.h"

namespace quiltmark {
namespace {

constexpr int kMargin = 2;
const TextSize kDefaultText{36, 12};
const TextSize kCustomText{60, 12};

TEST(ColourPalette, EveryColourIsFoundInItsOwnCell) {
    std::set<Colour> seen;
    for (int i = 0; i < kPaletteColourCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(seen.insert(kPaletteColours[i].colour).second) << "colour repeated";
        EXPECT_EQ(InitialPaletteHighlight(kPaletteColours[i].colour, true, true), i);
        EXPECT_EQ(PaletteColourAt(i, 0x123456), kPaletteColours[i].colour);
    }
}

TEST(ColourPalette, LayoutStacksDefaultBoxCellsAndCustomBox) {
    const PaletteLayout layout(kMargin, kDefaultText, kCustomText);
    const int boxHeight = 12 + 4 * kMargin + 2;
    EXPECT_EQ(layout.Width(), 8 * 18 + 2 * kMargin);
    EXPECT_EQ(layout.Height(), 2 * kMargin + 2 * boxHeight + 5 * 18);
    EXPECT_EQ(layout.DefaultBox(), Box::At(kMargin, kMargin, 8 * 18, boxHeight));
    EXPECT_EQ(layout.Cell(0), Box::At(kMargin, kMargin + boxHeight, 18, 18));
    EXPECT_EQ(layout.Cell(39).bottom, layout.CustomBox().top);
    EXPECT_EQ(layout.CustomBox().bottom, layout.Height() - kMargin);

    const PaletteLayout bare(kMargin, {}, {});
    EXPECT_FALSE(bare.HasDefaultBox());
    EXPECT_FALSE(bare.HasCustomBox());
    EXPECT_EQ(bare.Height(), 2 * kMargin + 5 * 18);
    EXPECT_EQ(bare.Cell(0), Box::At(kMargin, kMargin, 18, 18));
}

TEST(ColourPalette, EveryCellIsHitOverItsWholeSquare) {
    for (const PaletteLayout& layout :
         {PaletteLayout(kMargin, kDefaultText, kCustomText), PaletteLayout(kMargin, {}, {})}) {
        for (int i = 0; i < kPaletteColourCount; ++i) {
            SCOPED_TRACE(i);
            const Box cell = layout.Cell(i);
            EXPECT_EQ(layout.HitTest(cell.left, cell.top), i);
            EXPECT_EQ(layout.HitTest(cell.right - 1, cell.bottom - 1), i);
        }
    }
}

TEST(ColourPalette, HitTestFindsBoxesAndNothingOutside) {
    // A default text wider than the cells widens the window and both boxes.
    const PaletteLayout wide(kMargin, {200, 12}, kCustomText);
    EXPECT_EQ(wide.Width(), 200 + 4 * kMargin + 2 + 2 * kMargin);
    const Box cellsRight = wide.Cell(7);
    struct Case {
        int x, y, place;
    } cases[] = {
        {kMargin, kMargin, kDefaultBox},
        {wide.Width() - kMargin - 1, kMargin, kDefaultBox},
        {kMargin, wide.CustomBox().top, kCustomBox},
        {wide.Width() - kMargin - 1, wide.Height() - kMargin - 1, kCustomBox},
        {0, 0, kNoPlace},                                 // the margin
        {-5, 40, kNoPlace},                               // left of the window (mouse captured)
        {40, wide.Height() + 10, kNoPlace},               // below it
        {cellsRight.right, cellsRight.top + 1, kNoPlace}, // beside the cells in a widened window
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        EXPECT_EQ(wide.HitTest(c.x, c.y), c.place);
    }
}

TEST(ColourPalette, ArrowKeysMoveThroughCellsAndBoxes) {
    using K = PaletteKey;
    struct Case {
        int from;
        K key;
        bool hasDefault, hasCustom;
        int to;
    } cases[] = {
        {0, K::Right, true, true, 1},
        {7, K::Right, true, true, 8}, // wraps into the next row
        {8, K::Left, true, true, 7},  // and back into the previous one
        {3, K::Down, true, true, 11},
        {11, K::Up, true, true, 3},
        {0, K::Up, true, true, kDefaultBox},
        {0, K::Left, true, true, kDefaultBox},
        {5, K::Up, true, true, kDefaultBox}, // the box spans the whole top row
        {kDefaultBox, K::Down, true, true, 0},
        {kDefaultBox, K::Right, true, true, 0},
        {kDefaultBox, K::Up, true, true, kDefaultBox},
        {kDefaultBox, K::Left, true, true, kDefaultBox},
        {39, K::Right, true, true, kCustomBox},
        {34, K::Down, true, true, kCustomBox},
        {kCustomBox, K::Left, true, true, 39},
        {kCustomBox, K::Up, true, true, 32},
        {kCustomBox, K::Down, true, true, kCustomBox},
        {kCustomBox, K::Right, true, true, kCustomBox},
        {0, K::Up, false, false, 0}, // no boxes: the ends hold
        {39, K::Right, false, false, 39},
        {36, K::Down, false, false, 36},
        {kNoPlace, K::Left, false, false, 0},
        {kNoPlace, K::Down, true, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " key " + std::to_string(static_cast<int>(c.key)));
        EXPECT_EQ(MovePaletteHighlight(c.from, c.key, c.hasDefault, c.hasCustom), c.to);
    }
}

TEST(ColourPalette, HighlightAtOpeningAndColourOfEachPlace) {
    struct Case {
        Colour colour;
        bool hasDefault, hasCustom;
        int place;
    } cases[] = {
        {MakeColour(255, 0, 0), true, true, 16},      {kDefaultColour, true, true, kDefaultBox},
        {kDefaultColour, false, true, kNoPlace},      {MakeColour(1, 2, 3), true, true, kCustomBox},
        {MakeColour(1, 2, 3), true, false, kNoPlace},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colour);
        EXPECT_EQ(InitialPaletteHighlight(c.colour, c.hasDefault, c.hasCustom), c.place);
    }
    const Colour opening = MakeColour(1, 2, 3);
    EXPECT_EQ(PaletteColourAt(kDefaultBox, opening), kDefaultColour);
    EXPECT_EQ(PaletteColourAt(kCustomBox, opening), opening);
}

TEST(ColourPalette, PlacementKeepsThePaletteOnScreen) {
    const Box button = Box::At(100, 200, 60, 20);
    struct Case {
        const char* what;
        Box button;
        Box placed;
    } cases[] = {
        {"below the button", button, Box::At(100, 220, 148, 138)},
        {"past the right edge", Box::At(950, 200, 60, 20), Box::At(1024 - 148, 220, 148, 138)},
        {"left of the screen", Box::At(-30, 200, 60, 20), Box::At(0, 220, 148, 138)},
        {"past the bottom: above", Box::At(100, 700, 60, 20), Box::At(100, 700 - 138, 148, 138)},
        {"bottom right corner", Box::At(1000, 740, 24, 20), Box::At(1024 - 148, 740 - 138, 148, 138)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PlacePalette(148, 138, c.button, 1024, 768), c.placed);
    }
}

} // namespace
} // namespace quiltmark
