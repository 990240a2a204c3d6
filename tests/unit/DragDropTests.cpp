// Drag-and-drop through the editor: moving a selection within the text (the
// drop place measured after the removal, two records undone by one undo),
// copying, drops that change nothing, and the end of a drag out.
#include <gtest/gtest.h>

#include <string>

#include "DragDropSession.h"
#include "EditorSketch.h"

using namespace nimbet;

namespace {

constexpr auto kCaret = NIMBET_NOTIFY_CARET;
constexpr auto kText = NIMBET_NOTIFY_TEXT;
constexpr auto kCleared = NIMBET_NOTIFY_SELCLEARED;

std::string Place(TextPlace p) { return std::to_string(p.line) + "," + std::to_string(p.pos); }

// kind start newEnd oldEnd "old" "new" and "chained" when set.
std::string Describe(const UndoRecord& r) {
    const auto text = [](const std::optional<std::string>& t) {
        if (!t)
            return std::string("null");
        std::string out = "\"";
        for (char c : *t)
            out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
        return out + "\"";
    };
    return std::to_string(r.kind) + " " + Place(r.start) + " " + Place(r.newEnd) + " " + Place(r.oldEnd) + " " +
           text(r.oldText) + " " + text(r.newText) + (r.chained ? " chained" : "");
}

} // namespace

TEST(DragDrop, MovingASelectionInsertsWhereTheDropPlaceLiesAfterTheRemoval) {
    struct Case {
        const char* name;
        const char* sketch; // the selection to move
        TextPlace drop;     // where the drag left the caret
        const char* after;
        const char* deletion;
        const char* insertion;
    } cases[] = {
        {"later on the same line", "[one |two three", {1, 9}, "two one |three",
         "1 1,1 0,0 1,5 \"one \" null", "0 1,5 1,9 1,5 null \"one \" chained"},
        {"earlier on the same line", "one two [three|", {1, 5}, "one three|two ",
         "1 1,9 0,0 1,14 \"three\" null", "0 1,5 1,10 1,5 null \"three\" chained"},
        {"on an earlier line", "ab\ncd[ef|", {1, 2}, "aef|b\ncd",
         "1 2,3 0,0 2,5 \"ef\" null", "0 1,2 1,4 1,2 null \"ef\" chained"},
        {"on a later line", "a[b\nc|d\nxyz", {3, 2}, "ad\nxb\nc|yz",
         "1 1,2 0,0 2,2 \"b\\r\\nc\" null", "0 2,2 3,2 2,2 null \"b\\r\\nc\" chained"},
        {"on the selection's last line after it", "a[b\ncd|ef", {2, 4}, "aeb\ncd|f",
         "1 1,2 0,0 2,3 \"b\\r\\ncd\" null", "0 1,3 2,3 1,3 null \"b\\r\\ncd\" chained"},
        {"on the selection's first line before it", "ab[c\nd|e", {1, 2}, "ac\nd|be",
         "1 1,3 0,0 2,2 \"c\\r\\nd\" null", "0 1,2 2,2 1,2 null \"c\\r\\nd\" chained"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SketchEditor s(c.sketch);
        const std::string before = s.text();
        const std::string dragged = s.editor.selectedText();
        s.editor.pointCaret(c.drop); // the drag hovered here; the selection stays
        ASSERT_TRUE(s.editor.selection().exists);
        ASSERT_TRUE(s.editor.dropText(dragged, true));
        EXPECT_EQ(s.sketch(), c.after);
        EXPECT_EQ(s.events.notes, (Notes{{kCleared, 0}, {kCaret, 3}, {kText, 14}}));
        ASSERT_EQ(s.editor.undoRing().available(), 2);
        EXPECT_EQ(Describe(s.editor.undoRing().at(1)), c.deletion);
        EXPECT_EQ(Describe(s.editor.undoRing().at(0)), c.insertion);
        const std::string moved = s.text();

        s.events.clear();
        EXPECT_EQ(s.editor.undo(), NIMBET_OK);
        EXPECT_EQ(s.text(), before) << "one undo takes back the whole move";
        EXPECT_EQ(s.editor.undo(), NIMBET_FAILED);
        EXPECT_EQ(s.editor.redo(), NIMBET_OK);
        EXPECT_NE(s.text(), moved) << "the first redo only removes the selection";
        EXPECT_EQ(s.editor.redo(), NIMBET_OK);
        EXPECT_EQ(s.text(), moved);
    }
}

TEST(DragDrop, RedoingAMoveStopsBeforeTheNextStep) {
    SketchEditor s("[ab|cd");
    s.editor.pointCaret({1, 5});
    ASSERT_TRUE(s.editor.dropText("ab", true));
    s.editor.typeChar('x');
    ASSERT_EQ(s.text(), "cdabx");
    ASSERT_EQ(s.editor.undo(), NIMBET_OK);
    ASSERT_EQ(s.editor.undo(), NIMBET_OK);
    ASSERT_EQ(s.text(), "abcd");
    ASSERT_EQ(s.editor.redo(), NIMBET_OK);
    EXPECT_EQ(s.text(), "cd") << "the deletion is redone on its own";
    ASSERT_EQ(s.editor.redo(), NIMBET_OK);
    EXPECT_EQ(s.text(), "cdab") << "the insertion, but not the typing after it";
    ASSERT_EQ(s.editor.redo(), NIMBET_OK);
    EXPECT_EQ(s.text(), "cdabx");
}

TEST(DragDrop, CopiesAndDropsThatChangeNothing) {
    {
        SCOPED_TRACE("a copy clears the selection and inserts at the drop place");
        SketchEditor s("[ab|c");
        s.editor.pointCaret({1, 4});
        ASSERT_TRUE(s.editor.dropText("xy\r\nz", false));
        EXPECT_EQ(s.sketch(), "abcxy\nz|");
        EXPECT_EQ(Describe(s.editor.undoRing().at(0)), "0 1,4 2,2 1,4 null \"xy\\r\\nz\"");
        EXPECT_EQ(s.editor.undo(), NIMBET_OK);
        EXPECT_EQ(s.text(), "abc");
    }
    struct Case {
        const char* name;
        const char* sketch;
        TextPlace drop;
        const char* text;
        bool move;
        bool writable;
    } cases[] = {
        {"onto the moved selection itself", "a[bc|d", {1, 3}, "bc", true, true},
        {"onto the selection's end", "a[bc|d", {1, 4}, "bc", true, true},
        {"onto the selection's start", "a[bc|d", {1, 2}, "bc", true, true},
        {"an empty text", "ab|", {1, 1}, "", false, true},
        {"into write-protected text", "ab|", {1, 1}, "x", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SketchEditor s(c.sketch);
        s.editor.setWriteEnabled(c.writable);
        s.editor.pointCaret(c.drop);
        const std::string before = s.sketch();
        EXPECT_FALSE(s.editor.dropText(c.text, c.move));
        EXPECT_EQ(s.sketch(), before);
        EXPECT_TRUE(s.events.notes.empty());
        EXPECT_EQ(s.editor.undoRing().available(), 0);
    }
}

TEST(DragDrop, DropTargetEffectsAndCaret) {
    struct Case {
        const char* name;
        unsigned flags;
        bool selfDrag, ctrl, offersText, writable;
        AllowedEffects allowed;
        DropEffect expected;
    } cases[] = {
        {"from another window: copy", 0x01, false, false, true, true, {true, true}, DropEffect::Copy},
        {"from itself: move", 0x01, true, false, true, true, {true, true}, DropEffect::Move},
        {"from itself in copy mode", 0x02, true, false, true, true, {true, true}, DropEffect::Copy},
        {"Ctrl decides: Ctrl held", 0x10, true, true, true, true, {true, true}, DropEffect::Copy},
        {"Ctrl decides: no Ctrl", 0x10, true, false, true, true, {true, true}, DropEffect::Move},
        {"dropping in is off", 0x05, false, false, true, true, {true, true}, DropEffect::None},
        {"no text offered", 0x01, false, false, false, true, {true, true}, DropEffect::None},
        {"write-protected", 0x01, false, false, true, false, {true, true}, DropEffect::None},
        {"the source only moves", 0x01, false, false, true, true, {false, true}, DropEffect::Move},
        {"the source only copies", 0x01, true, false, true, true, {true, false}, DropEffect::Copy},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SketchEditor s("abc\n[de|f");
        DragDropSession session(s.editor, s.events);
        ASSERT_EQ(s.editor.setMetric(kMetricDragDrop, static_cast<int>(c.flags)), NIMBET_OK);
        s.editor.setWriteEnabled(c.writable);
        if (c.selfDrag)
            session.dragOutStarted();
        // Over the text at line 1, column 1: the caret follows the drag.
        EXPECT_EQ(session.dragOver(50 + 8 + 1, 10 + 8, c.offersText, c.ctrl, c.allowed), c.expected);
        EXPECT_EQ(Place(s.editor.caretPlace()), "1,2");
        EXPECT_TRUE(s.editor.selection().exists) << "the selection stays while the drag hovers";
        EXPECT_EQ(s.events.repaintKinds.back(), Repaint::Light);
        EXPECT_EQ(session.dropEffect(c.offersText, c.ctrl, c.allowed), c.expected);
    }
    // Over the line numbers the caret stays where it was.
    SketchEditor s("abc\nd|ef");
    DragDropSession session(s.editor, s.events);
    EXPECT_EQ(session.dragOver(10, 10 + 8, true, false, {}), DropEffect::Copy);
    EXPECT_EQ(Place(s.editor.caretPlace()), "2,2");
}

TEST(DragDrop, EndOfADragOut) {
    struct Case {
        const char* name;
        DragOutcome outcome;
        DropEffect performed;
        bool droppedInside; // the control itself received the drop
        const char* after;
        Notes notes;
        int records;
    } cases[] = {
        {"moved into another window: the selection goes", DragOutcome::Dropped, DropEffect::Move, false,
         "ab|e", {{kCleared, 0}, {kCaret, 3}, {kText, 14}}, 1},
        {"copied into another window: it stays", DragOutcome::Dropped, DropEffect::Copy, false, "ab[cd|e", {}, 0},
        {"refused by the target: it stays", DragOutcome::Dropped, DropEffect::None, false, "ab[cd|e", {}, 0},
        {"cancelled: the selection is cleared", DragOutcome::Cancelled, DropEffect::None, false, "abcd|e",
         {{kCleared, 0}}, 0},
        {"the drag could not start", DragOutcome::Failed, DropEffect::None, false, "ab[cd|e", {}, 0},
        {"moved within the control: nothing more to delete", DragOutcome::Dropped, DropEffect::Move, true,
         "cd|abe", {{kCleared, 0}, {kCaret, 3}, {kText, 14}}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SketchEditor s("ab[cd|e");
        DragDropSession session(s.editor, s.events);
        session.dragOutStarted();
        EXPECT_TRUE(session.selfDrag());
        if (c.droppedInside) {
            s.editor.pointCaret({1, 1});
            ASSERT_EQ(session.dropEffect(true, false, {}), DropEffect::Move);
            EXPECT_EQ(session.drop("cd", DropEffect::Move), DropEffect::Move);
        }
        session.dragOutEnded(c.outcome, c.performed);
        EXPECT_FALSE(session.selfDrag());
        EXPECT_EQ(s.sketch(), c.after);
        EXPECT_EQ(s.events.notes, c.notes);
        EXPECT_EQ(s.editor.undoRing().available(), c.records);
    }
    // A selection dropped onto itself is left alone, and so is the text.
    SketchEditor s("ab[cd|e");
    DragDropSession session(s.editor, s.events);
    session.dragOutStarted();
    s.editor.pointCaret({1, 4});
    EXPECT_EQ(session.dropEffect(true, false, {}), DropEffect::None);
    session.dragOutEnded(DragOutcome::Dropped, DropEffect::None);
    EXPECT_EQ(s.text(), "abcde");
    EXPECT_TRUE(s.editor.selection().exists);
    // Write-protected text offers only a copy to other windows.
    s.editor.setWriteEnabled(false);
    EXPECT_FALSE(session.dragOutEffects().move);
    EXPECT_TRUE(session.dragOutEffects().copy);
}
