// The rule search on single lines: boundary conditions, comparison without
// case, Shift_JIS trail bytes, tabs, the scope types, the skip distance of end
// strings, the order of the search, nesting depth and the highlight.
#include <gtest/gtest.h>

#include "StyleFixture.h"

using namespace nimbet;

namespace {

struct RuleCase {
    const char* begin;
    const char* end;
    int type;
    unsigned flags;
    const char* line;
    const char* expected; // 'k' where the rule colours, '.' elsewhere
};

void CheckRuleCases(const RuleCase* cases, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const RuleCase& c = cases[i];
        SCOPED_TRACE(testing::Message() << "#" << i << " begin " << c.begin << " flags 0x" << std::hex
                                        << c.flags << " line " << c.line);
        StyleFixture f;
        ASSERT_EQ(f.addRule(c.begin, c.end, c.type, 'k', c.flags), NIMBET_OK);
        f.load(c.line);
        EXPECT_EQ(f.paint(1), c.expected);
    }
}

} // namespace

TEST(EmphasisRules, BoundaryConditions) {
    const RuleCase cases[] = {
        // 8: identifier-separated.
        {"if", nullptr, 1, 0x08, "if (x)", "kk...."},
        {"if", nullptr, 1, 0x08, "if x", "kk.."},
        {"if", nullptr, 1, 0x08, "(if)", ".kk."},
        {"if", nullptr, 1, 0x08, "if", "kk"},
        {"if", nullptr, 1, 0x08, "if)if", "kk.kk"},
        {"if", nullptr, 1, 0x08, "ifx", "..."},
        {"if", nullptr, 1, 0x08, "_if", "..."},
        {"if", nullptr, 1, 0x08, "if_", "..."},
        {"if", nullptr, 1, 0x08, "xif", "..."},
        {"if", nullptr, 1, 0x08, "1if", "..."},
        {"if", nullptr, 1, 0x08, "表if", "...."},
        // 32: the character class changes at both edges.
        {"if", nullptr, 1, 0x20, "if (x)", "kk...."},
        {"if", nullptr, 1, 0x20, "ifx", "..."},
        {"if", nullptr, 1, 0x20, "xif", "..."},
        {"if", nullptr, 1, 0x20, "_if", ".kk"},
        {"if", nullptr, 1, 0x20, "if_", "kk."},
        {"if", nullptr, 1, 0x20, "1if2", ".kk."},
        {"if", nullptr, 1, 0x20, "表if", "..kk"},
        {"表", nullptr, 1, 0x20, "表示", "...."},
        {"表", nullptr, 1, 0x20, "表。", "kk.."},
        {"表", nullptr, 1, 0x20, "a表", ".kk"},
        // 4: blank-separated (space, tab, full-width space).
        {"if", nullptr, 1, 0x04, "if x", "kk.."},
        {"if", nullptr, 1, 0x04, "x if", "..kk"},
        {"if", nullptr, 1, 0x04, "x\tif\ty", "..kk.."},
        {"if", nullptr, 1, 0x04, "　if　", "..kk.."},
        {"if", nullptr, 1, 0x04, "(if)", "...."},
        {"if", nullptr, 1, 0x04, "xif", "..."},
        {"if", nullptr, 1, 0x04, "if.", "..."},
        // 0 and 16 test nothing.
        {"if", nullptr, 1, 0x00, "xifx", ".kk."},
        {"if", nullptr, 1, 0x10, "xifx", ".kk."},
        // Not at the line start, alone and with a boundary.
        {"if", nullptr, 1, 0x40, "if", ".."},
        {"if", nullptr, 1, 0x40, " if", ".kk"},
        {"if", nullptr, 1, 0x40, "ifif", "..kk"},
        {"if", nullptr, 1, 0x48, "if x", "...."},
        {"if", nullptr, 1, 0x48, " if x", ".kk.."},
    };
    CheckRuleCases(cases, std::size(cases));
}

TEST(EmphasisRules, ComparisonWithoutCase) {
    const RuleCase cases[] = {
        {"div", nullptr, 1, 0x02, "<DIV>", ".kkk."},
        {"div", nullptr, 1, 0x00, "<DIV>", "....."},
        {"DiV", nullptr, 1, 0x02, "dIv", "kkk"},
        {"ＡＢ", nullptr, 1, 0x02, "ａｂ", "kkkk"},
        {"ＡＢ", nullptr, 1, 0x02, "Ａｂ", "kkkk"},
        {"ｘｙ", nullptr, 1, 0x02, "ＸＹ", "kkkk"},
        {"ＡＢ", nullptr, 1, 0x02, "ＡＣ", "...."},
        {"ＡＢ", nullptr, 1, 0x00, "ａｂ", "...."},
        {"ａ", nullptr, 1, 0x02, "A", "."},                // full-width and ASCII letters differ
        {"<b", "</b>", 3, 0x02, "<B>x</B>y", "kkkkkkkk."}, // the end string too
        {"<b", "</b>", 3, 0x00, "<b>x</B>y", "kkkkkkkkk"},
    };
    CheckRuleCases(cases, std::size(cases));
}

TEST(EmphasisRules, ScopeTypesEmptyStringsAndTheSkipDistance) {
    const RuleCase cases[] = {
        {"if", nullptr, 1, 0, "gift", ".kk."},
        {"//", nullptr, 2, 0, "a // b", "..kkkk"},
        {"//", "x", 2, 0, "//axb", "kkkkk"}, // type 2 has no end
        {"[", "]", 3, 0, "a[b]c", ".kkk."},
        {"[", "]", 3, 0, "a[b", ".kk"},
        {"[", "]", 4, 0, "a[b]c", ".kkk."},
        // The end is not looked for until as many bytes as it is long have passed.
        {"ab", "ba", 3, 0, "aba.", "kkkk"},
        {"ab", "ba", 3, 0, "abba.", "kkkk."},
        {"'", "'", 3, 0, "'a'b", "kkk."},
        // An empty end string never matches; an empty begin string never begins.
        {"<", "", 3, 0, "<a>b", "kkkk"},
        {"", ">", 3, 0, "<a>b", "...."},
        // A tab never starts anything.
        {"\t", nullptr, 1, 0, "a\tb", "..."},
        {"\tx", nullptr, 1, 0, "\tx", ".."},
    };
    CheckRuleCases(cases, std::size(cases));
}

TEST(EmphasisRules, EachTypeEndsWithItsLineUnlessMultiLine) {
    struct Case {
        int type;
        const char* second; // how the next line looks
    } cases[] = {{1, "..."}, {2, "..."}, {3, "..."}, {4, "kkk"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        StyleFixture f;
        ASSERT_EQ(f.addRule("[", "]", c.type, 'k'), NIMBET_OK);
        f.load("a[b\nxyz");
        f.paint(1);
        EXPECT_EQ(f.paint(2), c.second);
    }
}

TEST(EmphasisRules, TrailBytesAreNeverMatched) {
    // ソ is 0x83 0x5C, ポ 0x83 0x7C, 表 0x95 0x5C: their trail bytes look like \ and |.
    struct Case {
        const char* line;
        const char* expected; // p for |, b for backslash
    } cases[] = {
        {"ソ|ポ\\", "..p..b"},
        {"表ソポ", "......"},
        {"\\|", "bp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        StyleFixture f;
        f.addRule("|", nullptr, 1, 'p');
        f.addRule("\\", nullptr, 1, 'b');
        f.load(c.line);
        EXPECT_EQ(f.paint(1), c.expected);
    }
}

TEST(EmphasisRules, SearchEndsAtTheFirstSuccessOrFailedBoundary) {
    struct Case {
        const char* line;
        const char* expected;
    } cases[] = {
        {"<x", "a."},   // the first rule that begins wins
        {"ifx", "..."}, // "if" matched but failed its boundary: "i" is not tried
        {"xi", ".j"},
        {"if", "kk"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        StyleFixture f;
        f.addRule("<", nullptr, 1, 'a');
        f.addRule("<", nullptr, 1, 'x');
        f.addRule("if", nullptr, 1, 'k', 0x08);
        f.addRule("i", nullptr, 1, 'j');
        f.load(c.line);
        EXPECT_EQ(f.paint(1), c.expected);
    }
}

TEST(EmphasisRules, NestingNeedsThePermitAndStopsAtTheDepthBound) {
    StyleFixture f;
    f.addRule("(", ")", 3, 'p', 0, 1, 1);
    f.addRule("[", "]", 3, 's', 0, 1, 1);
    f.load("(()x\n([([([([([([([([([([");
    EXPECT_EQ(f.paint(1), "ppp.") << "a rule never begins inside itself";
    // Each begin nests inside the other rule until the stack is full.
    std::string expected;
    for (int i = 0; i < 16; ++i)
        expected += i % 2 ? 's' : 'p';
    expected += "ssss";
    EXPECT_EQ(f.paint(2), expected);
}

TEST(EmphasisRules, Highlight) {
    struct Case {
        const char* word;
        bool matchCase;
        const char* line;
        const char* expected;
    } cases[] = {
        {"ab", true, "xabyAB", ".hh..."}, {"ab", false, "xabyAB", ".hh.hh"}, {"ｂ", false, "ＢＡ", "hh.."},
        {"aa", true, "aaa", "hhh"}, // overlapping matches join
        {"\t", true, "a\tb", "..."},      {"\\", true, "ソ\\", "..h"},       {"", true, "abc", "..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        StyleFixture f;
        ASSERT_EQ(f.emphasis.highlight.set(c.word, c.matchCase), NIMBET_OK);
        f.load(c.line);
        EXPECT_EQ(f.paint(1), c.expected);
        for (const auto& run : f.runs(1))
            EXPECT_EQ(run.highlighted, run.color == f.palette.highlightText);
    }
}
