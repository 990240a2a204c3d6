// Loading a whole text into the editor: notifications, reset of the caret and
// marks, the write-protected case and line access.
#include <gtest/gtest.h>

#include "Editor.h"
#include "RecordingEvents.h"

using namespace nimbet;

TEST(EditorLoad, NotifiesBeforeLoadingAndResetsTheCaret) {
    RecordingEvents events;
    Editor editor(events);
    ASSERT_EQ(editor.setText("a\r\nb"), NIMBET_OK);
    const std::vector<std::pair<NimbetNotify, int>> expected = {{NIMBET_NOTIFY_TEXT, 11}, {NIMBET_NOTIFY_CARET, 0}};
    EXPECT_EQ(events.notes, expected);
    EXPECT_GT(events.repaints, 0);
    EXPECT_EQ(editor.lineCount(), 2);
    EXPECT_EQ(editor.caret().caretLine, 1);
    EXPECT_EQ(editor.caret().caretPos, 1);
    EXPECT_EQ(editor.caret().topLine, 1);
    EXPECT_FALSE(editor.caret().selecting);
}

TEST(EditorLoad, WriteProtectionRefusesButStillNotifies) {
    RecordingEvents events;
    Editor editor(events);
    ASSERT_EQ(editor.setText("kept"), NIMBET_OK);
    editor.setWriteEnabled(false);
    events.notes.clear();
    EXPECT_EQ(editor.setText("lost"), NIMBET_READONLY);
    ASSERT_EQ(events.notes.size(), 1u);
    EXPECT_EQ(events.notes[0].second, NIMBET_TEXT_SETTEXT);
    EXPECT_STREQ(editor.lineData(1), "kept");
    EXPECT_EQ(editor.setText(nullptr), NIMBET_BADARG);
}

TEST(EditorLoad, LineAccessAndMarks) {
    RecordingEvents events;
    Editor editor(events);
    ASSERT_EQ(editor.setText("one\ntwo\nthree"), NIMBET_OK);
    EXPECT_EQ(editor.lineLength(3), 5);
    EXPECT_STREQ(editor.lineData(2), "two");
    EXPECT_EQ(editor.setMark(3, 2), 0);
    EXPECT_EQ(editor.getMark(3), 2);
    EXPECT_EQ(editor.setMark(3, 4), NIMBET_BADARG) << "marks are 0 to 3";
    EXPECT_EQ(editor.getMark(3), 2);
    EXPECT_EQ(editor.lineData(4), nullptr);
    EXPECT_EQ(editor.lineLength(0), NIMBET_BADARG);
}
