// Text holding lone lead bytes (a lead byte at the end of a line): edits that
// make one pair with the byte after it keep the caret on character starts,
// and undo gives back exactly the bytes there were.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "CharSteps.h"
#include "EditorSketch.h"

using namespace nimbet;

TEST(LoneLeadBytes, EditsKeepTheCaretOnCharactersAndUndoRestoresTheBytes) {
    struct Case {
        const char* name;
        const char* text;
        TextPlace anchor, caret;
        std::function<void(Editor&)> edit;
        const char* after;
        TextPlace caretAfter;
    } cases[] = {
        {"Backspace joins the lines", "a\x81\nbc", {2, 1}, {2, 1}, [](Editor& e) { e.backspace(); },
         "a\x81" "bc", {1, 2}},
        {"Delete joins the lines", "a\x81\nbc", {1, 3}, {1, 3}, [](Editor& e) { e.deleteKey(); }, "a\x81" "bc",
         {1, 2}},
        {"inserted text ends with a lead byte", "ab", {1, 1}, {1, 1},
         [](Editor& e) { e.setSelText("x\x81"); }, "x\x81" "ab", {1, 2}},
        {"typing after a lone lead byte", "a\x81", {1, 3}, {1, 3}, [](Editor& e) { e.typeChar('b'); },
         "a\x81" "b", {1, 4}},
        {"typing over a selection whose removal joins the lines", "a\x81\nxy", {1, 3}, {2, 2},
         [](Editor& e) { e.typeChar('z'); }, "a\x81zy", {1, 4}},
        {"a tab after a lone lead byte", "a\x81", {1, 3}, {1, 3}, [](Editor& e) { e.tab(false); }, "a\x81\t",
         {1, 4}},
        {"cutting the line break", "a\x81\nbc", {1, 3}, {2, 1}, [](Editor& e) { e.cut(); }, "a\x81" "bc", {1, 2}},
        {"an input-method result ending with a lead byte", "ab", {1, 2}, {1, 2},
         [](Editor& e) { e.inputMethodResult("\x82\xA0\x83"); }, "a\x82\xA0\x83" "b", {1, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SketchEditor s;
        ASSERT_EQ(s.editor.setText(c.text), NIMBET_OK);
        ASSERT_TRUE(s.editor.setSelection(c.anchor, c.caret, false));
        const std::string before = s.text();
        c.edit(s.editor);
        EXPECT_EQ(s.text(), c.after);
        EXPECT_EQ(s.editor.caretPlace(), c.caretAfter);
        const TextPlace caret = s.editor.caretPlace();
        EXPECT_TRUE(IsCharStart(*s.editor.buffer().lineAt(caret.line), caret.pos - 1));

        ASSERT_EQ(s.editor.undo(), NIMBET_OK);
        EXPECT_EQ(s.text(), before);
        const TextPlace back = s.editor.caretPlace();
        EXPECT_TRUE(IsCharStart(*s.editor.buffer().lineAt(back.line), back.pos - 1));
        ASSERT_EQ(s.editor.redo(), NIMBET_OK);
        EXPECT_EQ(s.text(), c.after);
    }
}
