// Indent and unindent of the selected lines, by export and by Tab.
#include <gtest/gtest.h>

#include "EditorSketch.h"

using namespace nimbet;

namespace {
std::string Newest(const Editor& e) {
    const UndoRecord& r = e.undoRing().at(0);
    return std::to_string(r.start.line) + "," + std::to_string(r.start.pos) + " " +
           std::to_string(r.oldEnd.line) + "," + std::to_string(r.oldEnd.pos) + " " +
           std::to_string(r.newEnd.line) + "," + std::to_string(r.newEnd.pos) + " [" +
           r.oldText.value_or("null") + "] [" + r.newText.value_or("null") + "]";
}
} // namespace

TEST(EditorIndent, IndentsEveryLineUpToTheFinish) {
    struct Case {
        const char* before;
        const char* after;
        const char* record;
    } cases[] = {
        {"[ab\ncd\n|ef", "[\tab\n\tcd|\nef", "1,1 2,3 2,4 [ab\r\ncd] [\tab\r\n\tcd]"}, // line 3 stays
        {"a[b|c", "[\tabc|", "1,1 1,4 1,5 [abc] [\tabc]"},
        {"x\nソ|\n\n表[", "x\n[\tソ\n\t\n\t表|", "2,1 4,3 4,4 [ソ\r\n\r\n表] [\tソ\r\n\t\r\n\t表]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        SketchEditor s(c.before);
        EXPECT_EQ(s.editor.indent(), NIMBET_OK);
        EXPECT_EQ(s.sketch(), c.after);
        EXPECT_EQ(Newest(s.editor), c.record);
        EXPECT_EQ(s.events.notes, (Notes{{NIMBET_NOTIFY_TEXT, 12}, {NIMBET_NOTIFY_CARET, 0}}));
    }
    SketchEditor none("a|b");
    EXPECT_EQ(none.editor.indent(), NIMBET_FAILED);
    EXPECT_EQ(none.editor.unindent(), NIMBET_FAILED);
    EXPECT_EQ(none.editor.undoRing().available(), 0);
}

TEST(EditorIndent, UnindentRemovesOneLevel) {
    // Tab width 4: four spaces before text go, two spaces stay, a line of only
    // spaces stays, a tab goes with the spaces before it, a full-width space
    // counts two columns.
    SketchEditor s("[    x\n  x\n    \n\tx\n  \tx\n　　x\n　 　x\n     x\nx\n|");
    EXPECT_EQ(s.editor.unindent(), NIMBET_OK);
    EXPECT_EQ(s.sketch(), "[x\n  x\n    \nx\nx\nx\nx\n x\nx|\n");
    EXPECT_EQ(s.events.notes, (Notes{{NIMBET_NOTIFY_TEXT, 13}, {NIMBET_NOTIFY_CARET, 0}}));
    EXPECT_EQ(s.editor.undoRing().at(0).oldEnd, (TextPlace{9, 2}));

    SketchEditor wide;
    ASSERT_EQ(wide.editor.setMetric(kMetricTabWidth, 2), NIMBET_OK);
    wide.load("[　x\n  y\n |z");
    EXPECT_EQ(wide.editor.unindent(), NIMBET_OK);
    EXPECT_EQ(wide.sketch(), "[x\ny\n z|");
}

TEST(EditorIndent, TabAndShiftTabWorkOnSelectedLines) {
    SketchEditor s("a[b\nc|d");
    s.editor.keyDown(EditorKey::Tab, false, false);
    EXPECT_EQ(s.sketch(), "[\tab\n\tcd|");
    EXPECT_EQ(s.events.notes,
              (Notes{{NIMBET_NOTIFY_TEXT, 12}, {NIMBET_NOTIFY_CARET, 0}, {NIMBET_NOTIFY_CARET, 1}}));
    s.events.clear();
    s.editor.keyDown(EditorKey::Tab, true, false);
    EXPECT_EQ(s.sketch(), "[ab\ncd|");
    EXPECT_EQ(s.events.notes,
              (Notes{{NIMBET_NOTIFY_TEXT, 13}, {NIMBET_NOTIFY_CARET, 0}, {NIMBET_NOTIFY_CARET, 1}}));
    ASSERT_EQ(s.editor.undo(), NIMBET_OK);
    EXPECT_EQ(s.text(), "\tab\n\tcd");
    ASSERT_EQ(s.editor.undo(), NIMBET_OK);
    EXPECT_EQ(s.text(), "ab\ncd");
    ASSERT_EQ(s.editor.redo(), NIMBET_OK);
    EXPECT_EQ(s.text(), "\tab\n\tcd");
}

TEST(EditorIndent, UnindentKeepsTheViewInsideTheText) {
    // Eleven tabs and a letter fill two rows of 43 columns; one tab less fits in one.
    SketchEditor s;
    s.load("[" + std::string(11, '\t') + "x|");
    s.editor.setWrapping(true, 0);
    ASSERT_EQ(s.editor.totalRows(), 2);
    s.editor.setTopLine(2);
    ASSERT_EQ(s.editor.unindent(), NIMBET_OK);
    EXPECT_EQ(s.editor.totalRows(), 1);
    EXPECT_EQ(s.editor.caret().topLine, 1);
}
