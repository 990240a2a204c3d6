// Undo and redo through the editor: where the caret ends, what is notified,
// and how the history behaves after undo, when full and after loading.
#include <gtest/gtest.h>

#include <algorithm>

#include "EditorSketch.h"

using namespace nimbet;

namespace nimbet {
class EditorTestAccess {
public:
    static void chainNewest(Editor& editor) { editor.undo_.chainNewest(); }
};
} // namespace nimbet

TEST(EditorUndo, ChangeAfterUndoDropsTheHistory) {
    SketchEditor s("|");
    s.editor.typeChar('a');
    s.editor.typeChar('b');
    s.editor.typeChar('c');
    ASSERT_EQ(s.editor.undo(), NIMBET_OK);
    ASSERT_EQ(s.editor.undo(), NIMBET_OK);
    EXPECT_EQ(s.sketch(), "a|");
    s.editor.typeChar('x');
    EXPECT_EQ(s.editor.redo(), NIMBET_FAILED);
    ASSERT_EQ(s.editor.undo(), NIMBET_OK);
    EXPECT_EQ(s.sketch(), "a|");
    EXPECT_EQ(s.editor.undo(), NIMBET_FAILED) << "the first character can no longer be undone";
}

TEST(EditorUndo, OnlyTheLast256ChangesCanBeUndone) {
    SketchEditor s("|");
    for (int i = 0; i < 300; ++i)
        s.editor.typeChar(static_cast<unsigned char>('a' + i % 26));
    const std::string typed = s.text();
    int undone = 0;
    while (s.editor.undo() == NIMBET_OK)
        ++undone;
    EXPECT_EQ(undone, 256);
    EXPECT_EQ(s.text(), typed.substr(0, 44));
    int redone = 0;
    while (s.editor.redo() == NIMBET_OK)
        ++redone;
    EXPECT_EQ(redone, 256);
    EXPECT_EQ(s.text(), typed);
}

TEST(EditorUndo, CaretAfterUndoingDeletions) {
    struct Case {
        const char* before;
        EditorKey key;
        const char* deleted;
        const char* undone;
    } cases[] = {
        {"a|ソb", EditorKey::Delete, "a|b", "a|ソb"},       // Delete: the caret stays before it
        {"aソ|b", EditorKey::Backspace, "a|b", "aソ|b"},    // Backspace: after it
        {"ab|\ncd", EditorKey::Delete, "ab|cd", "ab|\ncd"}, // the break comes back, the caret stays
        {"ab\n|cd", EditorKey::Backspace, "ab|cd", "ab\n|cd"},
        {"a[b\nc|d", EditorKey::Delete, "a|d", "a|b\ncd"},
        {"a[b\nc|d", EditorKey::Backspace, "a|d", "ab\nc|d"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        SketchEditor s(c.before);
        s.editor.keyDown(c.key, false, false);
        EXPECT_EQ(s.sketch(), c.deleted);
        s.events.clear();
        ASSERT_EQ(s.editor.undo(), NIMBET_OK);
        EXPECT_EQ(s.sketch(), c.undone);
        EXPECT_EQ(s.events.notes,
                  (Notes{{NIMBET_NOTIFY_SELCLEARED, 0}, {NIMBET_NOTIFY_TEXT, 7}, {NIMBET_NOTIFY_CARET, 0}}));
        s.events.clear();
        ASSERT_EQ(s.editor.redo(), NIMBET_OK);
        EXPECT_EQ(s.sketch(), c.deleted);
        EXPECT_EQ(s.events.notes.back(), (std::pair{NIMBET_NOTIFY_TEXT, 8}));
    }
}

TEST(EditorUndo, ReplacementsComeBackWithTheirText) {
    SketchEditor s("x[ソ\n表|y");
    ASSERT_EQ(s.editor.setSelText("1\r\n2\r\n3"), NIMBET_OK);
    EXPECT_EQ(s.sketch(), "x1\n2\n3|y");
    ASSERT_EQ(s.editor.undo(), NIMBET_OK);
    EXPECT_EQ(s.sketch(), "xソ\n表|y");
    ASSERT_EQ(s.editor.redo(), NIMBET_OK);
    EXPECT_EQ(s.sketch(), "x1\n2\n3|y");

    SketchEditor cut("a[bc|d");
    cut.clipboard.content.reset();
    ASSERT_EQ(cut.editor.cut(), NIMBET_OK);
    ASSERT_EQ(cut.editor.undo(), NIMBET_OK);
    EXPECT_EQ(cut.text(), "abcd");
    ASSERT_EQ(cut.editor.redo(), NIMBET_OK);
    EXPECT_EQ(cut.sketch(), "a|d") << "the selection's text is removed again";
}

TEST(EditorUndo, NothingToUndoAfterLoadingOrWhileProtected) {
    SketchEditor s("a|");
    s.editor.typeChar('b');
    ASSERT_EQ(s.editor.setText("new"), NIMBET_OK);
    EXPECT_EQ(s.editor.undo(), NIMBET_FAILED);
    EXPECT_EQ(s.editor.redo(), NIMBET_FAILED);

    s.load("a|");
    s.editor.typeChar('b');
    s.editor.typeChar('c');
    ASSERT_EQ(s.editor.undo(), NIMBET_OK);
    s.editor.setWriteEnabled(false);
    EXPECT_EQ(s.editor.undo(), NIMBET_FAILED);
    EXPECT_EQ(s.editor.redo(), NIMBET_FAILED);
    EXPECT_EQ(s.text(), "ab");
    s.editor.setWriteEnabled(true);
    EXPECT_EQ(s.editor.redo(), NIMBET_OK);
    EXPECT_EQ(s.text(), "abc");
}

TEST(EditorUndo, ChainedRecordsUndoAsOneStep) {
    // A text moved inside the control: a deletion, then an insertion chained to it.
    SketchEditor s("[ab|cd");
    s.editor.keyDown(EditorKey::Delete, false, false);
    ASSERT_TRUE(s.editor.setSelection({1, 3}, {1, 3}, false));
    ASSERT_EQ(s.editor.setSelText("ab"), NIMBET_OK);
    EditorTestAccess::chainNewest(s.editor);
    EXPECT_EQ(s.text(), "cdab");
    s.events.clear();
    ASSERT_EQ(s.editor.undo(), NIMBET_OK);
    EXPECT_EQ(s.text(), "abcd");
    EXPECT_EQ(std::count(s.events.notes.begin(), s.events.notes.end(), std::pair{NIMBET_NOTIFY_TEXT, 7}), 1);
    ASSERT_EQ(s.editor.redo(), NIMBET_OK);
    EXPECT_EQ(s.text(), "cd") << "the deletion is redone on its own";
    ASSERT_EQ(s.editor.redo(), NIMBET_OK);
    EXPECT_EQ(s.text(), "cdab");
    EXPECT_EQ(s.editor.redo(), NIMBET_FAILED);
}
