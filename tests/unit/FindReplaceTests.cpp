// Find, replace and replace all on the editor library's own model, through
// the exports the program calls. Texts are written with "{" at the selection
// start and "}" at its end ("{}" is the caret); results are the editor's text
// with CR LF line ends marked the same way.
#include <gtest/gtest.h>

#include <cstring>

#include "FindReplace.h"
#include "ModelEditorApi.h"
#include "NimbetCodes.h"

using quiltmark::FindReplace;

namespace {

// Through offset of byte `index` of a text with any line ends: every line
// break counts two.
int ThroughOffset(const std::string& text, std::size_t index) {
    int offset = 1;
    for (std::size_t i = 0; i < index; ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // counted with its LF
        offset += text[i] == '\r' || text[i] == '\n' ? 2 : 1;
    }
    return offset;
}

void Load(ModelEditorApi& api, const std::string& marked) {
    const std::size_t open = marked.find('{');
    const std::size_t close = marked.find('}');
    ASSERT_TRUE(open != std::string::npos && close > open) << marked;
    const std::string text =
        marked.substr(0, open) + marked.substr(open + 1, close - open - 1) + marked.substr(close + 1);
    api.NimbetSetText(0, text.c_str());
    api.NimbetSetSelB(0, ThroughOffset(text, open), ThroughOffset(text, close - 1));
}

std::string Marked(ModelEditorApi& api) {
    const std::string text = api.Text(NIMBET_LINECODE_CRLF);
    int from = 0, to = 0;
    api.NimbetGetSelB(0, &from, &to);
    const auto start = static_cast<std::size_t>(from - 1);
    const auto end = static_cast<std::size_t>(to - 1);
    return text.substr(0, start) + "{" + text.substr(start, end - start) + "}" + text.substr(end);
}

enum class Op { Down, Up, DownAnyCase, UpAnyCase, Replace, ReplaceAll };

struct Case {
    const char* before;
    Op op;
    const char* what;
    const char* with;
    const char* after;
};

const Case kCases[] = {
    // Down: from the character after the selection start; twice finds both.
    {"{}xabc abc", Op::Down, "abc", "", "x{abc} abc"},
    {"x{abc} abc", Op::Down, "abc", "", "xabc {abc}"},
    {"{a}aa", Op::Down, "a", "", "a{a}a"},
    // Not found: the search text's length from the unchanged start.
    {"xabc {abc}", Op::Down, "abc", "", "xabc {abc}"},
    {"x{}abc", Op::Down, "zz", "", "x{ab}c"},
    // Case: only ASCII letters fold; with match case they must agree.
    {"{}xAbc aBC", Op::DownAnyCase, "abc", "", "x{Abc} aBC"},
    {"{}xAbc aBC", Op::Down, "aBC", "", "xAbc {aBC}"},
    {"{}xＡbc ａbc", Op::DownAnyCase, "ａBC", "", "xＡbc {ａbc}"},
    // Second bytes 0x5C, 0x7C and ASCII letters are never matched alone.
    {"{}x表\\", Op::Down, "\\", "", "x表{\\}"},
    {"{}xポ|", Op::Down, "|", "", "xポ{|}"},
    {"{}xアa", Op::DownAnyCase, "a", "", "xア{a}"},
    {"{}xアz", Op::Down, "A", "", "{x}アz"},
    {"\\表x{}", Op::Up, "\\", "", "{\\}表x"},
    // A search text that ends inside a character is not a match either.
    {"{}ax表", Op::Down, "x\x95", "", "{ax}表"},
    // Up: the last match wholly before the selection start.
    {"abc abc {abc}", Op::Up, "abc", "", "abc {abc} abc"},
    {"{abc} abc", Op::Up, "abc", "", "{abc} abc"},
    {"x aAA{}", Op::UpAnyCase, "aa", "", "x a{AA}"},
    // Texts with LF or CR line ends: selections land where the match is.
    {"{}x\ny ab\nab", Op::Down, "ab", "", "x\r\ny {ab}\r\nab"},
    {"x\ny {ab}\nab", Op::Down, "ab", "", "x\r\ny ab\r\n{ab}"},
    {"{}x\ry ab\rab", Op::Down, "ab", "", "x\r\ny {ab}\r\nab"},
    {"x\ny ab\nab{}", Op::Up, "ab", "", "x\r\ny ab\r\n{ab}"},
    // Replace: case-sensitive at the selection start, then the next match.
    {"x{A}ya", Op::Replace, "a", "b", "xAy{a}"},
    {"x{a}ya", Op::Replace, "a", "bb", "xbby{a}"},
    {"xbby{a}", Op::Replace, "a", "bb", "xbby{bb}"},
    {"{}ab ab", Op::Replace, "ab", "X", "X {ab}"},
    {"{ab cd} ab", Op::Replace, "ab", "X", "X cd {ab}"},
    {"a\n{x}\nx", Op::Replace, "x", "yy", "a\r\nyy\r\n{x}"},
    {"{}表\\", Op::Replace, "\\", "/", "表{\\}"},
    {"x{a}y", Op::Replace, "a", "", "x{}y"},
    // Replace all: case-sensitive, left to right, never overlapping.
    {"{}aAa", Op::ReplaceAll, "a", "b", "bAb{}"},
    {"{}aaa", Op::ReplaceAll, "aa", "b", "ba{}"},
    {"{}表\\表", Op::ReplaceAll, "\\", "/", "表/表{}"},
    {"{}abcabc", Op::ReplaceAll, "b", "", "acac{}"},
};

void RunCase(FindReplace& fr, const Case& c) {
    switch (c.op) {
    case Op::Down:
    case Op::Up:
    case Op::DownAnyCase:
    case Op::UpAnyCase:
        fr.FindNext(c.what, c.op == Op::Down || c.op == Op::DownAnyCase, c.op == Op::Down || c.op == Op::Up);
        break;
    case Op::Replace:
        fr.Replace(c.what, c.with);
        break;
    case Op::ReplaceAll:
        fr.ReplaceAll(c.what, c.with);
        break;
    }
}

} // namespace

TEST(FindReplace, FindsReplacesAndSelectsByCharacters) {
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        SCOPED_TRACE(testing::Message() << "case " << i << ": " << kCases[i].before);
        ModelEditorApi api;
        Load(api, kCases[i].before);
        FindReplace fr(api);
        RunCase(fr, kCases[i]);
        EXPECT_EQ(Marked(api), kCases[i].after);
    }
}

TEST(FindReplace, ReplaceAllIsOneUndoStepAndKeepsTheDocumentsLineEnds) {
    const std::string original = "a x\nx b\n表x\\";
    ModelEditorApi api;
    api.NimbetSetText(0, original.c_str());
    FindReplace fr(api);

    fr.ReplaceAll("x", "yz");
    EXPECT_EQ(api.setSelTextCalls, 1);
    EXPECT_EQ(api.Text(NIMBET_LINECODE_STORED), "a yz\nyz b\n表yz\\");
    ASSERT_EQ(api.NimbetUndo(0), NIMBET_OK);
    EXPECT_EQ(api.Text(NIMBET_LINECODE_STORED), original);

    // Nothing to replace adds no step.
    fr.ReplaceAll("q", "r");
    EXPECT_EQ(api.setSelTextCalls, 1);
    EXPECT_EQ(api.Text(NIMBET_LINECODE_STORED), original);
}

TEST(FindReplace, SelectedTextSpansLinesWithCrLf) {
    ModelEditorApi api;
    Load(api, "a{b\nc}d");
    FindReplace fr(api);
    EXPECT_EQ(fr.SelectedText(), "b\r\nc");
    Load(api, "ab{}c");
    EXPECT_EQ(fr.SelectedText(), std::nullopt);
}
