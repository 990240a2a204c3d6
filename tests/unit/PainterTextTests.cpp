// Painting the text area: emphasis colours from the host's rules (a comment
// carried to later lines included), marks, tabs and double-byte characters,
// wrapping, link underlines, highlight, bold and the selection.
#include <gtest/gtest.h>

#include "PaintFixture.h"

using namespace nimbet;

namespace {
const std::string kArrow = "\x81\xAB";  // the line-end mark
const std::string kSquare = "\x81\xA0"; // the full-width space mark
} // namespace

TEST(PainterText, HostRulesColourTagsQuotedValuesAndCommentsOverLines) {
    PaintFixture f;
    f.addHostRules();
    f.s.load("<a href=\"x\">&amp;</a>\n<!-- one\ntwo\nend --> <b>\n<i>");
    f.paint();
    EXPECT_EQ(f.row(0), "<a`href=\"x\">&amp;</a>" + kArrow);
    EXPECT_EQ(f.colors(0), "TTsTTTTTQQQTRRRRRTTTTee");
    EXPECT_EQ(f.colors(1), "CCCCsCCCee");
    EXPECT_EQ(f.colors(2), "CCCee"); // the comment goes on over the next lines
    EXPECT_EQ(f.colors(3), "CCCsCCCsTTTee");
    EXPECT_EQ(f.colors(4), "TTTEEEEE");
    EXPECT_EQ(f.row(4), "<i>[EOF]");
}

TEST(PainterText, MarksFollowTheirSwitches) {
    struct Case {
        int hidden; // mark kind switched off, -1 none
        const char* expectedRow0;
        const char* expectedColors0;
        const char* expectedRow1;
    } cases[] = {
        {-1,
         "a>  b`c\x81\xA0"
         "d\x81\xAB",
         ".t  .s.ss.ee", "x[EOF]"},
        {kMarkTab,
         "a   b`c\x81\xA0"
         "d\x81\xAB",
         ".   .s.ss.ee", "x[EOF]"},
        {kMarkSpace,
         "a>  b c\x81\xA0"
         "d\x81\xAB",
         ".t  ...ss.ee", "x[EOF]"},
        {kMarkWideSpace,
         "a>  b`c\x81\x40"
         "d\x81\xAB",
         ".t  .s....ee", "x[EOF]"},
        {kMarkLineEnd,
         "a>  b`c\x81\xA0"
         "d",
         ".t  .s.ss.", "x[EOF]"},
        {kMarkEndOfText,
         "a>  b`c\x81\xA0"
         "d\x81\xAB",
         ".t  .s.ss.ee", "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hidden);
        PaintFixture f;
        if (c.hidden >= 0) {
            ASSERT_EQ(f.settings.marks.set(c.hidden, false), NIMBET_OK);
        }
        f.s.load("a\tb c　d\nx");
        f.paint();
        EXPECT_EQ(f.row(0), c.expectedRow0);
        EXPECT_EQ(f.colors(0), c.expectedColors0);
        EXPECT_EQ(f.row(1), c.expectedRow1);
    }
}

TEST(PainterText, ColumnsAfterTabsAndDoubleByteCharacters) {
    struct Case {
        const char* line;
        int tabWidth;
        const char* expected;
    } cases[] = {
        {"表\tx", 4, "表> x[EOF]"},
        {"a\t\tb", 4, "a>  >   b[EOF]"},
        {"ab\tc", 8, "ab>     c[EOF]"},
        {"ソー\t表", 4, "ソー>   表[EOF]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        PaintFixture f;
        ASSERT_EQ(f.s.editor.setMetric(kMetricTabWidth, c.tabWidth), NIMBET_OK);
        f.s.load(c.line);
        f.paint();
        EXPECT_EQ(f.row(0), c.expected);
    }
}

TEST(PainterText, ScrolledColumnsNeverShowHalfADoubleByteCharacter) {
    PaintFixture f;
    // The caret at column 100 scrolls the view to firstColumn 72: the first
    // visible column is 71, where the second half of the character lies.
    f.s.load(std::string(70, 'a') + "表" + std::string(28, 'b') + "|");
    ASSERT_EQ(f.s.editor.caret().firstColumn, 72);
    f.paint();
    EXPECT_EQ(f.row(0), std::string(1, ' ') + std::string(28, 'b') + "[EOF]");
}

TEST(PainterText, WrappedRowsAndTheirNumbers) {
    struct Case {
        std::string line;
        std::vector<std::string> rows;
    } cases[] = {
        {std::string(100, 'x'), {std::string(40, 'x'), std::string(40, 'x'), std::string(20, 'x')}},
        // A double-byte character that would take columns 40 and 41 starts the next row.
        {std::string(39, 'a') + "表b", {std::string(39, 'a'), "表b"}},
        {std::string(38, 'a') + "表b", {std::string(38, 'a') + "表", "b"}},
        {"ab\t" + std::string(40, 'c'), {"ab> " + std::string(36, 'c'), "cccc"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        PaintFixture f;
        f.wrapAt(40);
        f.s.load(c.line + "\nz");
        ASSERT_EQ(f.s.editor.buffer().first()->rows, static_cast<int>(c.rows.size()));
        f.paint();
        for (size_t r = 0; r < c.rows.size(); ++r) // the line's break shows after its last row
            EXPECT_EQ(f.row(static_cast<int>(r)), c.rows[r] + (r + 1 == c.rows.size() ? kArrow : "")) << r;
        EXPECT_EQ(f.row(static_cast<int>(c.rows.size())), "z[EOF]");

        // The line numbers count display rows.
        std::vector<std::string> numbers;
        for (const auto& t : f.surface.texts)
            if (t.look.color == f.settings.colors[kColorLineNumbers])
                numbers.push_back(t.bytes);
        std::vector<std::string> expected;
        for (size_t r = 1; r <= c.rows.size() + 1; ++r)
            expected.push_back(std::to_string(r));
        EXPECT_EQ(numbers, expected);
    }
}

TEST(PainterText, ViewScrolledIntoAWrappedLineStartsAtItsRow) {
    PaintFixture f;
    f.wrapAt(10);
    f.s.load(std::string(25, 'a') + "\n" + std::string(30, 'b') + "\nc|");
    // Ctrl+Down twice: the top row is the third row of the first line.
    f.s.editor.moveCaret(EditorKey::Down, false, true);
    f.s.editor.moveCaret(EditorKey::Down, false, true);
    ASSERT_EQ(f.s.editor.caret().topLine, 3);
    f.paint();
    EXPECT_EQ(f.row(0), "aaaaa" + kArrow);
    EXPECT_EQ(f.row(1), "bbbbbbbbbb");
    EXPECT_EQ(f.row(4), "c[EOF]");
    // Nothing of the rows above the top is drawn over the ruler.
    for (const auto& t : f.surface.texts) {
        if (t.cellWidth > 0) {
            EXPECT_GE(t.y, f.geometry().rulerHeight) << t.bytes;
        }
    }
}

TEST(PainterText, LinkUnderlinesSitOnTheCellsBottomRowAndFollowAWrap) {
    PaintFixture f;
    f.s.load("see http://a.jp/x now mail@b.jp");
    f.paint();
    EXPECT_EQ(f.colors(0).substr(0, 31), "...s" + std::string(13, 'u') + "s...s" + std::string(9, 'm'));
    const ViewGeometry g = f.geometry();
    const int bottom = g.rulerHeight + g.lineHeight - 1;
    ASSERT_GE(f.surface.lines.size(), 2u); // the underlines come before the margins' lines
    const auto& url = f.surface.lines[0];
    EXPECT_EQ(url.x1, g.columnX(4));
    EXPECT_EQ(url.x2, g.columnX(17));
    EXPECT_EQ(url.y1, bottom);
    EXPECT_EQ(url.y2, bottom);
    EXPECT_EQ(url.penStyle, 2);
    EXPECT_EQ(url.color, f.settings.colors[kColorUrlUnderline]);
    const auto& mail = f.surface.lines[1];
    EXPECT_EQ(mail.x1, g.columnX(22));
    EXPECT_EQ(mail.x2, g.columnX(31));
    EXPECT_EQ(mail.color, f.settings.colors[kColorMailUnderline]);

    // Across a wrap the underline runs to the row end and goes on from the left margin.
    PaintFixture w;
    w.wrapAt(10);
    ASSERT_EQ(w.s.editor.setMetric(kMetricUrlPen, 0), NIMBET_OK);
    w.s.load("12345http://ab.jp/");
    w.paint();
    const ViewGeometry wg = w.geometry();
    ASSERT_GE(w.surface.lines.size(), 2u);
    EXPECT_EQ(w.surface.lines[0].x1, wg.columnX(5));
    EXPECT_EQ(w.surface.lines[0].x2, wg.columnX(10));
    EXPECT_EQ(w.surface.lines[0].y1, wg.rulerHeight + wg.lineHeight - 1);
    EXPECT_EQ(w.surface.lines[0].penStyle, 0);
    EXPECT_EQ(w.surface.lines[1].x1, wg.columnX(0));
    EXPECT_EQ(w.surface.lines[1].x2, wg.columnX(8));
    EXPECT_EQ(w.surface.lines[1].y1, wg.rulerHeight + wg.rowHeight + wg.lineHeight - 1);
}

TEST(PainterText, HighlightAndBold) {
    PaintFixture f;
    f.s.editor.emphasis().rules.add("if", nullptr, 1, 0x123456, 0x01, 0, 0);
    ASSERT_EQ(f.s.editor.emphasis().highlight.set("AMP", false), NIMBET_OK);
    f.s.load("if &amp;");
    f.paint();
    EXPECT_EQ(f.colors(0).substr(0, 8), "??s.hhh.");
    const Color highlightBack = f.settings.colors[kColorHighlightBack];
    const Color background = f.settings.colors[kColorBackground];
    for (const auto* t : f.textsInRow(0)) {
        SCOPED_TRACE(t->bytes);
        EXPECT_TRUE(t->look.opaque);
        EXPECT_EQ(t->look.background, t->bytes == "amp" ? highlightBack : background);
        EXPECT_EQ(t->look.font, t->bytes == "if" ? FontChoice::Bold : FontChoice::Text);
    }
}

TEST(PainterText, SelectionRectangles) {
    struct Case {
        const char* sketch;
        int wrap;                     // columns, 0 = no wrapping
        std::vector<PixelRect> cells; // in columns and rows of the text area
    } cases[] = {
        // The rectangle of a line whose break is selected reaches two cells past its end.
        {"a[bc\nd|ef", 0, {{1, 0, 5, 1}, {0, 1, 1, 2}}},
        {"ab[c|d", 0, {{2, 0, 3, 1}}},
        {"[abc\n|def", 0, {{0, 0, 5, 1}}},
        {"表[示|x", 0, {{2, 0, 4, 1}}},
        // Rows that continue on the next one end at the visible column count.
        {"ab[cdefghijklmn|o", 10, {{2, 0, 10, 1}, {0, 1, 4, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sketch);
        PaintFixture f;
        if (c.wrap)
            f.wrapAt(c.wrap);
        f.s.load(c.sketch);
        f.paint();
        const ViewGeometry g = f.geometry();
        std::vector<PixelRect> expected;
        for (const PixelRect& cell : c.cells) {
            expected.push_back({g.columnX(cell.left), g.rulerHeight + cell.top * g.rowHeight,
                                cell.right == 10 && c.wrap ? g.wrapRight() : g.columnX(cell.right),
                                g.rulerHeight + cell.bottom * g.rowHeight});
        }
        std::vector<PixelRect> drawn;
        for (const auto& s : f.surface.selections) {
            drawn.push_back(s.rect);
            EXPECT_EQ(s.rop, 7);
        }
        EXPECT_EQ(drawn, expected);
    }
}
