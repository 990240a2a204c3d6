// The editing operations: what each does to the text and the caret, the
// notifications in their order, and the undo record it leaves.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>

#include "EditorSketch.h"

using namespace nimbet;

namespace {

using Op = std::function<void(Editor&)>;

Op Type(const std::string& bytes) {
    return [bytes](Editor& e) {
        for (char c : bytes)
            e.typeChar(static_cast<unsigned char>(c));
    };
}
Op Key(EditorKey key, bool shift = false) {
    return [key, shift](Editor& e) { e.keyDown(key, shift, false); };
}
Op Overwrite(Op op) {
    return [op](Editor& e) {
        e.toggleOverwriteMode();
        op(e);
    };
}
Op Ime(const std::string& text) {
    return [text](Editor& e) { e.inputMethodResult(text); };
}

constexpr auto kText = NIMBET_NOTIFY_TEXT;
constexpr auto kCaret = NIMBET_NOTIFY_CARET;
constexpr auto kCleared = NIMBET_NOTIFY_SELCLEARED;
constexpr auto kMode = NIMBET_NOTIFY_INSERTMODE;

// The newest undo record, drawn compactly: kind start oldEnd newEnd keep "old" "new".
std::string Describe(const UndoRecord& r) {
    auto place = [](TextPlace p) { return std::to_string(p.line) + "," + std::to_string(p.pos); };
    auto text = [](const std::optional<std::string>& t) {
        return t ? "\"" + *t + "\"" : std::string("null");
    };
    return std::to_string(r.kind) + " " + place(r.start) + " " + place(r.oldEnd) + " " +
           (r.kind == 0 ? place(r.newEnd) : std::string("-")) + (r.keepCaret ? " keep " : " ") +
           text(r.oldText) + " " + text(r.newText);
}

struct Case {
    const char* before;
    Op op;
    const char* after;
    Notes notes;
    const char* record; // the newest record, or null when none is made
};

void Check(const Case& c) {
    SketchEditor s(c.before);
    const int recordsBefore = s.editor.undoRing().available();
    c.op(s.editor);
    EXPECT_EQ(s.sketch(), c.after);
    EXPECT_EQ(s.events.notes, c.notes);
    if (c.record) {
        ASSERT_EQ(s.editor.undoRing().available(), recordsBefore + 1);
        EXPECT_EQ(Describe(s.editor.undoRing().at(0)), c.record);
    } else {
        EXPECT_EQ(s.editor.undoRing().available(), recordsBefore) << "no record";
    }
    EXPECT_EQ(s.editor.lineCount(), s.editor.buffer().walkCount());
    EXPECT_EQ(s.editor.caret().goalLine, s.editor.caret().caretLine);
    EXPECT_EQ(s.editor.caret().goalPos, s.editor.caret().caretPos);
}

} // namespace

TEST(EditorEditing, TypedCharacters) {
    const Case cases[] = {
        {"a|c", Type("b"), "ab|c", {{kText, 0}, {kCaret, 1}}, "0 1,2 1,2 1,3 null \"b\""},
        {"ソ|表", Type("\\"), "ソ\\|表", {{kText, 0}, {kCaret, 1}}, "0 1,3 1,3 1,4 null \"\\\""},
        {"a[bc|d", Type("x"), "ax|d", {{kCleared, 0}, {kText, 0}, {kCaret, 1}}, "0 1,2 1,4 1,3 \"bc\" \"x\""},
        {"a|bc",
         Overwrite(Type("x")),
         "ax|c",
         {{kMode, 0}, {kCleared, 0}, {kText, 0}, {kCaret, 1}},
         "0 1,2 1,3 1,3 \"b\" \"x\""},
        {"abc|",
         Overwrite(Type("x")),
         "abcx|",
         {{kMode, 0}, {kText, 0}, {kCaret, 1}},
         "0 1,4 1,4 1,5 null \"x\""},
        {"a|ソb",
         Overwrite(Type("x")),
         "ax|b",
         {{kMode, 0}, {kCleared, 0}, {kText, 0}, {kCaret, 1}},
         "0 1,2 1,4 1,3 \"ソ\" \"x\""},
        {"a|b", Type("\xB1"), "a\xB1|b", {{kText, 0}, {kCaret, 1}}, "0 1,2 1,2 1,3 null \"\xB1\""},
        // Control bytes, DEL, 0x80, 0xA0 and 0xE0+ are not typed; a lead byte takes its trail byte along.
        {"a|b", Type("\x1F\x7F\x80\xA0\xFD"), "a|b", {}, nullptr},
        {"a|b", Type("\x83\x5C"), "a|b", {}, nullptr},
        {"a|b", Type("\x83\x5Cz"), "az|b", {{kText, 0}, {kCaret, 1}}, "0 1,2 1,2 1,3 null \"z\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        Check(c);
    }
}

TEST(EditorEditing, InputMethodResults) {
    const Case cases[] = {
        {"a|b", Ime("漢字"), "a漢字|b", {{kCaret, 1}, {kText, 1}}, "0 1,2 1,2 1,6 null \"漢字\""},
        {"a[bc|d",
         Ime("ソ"),
         "aソ|d",
         {{kCleared, 0}, {kCaret, 1}, {kText, 1}},
         "0 1,2 1,4 1,4 \"bc\" \"ソ\""},
        {"a|bcd",
         Overwrite(Ime("漢字")),
         "a漢字|d",
         {{kMode, 0}, {kCleared, 0}, {kCaret, 1}, {kText, 1}},
         "0 1,2 1,4 1,6 \"bc\" \"漢字\""},
        {"a|ソ表x",
         Overwrite(Ime("漢x")),
         "a漢x|x",
         {{kMode, 0}, {kCleared, 0}, {kCaret, 1}, {kText, 1}},
         "0 1,2 1,6 1,5 \"ソ表\" \"漢x\""},
        {"a|b",
         Overwrite(Ime("漢字")),
         "a漢字|",
         {{kMode, 0}, {kCleared, 0}, {kCaret, 1}, {kText, 1}},
         "0 1,2 1,3 1,6 \"b\" \"漢字\""},
        // A result holding a break still leaves the caret on a real place.
        {"a|b", Ime("x\r\ny"), "ax\ny|b", {{kCaret, 1}, {kText, 1}}, "0 1,2 1,2 2,2 null \"x\r\ny\""},
        {"a|b", Ime(""), "a|b", {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        Check(c);
    }
}

TEST(EditorEditing, CharactersOfAnInputMethodResultAreSwallowedOncePerByte) {
    SketchEditor s("|");
    s.editor.inputMethodResult("漢a");
    EXPECT_EQ(s.editor.imeSwallow(), 3);
    s.editor.typeChar(0x8A); // the same bytes arriving as character messages
    s.editor.typeChar(0xBF);
    s.editor.typeChar('a');
    EXPECT_EQ(s.sketch(), "漢a|");
    s.editor.typeChar('b');
    EXPECT_EQ(s.sketch(), "漢ab|");
}

TEST(EditorEditing, EnterBackspaceDeleteAndTab) {
    using K = EditorKey;
    const Case cases[] = {
        {"ab|cd", Key(K::Enter), "ab\n|cd", {{kText, 2}, {kCaret, 1}}, "0 1,3 1,3 2,1 null \"\r\n\""},
        {"a[bc|d",
         Key(K::Enter),
         "a\n|d",
         {{kCleared, 0}, {kText, 2}, {kCaret, 1}},
         "0 1,2 1,4 2,1 \"bc\" \"\r\n\""},
        {"表|", Key(K::Enter), "表\n|", {{kText, 2}, {kCaret, 1}}, "0 1,3 1,3 2,1 null \"\r\n\""},
        {"ab|c", Key(K::Backspace), "a|c", {{kText, 3}, {kCaret, 1}}, "1 1,2 1,3 - \"b\" null"},
        {"xソ|y", Key(K::Backspace), "x|y", {{kText, 3}, {kCaret, 1}}, "1 1,2 1,4 - \"ソ\" null"},
        {"亜|", Key(K::Backspace), "|", {{kText, 3}, {kCaret, 1}}, "1 1,1 1,3 - \"亜\" null"},
        {"ab\n|cd", Key(K::Backspace), "ab|cd", {{kText, 3}, {kCaret, 1}}, "1 1,3 2,1 - \"\r\n\" null"},
        {"|ab", Key(K::Backspace), "|ab", {}, nullptr},
        {"a|b\nc[d", Key(K::Backspace), "a|d", {{kCleared, 0}, {kText, 3}}, "1 1,2 2,2 - \"b\r\nc\" null"},
        {"a|bc", Key(K::Delete), "a|c", {{kText, 4}}, "1 1,2 1,3 - keep \"b\" null"},
        {"a|－b", Key(K::Delete), "a|b", {{kText, 4}}, "1 1,2 1,4 - keep \"－\" null"},
        {"ab|\ncd", Key(K::Delete), "ab|cd", {{kText, 4}}, "1 1,3 2,1 - keep \"\r\n\" null"},
        {"ab\ncd|", Key(K::Delete), "ab\ncd|", {}, nullptr},
        {"a[bc|d",
         Key(K::Delete),
         "a|d",
         {{kCleared, 0}, {kText, 3}, {kCaret, 1}},
         "1 1,2 1,4 - keep \"bc\" null"},
        {"a|b", Key(K::Tab), "a\t|b", {{kText, 9}, {kCaret, 1}}, "0 1,2 1,2 1,3 null \"\t\""},
        {"a[bc|d",
         Key(K::Tab),
         "a\t|d",
         {{kCleared, 0}, {kText, 9}, {kCaret, 1}},
         "0 1,2 1,4 1,3 \"bc\" \"\t\""},
        {"a|b", Key(K::Tab, true), "a|b", {}, nullptr},
        {"a[bc|d", Key(K::Tab, true), "a[bc|d", {}, nullptr},
        {"a|b",
         Overwrite(Key(K::Tab)),
         "a\t|b",
         {{kMode, 0}, {kText, 9}, {kCaret, 1}},
         "0 1,2 1,2 1,3 null \"\t\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        Check(c);
    }
}

TEST(EditorEditing, ReplacingTheSelectionFromTheHost) {
    auto set = [](const char* text) {
        return [text](Editor& e) { EXPECT_EQ(e.setSelText(text), NIMBET_OK); };
    };
    const Case cases[] = {
        {"|", set("a\r\nb"), "a\nb|", {{kText, 10}}, "0 1,1 1,1 2,2 null \"a\r\nb\""},
        {"x|y", set("1\r2\n3"), "x1\n2\n3|y", {{kText, 10}}, "0 1,2 1,2 3,2 null \"1\r2\n3\""},
        {"x[ソ|y", set("表"), "x表|y", {{kCleared, 0}, {kText, 10}}, "0 1,2 1,4 1,4 \"ソ\" \"表\""},
        {"a[b\nc|d", set(""), "a|d", {{kCleared, 0}, {kText, 10}}, "0 1,2 2,2 1,2 \"b\r\nc\" \"\""},
        {"a[b|c", set(nullptr), "a|c", {{kCleared, 0}, {kText, 10}}, "0 1,2 1,3 1,2 \"b\" \"\""},
        {"a|b", set("x\r\n"), "ax\n|b", {{kText, 10}}, "0 1,2 1,2 2,1 null \"x\r\n\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        Check(c);
    }
}

TEST(EditorEditing, WriteProtectionStopsEveryChange) {
    using K = EditorKey;
    const Op ops[] = {Type("x"),
                      Ime("漢"),
                      Key(K::Enter),
                      Key(K::Backspace),
                      Key(K::Delete),
                      Key(K::Tab),
                      Key(K::Tab, true),
                      [](Editor& e) { EXPECT_EQ(e.indent(), NIMBET_FAILED); },
                      [](Editor& e) { EXPECT_EQ(e.unindent(), NIMBET_FAILED); },
                      [](Editor& e) { EXPECT_EQ(e.cut(), NIMBET_FAILED); },
                      [](Editor& e) { EXPECT_EQ(e.paste(), NIMBET_FAILED); },
                      [](Editor& e) { EXPECT_EQ(e.undo(), NIMBET_FAILED); },
                      [](Editor& e) { EXPECT_EQ(e.redo(), NIMBET_FAILED); }};
    for (size_t i = 0; i < std::size(ops); ++i) {
        SCOPED_TRACE(i);
        SketchEditor s("a[b\n\tc|d");
        s.clipboard.content = "pasted";
        s.editor.setWriteEnabled(false);
        ops[i](s.editor);
        EXPECT_EQ(s.sketch(), "a[b\n\tc|d");
        EXPECT_TRUE(s.events.notes.empty());
    }
    // The host's replacement is refused with a status, and still notifies.
    SketchEditor s("a[b|c");
    s.editor.setWriteEnabled(false);
    EXPECT_EQ(s.editor.setSelText("x"), NIMBET_READONLY);
    EXPECT_EQ(s.sketch(), "a[b|c");
    EXPECT_EQ(s.events.notes, (Notes{{kText, 10}}));
    // Copy and movement still work.
    EXPECT_EQ(s.editor.copy(), NIMBET_OK);
    EXPECT_EQ(s.clipboard.content, "b");
    s.editor.keyDown(K::Right, false, false);
    EXPECT_EQ(s.sketch(), "abc|");
}

TEST(EditorEditing, SelectedTextJoinsLinesWithCrLf) {
    SketchEditor s("a[b\n\nソ|表");
    char buffer[16];
    std::memset(buffer, 'X', sizeof buffer);
    ASSERT_EQ(s.editor.getSelText(buffer), NIMBET_OK);
    EXPECT_STREQ(buffer, "b\r\n\r\nソ");
    EXPECT_EQ(s.editor.selectedLength(), 7);
    EXPECT_EQ(s.editor.getSelText(nullptr), NIMBET_BADARG);
    s.load("a|b");
    EXPECT_EQ(s.editor.getSelText(buffer), NIMBET_NOSELECTION);
    EXPECT_EQ(s.editor.selectedLength(), 0);
}

TEST(EditorEditing, TypingRepaintsOnlyTheCaretLineWhenItCan) {
    SketchEditor s("a|b\ncd");
    s.editor.typeChar('x');
    EXPECT_EQ(s.events.repaintKinds.back(), Repaint::CaretLine);
    s.load("a[b|\ncd");
    s.editor.typeChar('x');
    EXPECT_EQ(s.events.repaintKinds.back(), Repaint::Full) << "a selection was replaced";
    s.load(std::string(42, 'x') + "|");
    s.editor.typeChar('y');
    EXPECT_EQ(s.events.repaintKinds.back(), Repaint::Full) << "the view scrolled";
}
