// Styling lines with the host program's four rules (comments, tags, quoted
// values, character references), multi-line comments carried from line to
// line, and the colours of links and highlight over the rule colours.
#include <gtest/gtest.h>

#include "LineRecord.h"
#include "StyleFixture.h"

using namespace nimbet;

TEST(LineStyler, HostRulesOnSingleLines) {
    struct Case {
        const char* line;
        const char* expected; // C comment, T tag, Q quoted value, R character reference
    } cases[] = {
        {"<a href=\"x\">&amp;</a>", "TTTTTTTTQQQTRRRRRTTTT"},
        // Inside a tag (permit 3) a quoted value (level 3) begins, a character
        // reference (level 1) and a second tag begin (level 2) do not.
        {"<a title=\"&amp;\">", "TTTTTTTTTQQQQQQQT"},
        {"<a b=&amp;>", "TTTTTTTTTTT"},
        {"<a <b>x", "TTTTTT."},
        {"\"x\" <b>", "QQQ.TTT"},
        {"a > b", "....."},
        {"<a href=\"x>y\">", "TTTTTTTTQQQQQT"}, // > inside the quoted value does not end the tag
        {"<a \"<!--\">", "TTTQQQQQQT"},
        {"<a <!-- x --> b>", "TTTCCCCCCCCCCTTT"}, // a comment's level passes the tag's permit
        {"&lt;&gt;", "RRRRRRRR"},
        {"\"\"x", "QQ."},
        {"\"abc", "QQQQ"}, // unclosed: to the line end
        {"<a", "TT"},
        {"<!-- <b> -->x", "CCCCCCCCCCCC."},
        {"<!--x--><b>", "CCCCCCCCTTT"},
        {"<a\tb>", "TTTTT"},
        {"<p>表示</p>", "TTT....TTTT"},
        {"\"ソ\"", "QQQQ"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        StyleFixture f;
        f.addHostRules();
        f.load(c.line);
        EXPECT_EQ(f.paint(1), c.expected);
        EXPECT_FALSE(f.lastChanged) << "nothing stays open";
    }
}

TEST(LineStyler, CommentEndIsNotLookedForWithinItsBegin) {
    StyleFixture f;
    f.addHostRules();
    f.load("<!-->x\ny");
    EXPECT_EQ(f.paint(1), "CCCCCC");
    EXPECT_TRUE(f.lastChanged);
    EXPECT_EQ(f.paint(2), "C");
}

TEST(LineStyler, CommentOverSeveralLinesColoursTheLinesBetween) {
    StyleFixture f;
    f.addHostRules();
    f.load("<p>\nx\na <!-- b\n<b>c</b>\n\"q\"\n&amp;\n\nd\ne --> <i>\n<b>\nf\ng");

    // Before line 3 has been painted nothing is known of the comment.
    EXPECT_EQ(f.paint(5), "QQQ");

    EXPECT_EQ(f.paint(3), "..CCCCCC");
    EXPECT_TRUE(f.lastChanged) << "line 3 opened a comment";
    const char* inside[] = {"CCCCCCCC", "CCC", "CCCCC", "", "C"};
    for (int n = 4; n <= 8; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(f.paint(n), inside[n - 4]);
        EXPECT_FALSE(f.lastChanged);
    }
    // Line 9 has not been painted yet: the lines after it still look inside.
    EXPECT_EQ(f.paint(10), "CCC");

    EXPECT_EQ(f.paint(9), "CCCCC.TTT");
    EXPECT_TRUE(f.lastChanged) << "line 9 closed the comment";
    EXPECT_EQ(f.paint(10), "TTT");
    EXPECT_EQ(f.paint(12), ".");
    EXPECT_EQ(f.paint(3), "..CCCCCC");
    EXPECT_FALSE(f.lastChanged) << "painting again changes nothing";

    // Taking the comment begin out of line 3 ends the comment there.
    ASSERT_EQ(DeleteBytes(*f.buffer.lineAt(3), 2, 4), LineResult::Ok);
    EXPECT_EQ(f.paint(3), "....");
    EXPECT_TRUE(f.lastChanged);
    EXPECT_EQ(f.paint(4), "TTT.TTTT");
    EXPECT_EQ(f.paint(9), "......TTT");
    EXPECT_TRUE(f.lastChanged) << "the end in line 9 no longer closes anything";
}

TEST(LineStyler, LineEndingOneMultiLineRuleAndBeginningAnother) {
    StyleFixture f;
    f.addRule("<!--", "-->", 4, 'C');
    f.addRule("<%", "%>", 4, 'S');
    f.load("<!--\n--> <%\nx\n%>\ny");
    const std::vector<std::string> expected = {"CCCC", "CCC.SS", "S", "SS", "."};
    EXPECT_EQ(f.paintAll(), expected);
}

TEST(LineStyler, LinkAndHighlightColoursOverRuleColours) {
    struct Case {
        const char* highlight;
        const char* expected; // u URL, m mail address, h highlight
    } cases[] = {
        {"", "QuuuuuuuuuuuQ.mmmmmm.QQQ"},     {"u.jp", "QuuuuuuuhhhhQ.mmmmmm.QQQ"},
        {"b.jp", "QuuuuuuuuuuuQ.mmhhhh.QQQ"}, {"jp", "QuuuuuuuuuhhQ.mmmmhh.QQQ"},
        {"\"z", "QuuuuuuuuuuuQ.mmmmmm.hhQ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.highlight);
        StyleFixture f;
        f.addHostRules();
        ASSERT_EQ(f.emphasis.highlight.set(c.highlight, true), NIMBET_OK);
        f.load("\"http://u.jp\" a@b.jp \"z\"");
        EXPECT_EQ(f.paint(1), c.expected);
    }
}

TEST(LineStyler, LinksFollowTheClickableFlags) {
    StyleFixture f;
    f.addHostRules();
    f.load("<a href=\"http://u.jp\">a@b.jp</a>");
    f.clickable = 0;
    EXPECT_EQ(f.paint(1), "TTTTTTTTQQQQQQQQQQQQQT......TTTT");
    f.clickable = kClickMail;
    EXPECT_EQ(f.paint(1), "TTTTTTTTQQQQQQQQQQQQQTmmmmmmTTTT");
    f.clickable = kClickHttp;
    EXPECT_EQ(f.paint(1), "TTTTTTTTQuuuuuuuuuuuQT......TTTT");
}

TEST(LineStyler, RunsCarryBoldHighlightAndTheWholeLink) {
    StyleFixture f;
    f.addRule("<b>", nullptr, 1, 'b', kFlagBold);
    ASSERT_EQ(f.emphasis.highlight.set("ab", true), NIMBET_OK);
    f.load("<b>http://ab.jp");
    const auto runs = f.runs(1);
    const LinkSpan url{LinkKind::Url, 3, 15};
    struct Expected {
        int begin, end;
        Color color;
        bool bold, highlighted;
        LinkSpan link;
    } expected[] = {
        {0, 3, 0x10000u + 'b', true, false, {}},
        {3, 10, f.palette.urlText, false, false, url},
        {10, 12, f.palette.highlightText, false, true, url},
        {12, 15, f.palette.urlText, false, false, url},
    };
    ASSERT_EQ(runs.size(), std::size(expected));
    for (size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(runs[i].begin, expected[i].begin);
        EXPECT_EQ(runs[i].end, expected[i].end);
        EXPECT_EQ(runs[i].color, expected[i].color);
        EXPECT_EQ(runs[i].bold, expected[i].bold);
        EXPECT_EQ(runs[i].highlighted, expected[i].highlighted);
        EXPECT_EQ(runs[i].link, expected[i].link);
    }
}

// Lines record multi-line rules by their place among such rules, whatever
// their number in the table.
TEST(LineStyler, MultiLineRulesRegisteredLateCarryOver) {
    StyleFixture f;
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(f.addRule("@", nullptr, 1, 'W'), NIMBET_OK);
    f.addRule("/*", "*/", 4, 'C');
    f.addRule("<!--", "-->", 4, 'H');
    f.load("a /*\nb\n*/ <!--\nc\n-->");
    const std::vector<std::string> expected = {"..CC", "C", "CC.HHHH", "H", "HHH"};
    EXPECT_EQ(f.paintAll(), expected);
}
