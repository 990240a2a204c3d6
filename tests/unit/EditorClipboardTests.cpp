// Copy, cut and paste against an in-memory clipboard.
#include <gtest/gtest.h>

#include "EditorSketch.h"

using namespace nimbet;

TEST(EditorClipboard, CopyNeedsASelectionAndAClipboard) {
    SketchEditor s("a[ソ\nc|d");
    EXPECT_EQ(s.editor.copy(), NIMBET_OK);
    EXPECT_EQ(s.clipboard.content, "ソ\r\nc");
    EXPECT_TRUE(s.events.notes.empty());
    s.clipboard.broken = true;
    EXPECT_EQ(s.editor.copy(), NIMBET_FAILED);
    s.clipboard.broken = false;
    s.load("a|b");
    EXPECT_EQ(s.editor.copy(), NIMBET_FAILED);
}

TEST(EditorClipboard, CutRemovesWhatItCopied) {
    SketchEditor s("a[b\nc|d");
    EXPECT_EQ(s.editor.cut(), NIMBET_OK);
    EXPECT_EQ(s.sketch(), "a|d");
    EXPECT_EQ(s.clipboard.content, "b\r\nc");
    EXPECT_EQ(s.events.notes, (Notes{{NIMBET_NOTIFY_SELCLEARED, 0}, {NIMBET_NOTIFY_TEXT, 6}}));
    EXPECT_EQ(s.editor.undoRing().at(0).kind, UndoRecord::Deletion);

    SketchEditor failing("a[b|c");
    failing.clipboard.broken = true;
    EXPECT_EQ(failing.editor.cut(), NIMBET_FAILED);
    EXPECT_EQ(failing.sketch(), "a[b|c") << "nothing is lost when the clipboard fails";
}

TEST(EditorClipboard, PasteReplacesTheSelection) {
    struct Case {
        const char* before;
        std::optional<std::string> clipboard;
        bool broken;
        NimbetResult result;
        const char* after;
        Notes notes;
    } cases[] = {
        {"a|b", "x\r\ny", false, NIMBET_OK, "ax\ny|b", {{NIMBET_NOTIFY_TEXT, 5}}},
        {"a[b|c", "ソ", false, NIMBET_OK, "aソ|c", {{NIMBET_NOTIFY_SELCLEARED, 0}, {NIMBET_NOTIFY_TEXT, 5}}},
        {"a|b", "", false, NIMBET_OK, "a|b", {}},
        {"a|b", std::string("x\0y", 3), false, NIMBET_OK, "ax|b", {{NIMBET_NOTIFY_TEXT, 5}}},
        {"a|b", std::nullopt, false, NIMBET_FAILED, "a|b", {}},
        {"a|b", "x", true, NIMBET_FAILED, "a|b", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        SketchEditor s(c.before);
        s.clipboard.content = c.clipboard;
        s.clipboard.broken = c.broken;
        EXPECT_EQ(s.editor.paste(), c.result);
        EXPECT_EQ(s.sketch(), c.after);
        EXPECT_EQ(s.events.notes, c.notes);
    }
}
