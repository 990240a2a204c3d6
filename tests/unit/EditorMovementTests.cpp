// Keyboard movement of the caret: every movement key with Shift and Ctrl, the
// goal column of vertical moves, paging and keeping the caret in view.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorSketch.h"

using namespace nimbet;

namespace {

struct Press {
    EditorKey key;
    bool shift = false;
    bool ctrl = false;
};

std::string Lines(int count, const std::string& stem) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += stem + std::to_string(i) + (i < count ? "\n" : "");
    return text;
}

} // namespace

TEST(EditorMovement, KeysMoveOverWholeCharacters) {
    using K = EditorKey;
    struct Case {
        const char* before;
        std::vector<Press> keys;
        const char* after;
    } cases[] = {
        {"表|x", {{K::Left}}, "|表x"},
        {"亜a|", {{K::Left}}, "亜|a"}, // 亜 = 88 9F: its trail looks like a lead byte
        {"a\n|b", {{K::Left}}, "a|\nb"},
        {"|ab", {{K::Left}}, "|ab"},
        {"|表x", {{K::Right}}, "表|x"},
        {"|ソ\\", {{K::Right}, {K::Right}}, "ソ\\|"},
        {"ab|\nc", {{K::Right}}, "ab\n|c"},
        {"ab\nc|", {{K::Right}}, "ab\nc|"},
        {"abc\nab|c", {{K::Up}}, "ab|c\nabc"},
        {"a|bc", {{K::Up}}, "|abc"},           // first line: its start
        {"ソ表\na|b", {{K::Up}}, "|ソ表\nab"}, // before the wide character spanning the column
        {"ソ表\nab|", {{K::Up}}, "ソ|表\nab"},
        {"\tx\nab|c", {{K::Up}}, "|\tx\nabc"}, // before the tab spanning the column
        {"abcdef\nab\nabcd|ef", {{K::Up}, {K::Up}}, "abcd|ef\nab\nabcdef"}, // the goal column is kept
        {"a|b\nソ表", {{K::Down}}, "ab\n|ソ表"},
        {"ab\nc|d", {{K::Down}}, "ab\ncd|"}, // last line: its end
        {"ab|c", {{K::Home}}, "|abc"},
        {"ab|c", {{K::End}}, "abc|"},
        {"ab\ncd|", {{K::Home, false, true}}, "|ab\ncd"},
        {"|ab\ncd", {{K::End, false, true}}, "ab\ncd|"},
        {"表|x", {{K::Left, false, true}}, "|表x"}, // Ctrl changes nothing for Left and Right
        {"a|bc", {{K::Right, true}}, "a[b|c"},
        {"a|bc", {{K::Right, true}, {K::Right, true}, {K::Left, true}}, "a[b|c"},
        {"a|bc\ndef", {{K::Down, true}}, "a[bc\nd|ef"},
        {"a|b\ncd", {{K::End, true, true}}, "a[b\ncd|"},
        {"ab[c|", {{K::Home, true}}, "|ab[c"},      // the end passes the anchor
        {"a[b|c", {{K::Right}}, "abc|"},            // without Shift the selection goes
        {"a[b|c", {{K::Up, false, true}}, "a[b|c"}, // Ctrl+Up leaves caret and selection
        {"a[b|c", {{K::Insert}}, "a[b|c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        SketchEditor s(c.before);
        for (const Press& p : c.keys)
            EXPECT_TRUE(s.editor.keyDown(p.key, p.shift, p.ctrl));
        EXPECT_EQ(s.sketch(), c.after);
    }
}

TEST(EditorMovement, NotifiesCaretMovesAndClearedSelections) {
    using K = EditorKey;
    struct Case {
        const char* before;
        Press key;
        Notes notes;
    } cases[] = {
        {"a|b", {K::Right}, {{NIMBET_NOTIFY_CARET, 1}}},
        {"ab|", {K::Right}, {}},
        {"a[b|c", {K::Right}, {{NIMBET_NOTIFY_SELCLEARED, 0}, {NIMBET_NOTIFY_CARET, 1}}},
        {"a[b|c", {K::Left, true}, {{NIMBET_NOTIFY_SELCLEARED, 0}, {NIMBET_NOTIFY_CARET, 1}}},
        {"a|b", {K::Right, true}, {{NIMBET_NOTIFY_CARET, 1}}},
        {"a|b", {K::Insert}, {{NIMBET_NOTIFY_INSERTMODE, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        SketchEditor s(c.before);
        s.editor.keyDown(c.key.key, c.key.shift, c.key.ctrl);
        EXPECT_EQ(s.events.notes, c.notes);
    }
}

TEST(EditorMovement, InsertTogglesTheTypingMode) {
    SketchEditor s("a|b");
    s.editor.keyDown(EditorKey::Insert, false, false);
    EXPECT_TRUE(s.editor.caret().overwriteMode);
    s.editor.keyDown(EditorKey::Insert, false, false);
    EXPECT_FALSE(s.editor.caret().overwriteMode);
    EXPECT_EQ(s.events.notes, (Notes{{NIMBET_NOTIFY_INSERTMODE, 0}, {NIMBET_NOTIFY_INSERTMODE, 1}}));
    ASSERT_EQ(s.editor.setText("x"), NIMBET_OK);
    s.editor.keyDown(EditorKey::Insert, false, false);
    ASSERT_EQ(s.editor.setText("y"), NIMBET_OK);
    EXPECT_TRUE(s.editor.caret().overwriteMode) << "the mode survives loading";
}

TEST(EditorMovement, PagesMoveByTheVisibleRows) {
    SketchEditor s;
    s.load(Lines(100, "line "));
    const int page = s.editor.metrics().page();
    ASSERT_EQ(page, 18);
    ASSERT_TRUE(s.editor.setSelection({1, 3}, {1, 3}, false));
    struct Step {
        Press key;
        int line, pos, top;
    } steps[] = {
        {{EditorKey::PageDown}, 19, 3, 19},
        {{EditorKey::PageDown}, 37, 3, 37},
        {{EditorKey::PageUp}, 19, 3, 19},
        {{EditorKey::Down, false, true}, 19, 3, 20}, // Ctrl+Down scrolls only
        {{EditorKey::Up, false, true}, 19, 3, 19},
        {{EditorKey::PageUp}, 1, 3, 1},
        {{EditorKey::PageUp}, 1, 3, 1},
        {{EditorKey::End, false, true}, 100, 9, 88}, // scrolled into view: 100 - 18 * 2 / 3
        {{EditorKey::PageDown}, 100, 9, 100},        // the top stops at the line count
        {{EditorKey::PageUp}, 82, 8, 82},            // the goal column is past this line's end
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << "to line " << step.line);
        s.editor.keyDown(step.key.key, step.key.shift, step.key.ctrl);
        EXPECT_EQ(s.editor.caretPlace(), (TextPlace{step.line, step.pos}));
        EXPECT_EQ(s.editor.caret().topLine, step.top);
    }

    // Off screen, Page Down starts from the top line instead of the caret.
    ASSERT_EQ(s.editor.setCaretLine(50), NIMBET_OK);
    for (int i = 0; i < 30; ++i)
        s.editor.keyDown(EditorKey::Down, false, true);
    const int top = s.editor.caret().topLine;
    s.editor.keyDown(EditorKey::PageDown, false, false);
    EXPECT_EQ(s.editor.caretPlace().line, top + page);
}

TEST(EditorMovement, TheViewFollowsTheCaret) {
    SketchEditor s;
    s.load(Lines(60, "") + "\n" + std::string(100, 'x'));
    // Down at the last full row scrolls by one line.
    ASSERT_EQ(s.editor.setCaretLine(17), NIMBET_OK);
    EXPECT_EQ(s.editor.caret().topLine, 1);
    s.editor.keyDown(EditorKey::Down, false, false);
    EXPECT_EQ(s.editor.caret().topLine, 2);
    // Up above the top row scrolls by one line.
    ASSERT_EQ(s.editor.setCaretLine(2), NIMBET_OK);
    s.editor.keyDown(EditorKey::Up, false, false);
    EXPECT_EQ(s.editor.caret().topLine, 1);
    // A far jump puts the caret a third down the page.
    ASSERT_EQ(s.editor.setCaretLine(50), NIMBET_OK);
    EXPECT_EQ(s.editor.caret().topLine, 50 - 18 * 2 / 3);
    // Horizontally: the caret column two thirds into the visible columns.
    ASSERT_EQ(s.editor.setCaretLine(61), NIMBET_OK);
    s.editor.keyDown(EditorKey::End, false, false);
    const int columns = s.editor.metrics().visibleColumns();
    EXPECT_EQ(s.editor.caret().firstColumn, 100 - columns * 2 / 3);
    EXPECT_EQ(s.events.repaintKinds.back(), Repaint::Full) << "the view moved";
    s.editor.keyDown(EditorKey::Left, false, false);
    EXPECT_EQ(s.events.repaintKinds.back(), Repaint::Light) << "only the caret moved";
    s.editor.keyDown(EditorKey::Home, false, false);
    EXPECT_EQ(s.editor.caret().firstColumn, 1);

    // Selecting with Shift repaints only the lines between the old and the new caret line.
    s.events.clear();
    ASSERT_EQ(s.editor.setCaretLine(5), NIMBET_OK);
    s.events.clear();
    s.editor.keyDown(EditorKey::Down, true, false);
    s.editor.keyDown(EditorKey::Up, true, false);
    s.editor.keyDown(EditorKey::Right, true, false);
    EXPECT_EQ(s.events.lineRepaints, (std::vector<std::pair<int, int>>{{5, 6}, {5, 6}, {5, 5}}));
    EXPECT_TRUE(s.events.repaintKinds.empty());
}

TEST(EditorMovement, WrappedLinesMoveByDisplayRows) {
    SketchEditor s;
    s.load(std::string(100, 'x') + "\nab");
    s.editor.setWrapping(true, 0);
    const int columns = s.editor.metrics().visibleColumns(); // 43: rows of 43, 43 and 14
    ASSERT_EQ(s.editor.buffer().first()->rows, 3);
    EXPECT_EQ(s.editor.totalRows(), 4);
    ASSERT_TRUE(s.editor.setSelection({1, 3}, {1, 3}, false));
    s.editor.keyDown(EditorKey::Down, false, false);
    EXPECT_EQ(s.editor.caretPlace(), (TextPlace{1, columns + 3}));
    EXPECT_EQ(s.editor.caretColumn(), 2) << "the column restarts on each row";
    s.editor.keyDown(EditorKey::End, false, false);
    EXPECT_EQ(s.editor.caretPlace(), (TextPlace{1, 2 * columns}));
    s.editor.keyDown(EditorKey::Home, false, false);
    EXPECT_EQ(s.editor.caretPlace(), (TextPlace{1, columns + 1}));
    s.editor.keyDown(EditorKey::Down, false, false);
    s.editor.keyDown(EditorKey::Down, false, false);
    EXPECT_EQ(s.editor.caretPlace(), (TextPlace{2, 1}));
    EXPECT_EQ(s.editor.rowOfPlace(s.editor.caretPlace()), 4);
    s.editor.setWrapping(false, 0);
    EXPECT_EQ(s.editor.buffer().first()->rows, 1);
    EXPECT_EQ(s.editor.totalRows(), 2);
}

TEST(EditorMovement, RecountingWrappedRowsKeepsTheTopLine) {
    SketchEditor s;
    s.load(std::string(100, 'a') + "\n" + std::string(100, 'b') + "\n" + std::string(100, 'c') + "\nd");
    s.editor.setWrapping(true, 0); // 43 columns: 3 rows per long line
    s.editor.setTopLine(7);        // the first row of line 3
    struct Case {
        int lineNumberWidth;
        int top; // first row of line 3 with that many columns
    } cases[] = {
        {214, 11}, // 22 columns: 5 rows per long line
        {0, 7},    // 49 columns: 3 rows
        {-1, 0},   // (refused: nothing changes)
        {130, 9},  // 33 columns: 4 rows
        {50, 7},   // 43 columns: 3 rows
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lineNumberWidth);
        if (c.lineNumberWidth < 0) {
            EXPECT_EQ(s.editor.setMetric(kMetricLineNumberWidth, c.lineNumberWidth), NIMBET_BADARG);
            continue;
        }
        ASSERT_EQ(s.editor.setMetric(kMetricLineNumberWidth, c.lineNumberWidth), NIMBET_OK);
        EXPECT_EQ(s.editor.caret().topLine, c.top);
        EXPECT_LE(s.editor.caret().topLine, s.editor.totalRows());
    }
    // Switching wrapping off and on keeps it too.
    s.editor.setWrapping(false, 0);
    EXPECT_EQ(s.editor.caret().topLine, 3);
    s.editor.setWrapping(true, 0);
    EXPECT_EQ(s.editor.caret().topLine, 7);
}
