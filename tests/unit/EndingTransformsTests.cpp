// The sentence-ending transforms: matches only on character boundaries, and
// the whole text rewritten through the editor as one step.
#include <gtest/gtest.h>

#include <string>

#include "EndingTransforms.h"
#include "SelectionEditor.h"

using quiltmark::EndingCommands;
using quiltmark::ReplaceEndings;
using quiltmark::RewriteEndings;

namespace {

const char* WordOf(int id) {
    for (const auto& command : EndingCommands())
        if (command.id == id)
            return command.word;
    return "";
}

} // namespace

TEST(EndingTransforms, ReplacesEveryCopulaOnCharacterBoundaries) {
    const struct {
        int id;
        const char* text;
        const char* result;
    } cases[] = {
        {32831, "これはペンです。", "これはペンだわん。"},
        {32864, "これはペンです。", "これはペンだにゃん。"},
        {32868, "これはペンです。",
         "これはペンだちゅ～"
         "。"},
        {32831, "でですす", "でだわんす"},
        {32831, "ですから<P TITLE=\"です\"><!-- です -->", "だわんから<P TITLE=\"だわん\"><!-- だわん -->"},
        {32831, "です\r\nです", "だわん\r\nだわん"},
        {32831, "", ""},
        {32831, "abc", "abc"},
        // "モ" is 83 82, "ﾅ" C5, "す" 82 B7: the bytes 82 C5 82 B7 spell "です"
        // across a character boundary and are no match.
        {32831, "モﾅす", "モﾅす"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReplaceEndings(c.text, WordOf(c.id)), c.result);
    }
    // The mouse word ends in the full-width wave 81 60.
    EXPECT_EQ(std::string(WordOf(32868)).substr(6), "\x81\x60");
    // The cat's word holds no copula: a second run changes nothing.
    const std::string once = ReplaceEndings("ですです", WordOf(32864));
    EXPECT_EQ(ReplaceEndings(once, WordOf(32864)), once);
}

TEST(EndingTransforms, RewriteReplacesTheWholeTextAsOneStep) {
    for (const char* text : {"ペンです。\r\nそうです", "no copula"}) {
        SCOPED_TRACE(text);
        SelectionEditor editor(text, 2, 3);
        RewriteEndings(editor, "だわん", true);
        EXPECT_EQ(editor.text, ReplaceEndings(text, "だわん"));
        EXPECT_EQ(editor.setSelTextCalls, 1) << "written back even without a match";
        EXPECT_EQ(editor.from, static_cast<int>(editor.text.size()) + 1) << "caret at the end";
        EXPECT_EQ(editor.to, editor.from);
    }
    SelectionEditor hidden("です", 1, 1);
    RewriteEndings(hidden, "だわん", false);
    EXPECT_EQ(hidden.text, "です");
    EXPECT_TRUE(hidden.calls.empty());
}
