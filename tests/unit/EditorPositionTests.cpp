// Places, through offsets and the exports that read and set the caret and
// the selection.
#include <gtest/gtest.h>

#include "EditorSketch.h"

using namespace nimbet;

TEST(EditorPositions, ThroughOffsetsCountTwoBytesPerBreak) {
    SketchEditor s("ab\ncd\nソ表\n");
    struct Case {
        TextPlace place;
        long long offset;
    } cases[] = {{{1, 1}, 1}, {{1, 3}, 3}, {{2, 2}, 6}, {{3, 1}, 9}, {{3, 5}, 13}, {{4, 1}, 15}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.place.line << "," << c.place.pos);
        EXPECT_EQ(s.editor.throughOffset(c.place), c.offset);
        s.editor.setSelection(c.place, c.place, false);
        EXPECT_EQ(s.editor.caretThrough(), c.offset);
    }
}

TEST(EditorPositions, SelectByThroughOffsets) {
    struct Case {
        const char* before;
        int from, to;
        NimbetResult result;
        const char* after;
    } cases[] = {
        {"|ab\ncd", 5, 5, NIMBET_OK, "ab\n|cd"}, // from = to: caret only
        {"|ab\ncd", 1, 3, NIMBET_OK, "[ab|\ncd"},
        {"|ab\ncd", 2, 6, NIMBET_OK, "a[b\nc|d"},
        {"|ab\ncd", 4, 6, NIMBET_OK, "ab[\nc|d"}, // the second break byte keeps to its line
        {"|ab\ncd", 3, 7, NIMBET_OK, "ab[\ncd|"},
        {"a[b|\ncd", 1, 9, NIMBET_OK, "a[b|\ncd"}, // beyond the text: unchanged
        {"a|b", 0, 2, NIMBET_BADARG, "a|b"},
        {"a|b", 3, 2, NIMBET_BADARG, "a|b"},
        {"|ソ表", 2, 4, NIMBET_OK, "[ソ|表"}, // on a trail byte: the character's start
        {"|－－", 1, 3, NIMBET_OK, "[－|－"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.before << " " << c.from << ".." << c.to);
        SketchEditor s(c.before);
        EXPECT_EQ(s.editor.setSelectionThrough(c.from, c.to), c.result);
        EXPECT_EQ(s.sketch(), c.after);
    }
}

TEST(EditorPositions, SelectByPlaces) {
    struct Case {
        TextPlace first, second;
        bool done;
        const char* after;
    } cases[] = {
        {{1, 1}, {2, 3}, true, "[ab\nソ|表"},
        {{2, 5}, {1, 2}, true, "a|b\nソ表["}, // length + 1 is accepted
        {{2, 2}, {2, 4}, true, "ab\n[ソ|表"}, // both ends on trail bytes
        {{1, 2}, {1, 2}, true, "a|b\nソ表"},  // equal ends: just the caret
        {{1, 4}, {1, 1}, false, "a[b|\nソ表"},
        {{3, 1}, {1, 1}, false, "a[b|\nソ表"},
        {{1, 0}, {1, 1}, false, "a[b|\nソ表"},
        {{5, 1}, {5, 1}, false, "a[b|\nソ表"}, // equal ends outside the text are refused too
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.after);
        SketchEditor s("a[b|\nソ表");
        EXPECT_EQ(s.editor.setSelection(c.first, c.second, true), c.done);
        EXPECT_EQ(s.sketch(), c.after);
        EXPECT_EQ(s.editor.caret().goalPos, s.editor.caret().caretPos);
    }
}

TEST(EditorPositions, EqualEndsClearTheSelectionWithANotification) {
    SketchEditor s("a[b|c");
    ASSERT_TRUE(s.editor.setSelection({1, 1}, {1, 1}, false));
    EXPECT_EQ(s.events.notes, (Notes{{NIMBET_NOTIFY_SELCLEARED, 0}}));
    const SelectionRange range = s.editor.selection();
    EXPECT_FALSE(range.exists);
    EXPECT_EQ(range.start, (TextPlace{1, 1}));
}

TEST(EditorPositions, SelectionIsReadInTextOrder) {
    SketchEditor s("ab|c\nd[e");
    const SelectionRange range = s.editor.selection();
    EXPECT_TRUE(range.exists);
    EXPECT_EQ(range.start, (TextPlace{1, 3}));
    EXPECT_EQ(range.finish, (TextPlace{2, 2}));
    EXPECT_FALSE(s.editor.caret().forward);
    EXPECT_TRUE(s.editor.insideSelection({1, 3}));
    EXPECT_TRUE(s.editor.insideSelection({2, 1}));
    EXPECT_TRUE(s.editor.insideSelection({2, 2}));
    EXPECT_FALSE(s.editor.insideSelection({2, 3}));
    EXPECT_FALSE(s.editor.insideSelection({1, 2}));

    SketchEditor single("a[bc|de");
    EXPECT_FALSE(single.editor.insideSelection({1, 5})) << "after the end on the same line";
    EXPECT_TRUE(single.editor.insideSelection({1, 3}));
}

TEST(EditorPositions, CaretSettersCheckTheirRangeAndKeepTheSelection) {
    SketchEditor s("[ab|c\nソ表\n");
    EXPECT_EQ(s.editor.setCaretLine(0), NIMBET_BADARG);
    EXPECT_EQ(s.editor.setCaretLine(4), NIMBET_BADARG);
    EXPECT_TRUE(s.events.notes.empty());
    EXPECT_EQ(s.editor.setCaretLine(2), NIMBET_OK);
    EXPECT_EQ(s.events.notes, (Notes{{NIMBET_NOTIFY_CARET, 0}}));
    EXPECT_EQ(s.editor.caretPlace(), (TextPlace{2, 1}));
    EXPECT_TRUE(s.editor.caret().selecting) << "the selection stays";

    EXPECT_EQ(s.editor.setCaretPos(5), NIMBET_BADARG) << "the line end is refused";
    EXPECT_EQ(s.editor.setCaretPos(0), NIMBET_BADARG);
    EXPECT_EQ(s.editor.setCaretPos(4), NIMBET_OK) << "a trail byte";
    EXPECT_EQ(s.editor.caretPlace(), (TextPlace{2, 3}));
    ASSERT_EQ(s.editor.setCaretLine(3), NIMBET_OK);
    EXPECT_EQ(s.editor.setCaretPos(1), NIMBET_BADARG) << "nothing is accepted on an empty line";

    // Through offsets: line 1 spans 1..4, line 2 6..10, line 3 is 12; 5 and 11
    // fall between the bytes of a break and name the start of the next line.
    struct Case {
        int offset;
        NimbetResult result;
        TextPlace place;
    } cases[] = {{1, NIMBET_OK, {1, 1}},  {4, NIMBET_OK, {1, 4}},      {5, NIMBET_OK, {2, 1}},
                 {7, NIMBET_OK, {2, 1}},  {10, NIMBET_OK, {2, 5}},     {11, NIMBET_OK, {3, 1}},
                 {12, NIMBET_OK, {3, 1}}, {13, NIMBET_FAILED, {3, 1}}, {0, NIMBET_FAILED, {3, 1}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        EXPECT_EQ(s.editor.setCaretThrough(c.offset), c.result);
        EXPECT_EQ(s.editor.caretPlace(), c.place);
    }
}

TEST(EditorPositions, CaretColumnExpandsTabsAndCountsWideCharacters) {
    struct Case {
        const char* sketch;
        int tabWidth;
        int column;
    } cases[] = {{"ab|c", 4, 2},   {"\t|x", 4, 4},  {"a\t|x", 8, 8},
                 {"ソ表|x", 4, 4}, {"ソ\t|", 4, 4}, {"|", 4, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sketch);
        SketchEditor s;
        ASSERT_EQ(s.editor.setMetric(kMetricTabWidth, c.tabWidth), NIMBET_OK);
        s.load(c.sketch);
        EXPECT_EQ(s.editor.caretColumn(), c.column);
    }
}

TEST(EditorPositions, SelectAllReachesTheEndOfTheLastLine) {
    SketchEditor s("ab|\nソ表");
    s.editor.selectAll();
    EXPECT_EQ(s.sketch(), "[ab\nソ表|");
    EXPECT_TRUE(s.editor.caret().forward);
    EXPECT_EQ(s.events.notes, (Notes{{NIMBET_NOTIFY_CARET, 0}}));
    EXPECT_EQ(s.editor.selectedLength(), 8);
}
