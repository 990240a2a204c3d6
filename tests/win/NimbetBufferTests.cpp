// Loading, exporting and line access through the exports, with the
// notifications the parent receives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DriverSupport.h"

namespace {

class Buffer : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Nimbet().NimbetCreate(0, parent.hwnd(), 0, 0, 400, 300), NIMBET_OK);
        parent.received.clear();
    }
    void TearDown() override { Nimbet().NimbetDelete(0); }

    std::string text(int lineCode) { return EditorText(lineCode); }
    std::vector<std::string> lines() {
        std::vector<std::string> out;
        for (int i = 1; i <= Nimbet().NimbetGetLines(0); ++i)
            out.emplace_back(Nimbet().NimbetGetLineData(0, i), Nimbet().NimbetGetLineLen(0, i));
        return out;
    }
    RecordingParent parent;
};

TEST_F(Buffer, LoadSplitsAtEveryKindOfBreak) {
    struct Case {
        const char* text;
        std::vector<std::string> lines;
        int lineCode;
        int length;
    } cases[] = {
        {"", {""}, 1, 0},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}, 1, 10},
        {"a\nb", {"a", "b"}, 3, 4},
        {"x\r\n", {"x", ""}, 1, 3},
        {"x\r", {"x", ""}, 2, 3},
        {"ソ\\表\n", {"ソ\\表", ""}, 3, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_EQ(Nimbet().NimbetSetText(0, c.text), NIMBET_OK);
        EXPECT_EQ(lines(), c.lines);
        EXPECT_EQ(Nimbet().NimbetGetLineCode(0), c.lineCode);
        EXPECT_EQ(Nimbet().NimbetGetTextLength(0), c.length);
    }
}

TEST_F(Buffer, TextWithoutBreakKeepsThePreviousLineCode) {
    ASSERT_EQ(Nimbet().NimbetSetText(0, "a\rb"), NIMBET_OK);
    ASSERT_EQ(Nimbet().NimbetSetText(0, "single"), NIMBET_OK);
    EXPECT_EQ(Nimbet().NimbetGetLineCode(0), 2);
}

TEST_F(Buffer, ExportWritesTheRequestedBreaks) {
    ASSERT_EQ(Nimbet().NimbetSetText(0, "ab\ncd"), NIMBET_OK);
    EXPECT_EQ(Nimbet().NimbetGetTextLength(0), 6) << "two bytes per break whatever the line code";
    EXPECT_EQ(text(0), "abcd");
    EXPECT_EQ(text(1), "ab\r\ncd");
    EXPECT_EQ(text(2), "ab\rcd");
    EXPECT_EQ(text(3), "ab\ncd");
    EXPECT_EQ(text(4), "ab\ncd");
    EXPECT_EQ(text(9), "abcd");
    EXPECT_EQ(Nimbet().NimbetGetText(0, nullptr, 1), NIMBET_BADARG);
}

TEST_F(Buffer, SetTextNotifiesBeforeTheChangeAndResetsTheCaret) {
    ASSERT_EQ(Nimbet().NimbetSetText(0, "abc"), NIMBET_OK);
    const std::vector<Notification> expected = {
        Note(NIMBET_NOTIFY_TEXT, 0, NIMBET_TEXT_SETTEXT),
        Note(NIMBET_NOTIFY_CARET, 0, NIMBET_CARET_EXPORT),
    };
    EXPECT_EQ(parent.received, expected);
}

TEST_F(Buffer, WriteProtectedTextIsNotReplacedButStillNotifies) {
    ASSERT_EQ(Nimbet().NimbetSetText(0, "keep"), NIMBET_OK);
    ASSERT_EQ(Nimbet().NimbetWriteEnable(0, 0), NIMBET_OK);
    parent.received.clear();
    EXPECT_EQ(Nimbet().NimbetSetText(0, "other"), NIMBET_READONLY);
    EXPECT_EQ(text(1), "keep");
    const std::vector<Notification> expected = {Note(NIMBET_NOTIFY_TEXT, 0, NIMBET_TEXT_SETTEXT)};
    EXPECT_EQ(parent.received, expected);
    EXPECT_EQ(Nimbet().NimbetSetText(0, nullptr), NIMBET_BADARG);
}

TEST_F(Buffer, MarksAndLinesOutsideTheTextGetSafeAnswers) {
    ASSERT_EQ(Nimbet().NimbetSetText(0, "a\nb\nc"), NIMBET_OK);
    EXPECT_EQ(Nimbet().NimbetSetMark(0, 2, 3, 0), 0);
    EXPECT_EQ(Nimbet().NimbetSetMark(0, 2, 1, 1), 3);
    EXPECT_EQ(Nimbet().NimbetGetMark(0, 2), 1);
    EXPECT_EQ(Nimbet().NimbetGetMark(0, 1), 0);
    for (int line : {0, -1, 4, 1000}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(Nimbet().NimbetGetLineData(0, line), nullptr);
        EXPECT_EQ(Nimbet().NimbetGetLineLen(0, line), NIMBET_BADARG);
        EXPECT_EQ(Nimbet().NimbetSetMark(0, line, 1, 0), NIMBET_BADARG);
        EXPECT_EQ(Nimbet().NimbetGetMark(0, line), NIMBET_BADARG);
    }
    ASSERT_EQ(Nimbet().NimbetSetText(0, "a\nb\nc"), NIMBET_OK);
    EXPECT_EQ(Nimbet().NimbetGetMark(0, 2), 0) << "loading clears the marks";
}

std::string ManyLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "<p>行 " + std::to_string(i) + "</p>\r\n";
    return text;
}

TEST_F(Buffer, LongLoadKeepsTheMessageLoopRunning) {
    int dispatched = 0;
    parent.onAppMessage = [&] { ++dispatched; };
    PostMessageA(parent.hwnd(), WM_APP, 0, 0);
    ASSERT_EQ(Nimbet().NimbetSetText(0, ManyLines(5000).c_str()), NIMBET_OK);
    EXPECT_EQ(dispatched, 1) << "the posted message was handled during the load";
    EXPECT_EQ(Nimbet().NimbetGetLines(0), 5001);
    EXPECT_STREQ(Nimbet().NimbetGetLineData(0, 4999), "<p>行 4999</p>");
}

TEST_F(Buffer, DeletingTheControlDuringALoadWaitsForTheLoadToEnd) {
    HWND control = Nimbet().NimbetGetWnd(0);
    parent.onAppMessage = [&] {
        EXPECT_EQ(Nimbet().NimbetSetText(0, "nested"), NIMBET_FAILED);
        EXPECT_EQ(Nimbet().NimbetDelete(0), NIMBET_OK);
    };
    PostMessageA(parent.hwnd(), WM_APP, 0, 0);
    EXPECT_EQ(Nimbet().NimbetSetText(0, ManyLines(5000).c_str()), NIMBET_OK);
    EXPECT_EQ(Nimbet().NimbetGetWnd(0), nullptr);
    EXPECT_FALSE(IsWindow(control));
}

} // namespace
