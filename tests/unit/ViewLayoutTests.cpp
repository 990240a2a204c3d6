// Geometry of the main view and the window size stored at close.
#include <gtest/gtest.h>

#include "ViewLayout.h"
#include "resource_ids.h"

using namespace quiltmark;

TEST(ViewLayout, SinglePaneFillsTheTabAndInsetsTheEditor) {
    const SinglePaneRects r = SinglePaneLayout(626, 400);
    EXPECT_EQ(r.tab, (Rect{0, 0, 626, 400}));
    EXPECT_EQ(r.editor, (Rect{6, 30, 613, 364}));
    EXPECT_EQ(r.browser, r.editor);
}

TEST(ViewLayout, TwoPaneArrangements) {
    const TwoPaneGeometry side = SideBySideGeometry(801, 400);
    EXPECT_EQ(side, (TwoPaneGeometry{400, 395, 396}));
    EXPECT_EQ(SideBySideRects(side), (PaneRects{{3, 3, 393, 395}, {397, 3, 5, 395}, {403, 3, 396, 395}}));

    const TwoPaneGeometry stacked = StackedGeometry(800, 401);
    EXPECT_EQ(stacked, (TwoPaneGeometry{200, 796, 197}));
    EXPECT_EQ(StackedRects(stacked), (PaneRects{{3, 3, 796, 193}, {3, 197, 796, 5}, {3, 203, 796, 197}}));

    EXPECT_EQ(MoveSplit(side, 25), (TwoPaneGeometry{425, 395, 371}));
    EXPECT_EQ(MoveSplit(side, -30), (TwoPaneGeometry{370, 395, 426}));
}

TEST(ViewLayout, FtpTabFollowsTheDivider) {
    const auto rects = FtpTabLayout(801, 500, 400);
    auto find = [&](int id) {
        for (const ControlRect& r : rects)
            if (r.id == id)
                return r.rect;
        ADD_FAILURE() << "no control " << id;
        return Rect{};
    };
    EXPECT_EQ(rects.size(), 14u);
    EXPECT_EQ(find(IDC_SPLIT_FTP), (Rect{394, 35, 5, 335}));
    EXPECT_EQ(find(IDC_LOCAL_PATH), (Rect{40, 36, 293, 21}));
    EXPECT_EQ(find(IDC_REMOTE_PATH), (Rect{433, 36, 303, 21}));
    EXPECT_EQ(find(IDC_REMOTE_GO), (Rect{743, 35, 48, 22}));
    EXPECT_EQ(find(IDC_LOCAL_LIST), (Rect{8, 70, 385, 300}));
    EXPECT_EQ(find(IDC_REMOTE_LIST), (Rect{399, 70, 392, 300}));
    EXPECT_EQ(find(IDC_MODE_AUTO), (Rect{10, 455, 140, 20}));
    EXPECT_EQ(find(IDC_FTP_LOG), (Rect{170, 380, 621, 112}));
    EXPECT_EQ(FtpPathRowLayout(801, 400).size(), 4u);
}

TEST(ViewLayout, MaximisedOrMinimisedWindowsStoreTheDefaultSize) {
    EXPECT_EQ(WindowExtentToStore(false, false, 700, 520), (WindowExtent{700, 520}));
    EXPECT_EQ(WindowExtentToStore(true, false, 1280, 1024), (WindowExtent{634, 480}));
    EXPECT_EQ(WindowExtentToStore(false, true, 160, 28), (WindowExtent{634, 480}));
}
