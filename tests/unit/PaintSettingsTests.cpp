// The colour table and the mark switches: defaults, and kinds outside the
// tables refused.
#include <gtest/gtest.h>

#include "PaintSettings.h"

using namespace nimbet;

TEST(PaintSettings, ColourDefaultsAndKinds) {
    const Color defaults[kColorKinds] = {0x2BB5C8, 0x9696FF, 0x9696FF, 0x5F30C0, 0xCB5288, 0xBFCF4E,
                                         0x000000, 0xB87430, 0x85B129, 0x36E6EF, 0x000000, 0xD8E9EC,
                                         0x000000, 0xC8C800, 0xFF0000, 0x5E2BAA, 0xFF0000, 0x00B2FF,
                                         0xFFFFFF, 0xFF0000, 0x5E2BAA};
    ColorTable table;
    for (int kind = 0; kind < kColorKinds; ++kind) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(table[static_cast<ColorKind>(kind)], defaults[kind]);
        EXPECT_EQ(table.set(kind, 0x010203u + static_cast<Color>(kind)), NIMBET_OK);
        EXPECT_EQ(table[static_cast<ColorKind>(kind)], 0x010203u + static_cast<Color>(kind));
    }
    EXPECT_EQ(table.set(-1, 0), NIMBET_BADARG);
    EXPECT_EQ(table.set(kColorKinds, 0), NIMBET_BADARG);

    const StylePalette palette = table.palette();
    EXPECT_EQ(palette.normalText, table[kColorText]);
    EXPECT_EQ(palette.urlText, table[kColorUrlText]);
    EXPECT_EQ(palette.mailText, table[kColorMailText]);
    EXPECT_EQ(palette.highlightText, table[kColorHighlightText]);
    EXPECT_EQ(palette.highlightBack, table[kColorHighlightBack]);
}

TEST(PaintSettings, MarksAreVisibleUntilSwitchedOff) {
    MarkVisibility marks;
    for (int kind = 0; kind < kMarkKinds; ++kind) {
        SCOPED_TRACE(kind);
        EXPECT_TRUE(marks[static_cast<MarkKind>(kind)]);
        EXPECT_EQ(marks.set(kind, false), NIMBET_OK);
        EXPECT_FALSE(marks[static_cast<MarkKind>(kind)]);
    }
    EXPECT_EQ(marks.set(kMarkKinds, true), NIMBET_BADARG);
    EXPECT_EQ(marks.set(-1, true), NIMBET_BADARG);
}
