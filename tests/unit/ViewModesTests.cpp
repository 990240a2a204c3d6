// The main view's modes, pane layouts and two-pane key arithmetic.
#include <gtest/gtest.h>

#include "TwoPaneKeys.h"
#include "ViewModes.h"

using namespace quiltmark;

TEST(ViewModes, TogglesAndTabsFollowTheModeTable) {
    struct Step {
        char action; // Z = Alt+Z, X = Alt+X, digit = tab
        bool twoPane;
        int kind;
    };
    const std::vector<std::vector<Step>> sequences = {
        {{'Z', true, 1}, {'Z', false, 0}},
        {{'Z', true, 1}, {'X', true, 2}},
        {{'X', true, 2}, {'Z', true, 1}},
        {{'X', true, 2}, {'X', false, 0}},
        {{'Z', true, 1}, {'1', false, 0}},
    };
    for (size_t i = 0; i < sequences.size(); ++i) {
        SCOPED_TRACE(i);
        ViewMode mode;
        for (const Step& s : sequences[i]) {
            if (s.action == 'Z')
                mode.toggleRealTime();
            else if (s.action == 'X')
                mode.toggleOnDemand();
            else
                mode.selectTab(s.action - '0');
            EXPECT_EQ(mode.twoPane, s.twoPane) << s.action;
            EXPECT_EQ(mode.kind, s.kind) << s.action;
        }
    }
    ViewMode kindless{kSourceTab, true, kTwoPaneNone, true}; // as a settings file may leave it
    kindless.toggleOnDemand();
    EXPECT_FALSE(kindless.twoPane);

    ViewMode mode;
    mode.toggleOnDemand();
    EXPECT_TRUE(mode.refreshesOnAltR());
    EXPECT_FALSE(mode.refreshesOnEveryChange());
    mode.toggleRealTime();
    EXPECT_FALSE(mode.refreshesOnAltR());
    EXPECT_TRUE(mode.refreshesOnEveryChange());
}

TEST(ViewModes, LayoutsOfTheThreeArrangements) {
    ViewMode mode;
    PaneLayout single = LayoutPanes(mode, 800, 600);
    EXPECT_EQ(single.tabControl, Box::At(0, 0, 800, 600));
    EXPECT_EQ(single.editor, Box::At(6, 30, 787, 564));
    EXPECT_EQ(single.browser, single.editor);

    mode.toggleRealTime();
    PaneLayout sideBySide = LayoutPanes(mode, 801, 600);
    EXPECT_EQ(sideBySide.barId(), 1050);
    EXPECT_EQ(sideBySide.editor, Box::At(3, 3, 400 - 7, 595));
    EXPECT_EQ(sideBySide.bar, Box::At(397, 3, 5, 595));
    EXPECT_EQ(sideBySide.browser, Box::At(403, 3, 396, 595));
    sideBySide.moveBar(-50);
    EXPECT_EQ(sideBySide.editor, Box::At(3, 3, 343, 595));
    EXPECT_EQ(sideBySide.browser, Box::At(353, 3, 446, 595));

    mode.leftRight = false;
    PaneLayout stacked = LayoutPanes(mode, 800, 601);
    EXPECT_EQ(stacked.barId(), 1054);
    EXPECT_EQ(stacked.editor, Box::At(3, 3, 796, 293));
    EXPECT_EQ(stacked.bar, Box::At(3, 297, 796, 5));
    EXPECT_EQ(stacked.browser, Box::At(3, 303, 796, 297));
    stacked.moveBar(40);
    EXPECT_EQ(stacked.bar, Box::At(3, 337, 796, 5));
    EXPECT_EQ(stacked.browser, Box::At(3, 343, 796, 257));
}

TEST(TwoPaneKeys, RightAndDownMoveByThroughOffsets) {
    // Lines "abc", "de", "fghijklmnop": caret at the end of "abc" (offset 4).
    CaretFacts atEnd{4, 1, 4, 3, 3, 2};
    EXPECT_EQ(RightArrowTarget(atEnd), 6) << "over the line break";
    CaretFacts inside{2, 1, 2, 3, 3, 2};
    EXPECT_EQ(RightArrowTarget(inside), 3);

    // Down from column 10 of a long line onto a 3-character line: its end.
    CaretFacts longToShort{10, 1, 10, 12, 3, 3};
    EXPECT_EQ(DownArrowTarget(longToShort), 10 + 12 - 10 + 3 + 3);
    CaretFacts sameColumn{2, 1, 2, 3, 3, 5};
    EXPECT_EQ(DownArrowTarget(sameColumn), 2 + 3 + 2);
    CaretFacts lastLine{20, 3, 2, 11, 3, 0};
    EXPECT_EQ(DownArrowTarget(lastLine), std::nullopt);
}
