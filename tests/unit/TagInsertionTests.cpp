// The tag insertion engine against an editor that keeps a text, a selection
// and a caret in through offsets (line breaks are CR LF, two bytes).
#include <gtest/gtest.h>

#include <cstring>

#include "NimbetCodes.h"
#include "RecordingEditorApi.h"
#include "TagInsertion.h"

using quiltmark::InsertionContext;
using quiltmark::TagInserter;

namespace {

class SelectionEditor : public RecordingEditorApi {
  public:
    int from = 1, to = 1; // 1-based through offsets; from == to: the caret
    int setSelTextCalls = 0;

    int NimbetGetSelText(int, char* buffer) override {
        if (from == to) {
            buffer[0] = '\0';
            return NIMBET_NOSELECTION;
        }
        const std::string selected = text.substr(from - 1, to - from);
        std::memcpy(buffer, selected.c_str(), selected.size() + 1);
        return NIMBET_OK;
    }
    int NimbetSetSelText(int, const char* t) override {
        ++setSelTextCalls;
        text.replace(from - 1, to - from, t);
        from = to = from + static_cast<int>(std::strlen(t));
        return NIMBET_OK;
    }
    int NimbetGetSelB(int, int* f, int* t) override {
        *f = from;
        *t = to;
        return from == to ? NIMBET_FAILED : NIMBET_OK;
    }
    int NimbetSetSelB(int, int f, int t) override {
        from = f;
        to = t;
        return NIMBET_OK;
    }
};

struct Case {
    const char* text;
    int from, to;
    const char* start;
    const char* end;
    bool lowerCase;
    const char* result;
    int caret; // through offset of the caret afterwards
};

const Case kCases[] = {
    // Nothing selected: both texts at the caret, the caret between them.
    {"", 1, 1, "<B>", "</B>", false, "<B></B>", 4},
    {"ab", 2, 2, "<B>", "</B>", false, "a<B></B>b", 5},
    // A selection is wrapped whole; the caret ends after the end text.
    {"xabcx", 2, 5, "<B>", "</B>", false, "x<B>abc</B>x", 12},
    {"a\r\nb\r\nc", 1, 8, "<B>", "</B>", false, "<B>a\r\nb\r\nc</B>", 15},
    // Equal texts replace the selection.
    {"xyz", 2, 3, "<BR>", "<BR>", false, "x<BR>z", 6},
    {"xyz", 2, 3, "\t", "\t", false, "x\tz", 3},
    // A list's end text holds a line break: the caret still lands between.
    {"", 1, 1, "<UL>\r\n  <LI>", "\r\n</UL>", false, "<UL>\r\n  <LI>\r\n</UL>", 13},
    // Lower case: ASCII letters only, never a second byte, attributes too.
    {"", 1, 1, "<DIV ALIGN=\"center\">", "</DIV>", true, "<div align=\"center\"></div>", 21},
    {"", 1, 1, "<SPAN TITLE=\"表ＡソB\">", "</SPAN>", true, "<span title=\"表Ａソb\"></span>", 23},
    {"", 1, 1, "&nbsp;", "&nbsp;", true, "&nbsp;", 7},
};

} // namespace

TEST(TagInsertion, WrapsInsertsAndPlacesTheCaret) {
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        SCOPED_TRACE(i);
        const Case& c = kCases[i];
        SelectionEditor editor;
        editor.text = c.text;
        editor.from = c.from;
        editor.to = c.to;
        TagInserter(editor).InsertTag(c.start, c.end, InsertionContext{true, c.lowerCase});
        EXPECT_EQ(editor.text, c.result);
        EXPECT_EQ(editor.from, c.caret);
        EXPECT_EQ(editor.to, c.caret);
        EXPECT_EQ(editor.setSelTextCalls, 1) << "one undoable step";
    }
}

TEST(TagInsertion, DoesNothingWhileTheEditorIsHidden) {
    SelectionEditor editor;
    editor.text = "abc";
    editor.from = 1;
    editor.to = 3;
    TagInserter(editor).InsertTag("<B>", "</B>", InsertionContext{false, true});
    EXPECT_EQ(editor.text, "abc");
    EXPECT_TRUE(editor.calls.empty());
}
