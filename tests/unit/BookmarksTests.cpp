// The five bookmark slots over the editor's line marks.
#include <gtest/gtest.h>

#include "Bookmarks.h"
#include "RecordingEditorApi.h"

using namespace quiltmark;

namespace {

struct BookmarkFixture : testing::Test {
    RecordingEditorApi api;
    Bookmarks marks{api};

    BookmarkFixture() { api.lines = 30; }

    void SetOn(int line, int n) {
        api.caretLine = line;
        marks.Set(n);
    }
    std::vector<std::string> MarkCalls() const {
        std::vector<std::string> out;
        for (const std::string& c : api.calls)
            if (c.rfind("NimbetSetMark", 0) == 0)
                out.push_back(c);
        return out;
    }
};

} // namespace

TEST_F(BookmarkFixture, SettingAgainOnAnotherLineMovesTheBookmark) {
    SetOn(10, 0);
    EXPECT_EQ(marks.Slot(0), 10);
    EXPECT_EQ(api.marks[10], 1);
    api.Clear();
    SetOn(20, 0);
    EXPECT_EQ(MarkCalls(), (std::vector<std::string>{"NimbetSetMark(0,10,0,1)", "NimbetSetMark(0,20,1,1)"}));
    EXPECT_EQ(marks.Slot(0), 20);
    EXPECT_EQ(api.marks[10], 0);
}

TEST_F(BookmarkFixture, SettingAgainOnTheSameLineTogglesItOff) {
    SetOn(20, 0);
    api.Clear();
    SetOn(20, 0);
    EXPECT_EQ(MarkCalls(), std::vector<std::string>{"NimbetSetMark(0,20,0,1)"});
    EXPECT_EQ(marks.Slot(0), -1);
    EXPECT_EQ(api.marks[20], 0);
}

TEST_F(BookmarkFixture, ALineOfAnotherBookmarkMovesToTheNewOne) {
    SetOn(7, 0);
    SetOn(3, 1); // bookmark 2 elsewhere first: its old line is released
    api.Clear();
    SetOn(7, 1);
    EXPECT_EQ(marks.Slot(0), -1);
    EXPECT_EQ(marks.Slot(1), 7);
    EXPECT_EQ(api.marks[7], 1);
    EXPECT_EQ(api.marks[3], 0);
    EXPECT_EQ(MarkCalls(), (std::vector<std::string>{"NimbetSetMark(0,7,0,1)", "NimbetSetMark(0,3,0,1)",
                                                     "NimbetSetMark(0,7,1,1)"}));
}

TEST_F(BookmarkFixture, AMarkedLineWithoutASlotIsTakenOver) {
    api.marks[5] = 1; // marked, but no slot holds it
    SetOn(5, 2);
    EXPECT_EQ(marks.Slot(2), 5);
    EXPECT_EQ(api.marks[5], 1);
}

TEST_F(BookmarkFixture, GoToMovesOnlyToSetBookmarks) {
    SetOn(12, 3);
    api.caretLine = 1;
    api.Clear();
    marks.GoTo(3);
    EXPECT_EQ(api.calls, std::vector<std::string>{"NimbetSetCaretLine(0,12)"});
    api.Clear();
    marks.GoTo(4);
    EXPECT_TRUE(api.calls.empty());
    EXPECT_EQ(api.caretLine, 12);
}

TEST_F(BookmarkFixture, ResetUnmarksEveryLineWithoutRedrawThenRefreshes) {
    api.lines = 3;
    SetOn(2, 0);
    api.Clear();
    marks.Reset();
    EXPECT_EQ(api.calls, (std::vector<std::string>{"NimbetGetLines(0)", "NimbetSetMark(0,1,0,0)",
                                                   "NimbetSetMark(0,2,0,0)", "NimbetSetMark(0,3,0,0)",
                                                   "NimbetRefresh(0)"}));
    for (int n = 0; n < 5; ++n)
        EXPECT_EQ(marks.Slot(n), -1);
}

TEST_F(BookmarkFixture, AStaleSlotBeyondTheTextIsNotUnmarked) {
    SetOn(25, 0);
    api.lines = 10; // the text got shorter; the slot still says 25
    api.Clear();
    SetOn(4, 0);
    EXPECT_EQ(MarkCalls(), std::vector<std::string>{"NimbetSetMark(0,4,1,1)"});
    EXPECT_EQ(marks.Slot(0), 4);
}

TEST_F(BookmarkFixture, NothingHappensWhenTheCaretLineIsUnknown) {
    api.caretLine = -2; // the library failed
    marks.Set(0);
    EXPECT_TRUE(MarkCalls().empty());
    EXPECT_EQ(marks.Slot(0), -1);
}
