// The tag insertion engine and the simple tag commands against an editor that
// keeps a text, a selection and a caret in through offsets (line breaks are
// CR LF, two bytes).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "SelectionEditor.h"
#include "TagCommands.h"
#include "TagInsertion.h"

using quiltmark::InsertionContext;
using quiltmark::TagCommands;
using quiltmark::TagInserter;

namespace {

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
    {"a\r\nb", 4, 4, "<B>", "</B>", false, "a\r\n<B></B>b", 7},
    // A selection is wrapped whole; the caret ends after the end text.
    {"xabcx", 2, 5, "<B>", "</B>", false, "x<B>abc</B>x", 12},
    {"a\r\nb\r\nc", 1, 8, "<B>", "</B>", false, "<B>a\r\nb\r\nc</B>", 15},
    // Equal texts replace the selection.
    {"xyz", 2, 3, "<BR>", "<BR>", false, "x<BR>z", 6},
    {"xyz", 2, 3, "\t", "\t", false, "x\tz", 3},
    // A list's end text holds a line break: the caret still lands between.
    {"", 1, 1, "<UL>\r\n  <LI>", "\r\n</UL>", false, "<UL>\r\n  <LI>\r\n</UL>", 13},
    // Lower case: ASCII letters only, never a second byte, attributes too,
    // and the selection keeps its own letters.
    {"", 1, 1, "<DIV ALIGN=\"center\">", "</DIV>", true, "<div align=\"center\"></div>", 21},
    {"", 1, 1, "<SPAN TITLE=\"表ＡソB\">", "</SPAN>", true, "<span title=\"表Ａソb\"></span>", 23},
    {"ABC", 1, 4, "<B>", "</B>", true, "<b>ABC</b>", 11},
    {"", 1, 1, "&nbsp;", "&nbsp;", true, "&nbsp;", 7},
    {"", 1, 1, "<!-- ", " -->", true, "<!--  -->", 6},
};

// The table's texts are ASCII: lower case is plain letter by letter here.
std::string Lowered(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

} // namespace

TEST(TagInsertion, WrapsInsertsAndPlacesTheCaret) {
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        SCOPED_TRACE(i);
        const Case& c = kCases[i];
        SelectionEditor editor(c.text, c.from, c.to);
        TagInserter(editor).InsertTag(c.start, c.end, InsertionContext{true, c.lowerCase});
        EXPECT_EQ(editor.text, c.result);
        EXPECT_EQ(editor.from, c.caret);
        EXPECT_EQ(editor.to, c.caret);
        EXPECT_EQ(editor.setSelTextCalls, 1) << "one undoable step";
    }
}

TEST(TagInsertion, DoesNothingWhileTheEditorIsHidden) {
    SelectionEditor editor("abc", 1, 3);
    TagInserter(editor).InsertTag("<B>", "</B>", InsertionContext{false, true});
    EXPECT_EQ(editor.text, "abc");
    EXPECT_TRUE(editor.calls.empty());
}

// Every simple tag command, with and without a selection spanning a line
// break, in both cases: one step, the selection wrapped or replaced, the
// caret between the texts only when nothing was selected.
TEST(TagCommands, EachCommandWrapsOrReplacesAsOneStep) {
    const std::string before = "[", after = "]", selection = "ab\r\nc";
    for (const auto& command : TagCommands()) {
        for (bool lowerCase : {false, true}) {
            for (bool selected : {false, true}) {
                SCOPED_TRACE(std::string(command.name) + (lowerCase ? " lower" : "") +
                             (selected ? " sel" : ""));
                const std::string start = lowerCase ? Lowered(command.start) : command.start;
                const std::string end = lowerCase ? Lowered(command.end) : command.end;
                const bool single = std::string(command.start) == command.end;
                const int from = 2, to = selected ? from + static_cast<int>(selection.size()) : from;
                SelectionEditor editor(before + (selected ? selection : "") + after, from, to);
                TagInserter(editor).InsertTag(command.start, command.end, InsertionContext{true, lowerCase});

                const std::string inner = single ? start : start + (selected ? selection : "") + end;
                EXPECT_EQ(editor.text, before + inner + after);
                const int caret = (single || selected) ? from + static_cast<int>(inner.size())
                                                       : from + static_cast<int>(start.size());
                EXPECT_EQ(editor.from, caret);
                EXPECT_EQ(editor.to, caret);
                EXPECT_EQ(editor.setSelTextCalls, 1);
            }
        }
    }
}

// A second row for an id would silently replace the first in the command table.
TEST(TagCommands, IdsAndNamesAreUnique) {
    std::set<int> ids;
    std::set<std::string> names;
    for (const auto& command : TagCommands()) {
        EXPECT_TRUE(ids.insert(command.id).second) << command.id;
        EXPECT_TRUE(names.insert(command.name).second) << command.name;
    }
}
