// Painting what frames the text: the ruler, the line-number area with the
// caret-row marker and line marks, the separator line, the caret-line
// underline, and the order of whole, partial and light repaints.
#include <gtest/gtest.h>

#include <algorithm>

#include "PaintFixture.h"

using namespace nimbet;

namespace {

bool HasFill(const RecordingSurface& s, const PixelRect& rect, Color color) {
    return std::any_of(s.fills.begin(), s.fills.end(),
                       [&](const RecordingSurface::Fill& f) { return f.rect == rect && f.color == color; });
}

std::vector<const RecordingSurface::Text*> TextsOfColor(const RecordingSurface& s, Color color,
                                                        FontChoice font) {
    std::vector<const RecordingSurface::Text*> out;
    for (const auto& t : s.texts)
        if (t.look.color == color && t.look.font == font && t.cellWidth == 0)
            out.push_back(&t);
    return out;
}

} // namespace

TEST(PainterFrame, RulerTicksLabelsAndCaretColumn) {
    PaintFixture f;
    f.s.load("abc|def");
    f.paint();
    const ViewGeometry g = f.geometry();
    const ColorTable& colors = f.settings.colors;
    EXPECT_TRUE(HasFill(f.surface, {0, 0, g.clientWidth, 10}, colors[kColorRulerBack]));
    EXPECT_TRUE(HasFill(f.surface, {g.columnX(3), 0, g.columnX(4), 10}, colors[kColorCaretColumnMarker]));

    // Ticks from column 0 to visible columns + 2: every tenth full height,
    // every fifth from a quarter, the others from 8/9 of the ruler height.
    std::vector<RecordingSurface::Line> ticks;
    for (const auto& l : f.surface.lines)
        if (l.y2 == 10 && l.x1 == l.x2 && l.x1 >= g.numberWidth)
            ticks.push_back(l);
    ASSERT_EQ(static_cast<int>(ticks.size()), g.visibleColumns + 3);
    for (int i = 0; i < static_cast<int>(ticks.size()); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ticks[i].x1, g.columnX(i));
        EXPECT_EQ(ticks[i].y1, i % 10 == 0 ? 0 : i % 5 == 0 ? 2 : 8);
        EXPECT_EQ(ticks[i].color, colors[kColorRulerTicks]);
        EXPECT_EQ(ticks[i].penStyle, 0);
    }
    std::vector<std::string> labels;
    for (const auto* t : TextsOfColor(f.surface, colors[kColorRulerNumbers], FontChoice::Ruler)) {
        EXPECT_FALSE(t->look.opaque);
        EXPECT_EQ(t->y, 10 - f.surface.rulerFontHeight);
        EXPECT_EQ(t->x, g.columnX(std::stoi(t->bytes)) + 2);
        labels.push_back(t->bytes);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"0", "10", "20", "30", "40"}));
}

TEST(PainterFrame, LineNumbersCaretRowMarkerAndMarks) {
    PaintFixture f;
    std::string text;
    for (int i = 1; i <= 12; ++i)
        text += "line\n";
    f.s.load(text + "la|st");
    ASSERT_EQ(f.s.editor.setMark(2, 1), 0);
    ASSERT_EQ(f.s.editor.setMark(3, 2), 0);
    ASSERT_EQ(f.s.editor.setMark(13, 3), 0);
    f.paint();
    const ViewGeometry g = f.geometry();
    const ColorTable& colors = f.settings.colors;
    EXPECT_TRUE(HasFill(f.surface, {0, 10, 50, g.clientHeight}, colors[kColorBackground]));
    const int caretY = 10 + 12 * 16;
    EXPECT_TRUE(HasFill(f.surface, {0, caretY, 46, caretY + 16}, colors[kColorCaretRowMarker]));
    EXPECT_TRUE(HasFill(f.surface, {0, 26, 2, 42}, 0xFF0000));              // line 2: blue
    EXPECT_TRUE(HasFill(f.surface, {0, 42, 2, 58}, 0x0000FF));              // line 3: red
    EXPECT_TRUE(HasFill(f.surface, {0, caretY, 2, caretY + 16}, 0x00FF00)); // line 13: green

    const auto numbers = TextsOfColor(f.surface, colors[kColorLineNumbers], FontChoice::Text);
    ASSERT_EQ(numbers.size(), 13u);
    for (size_t i = 0; i < numbers.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(numbers[i]->bytes, std::to_string(i + 1));
        EXPECT_EQ(numbers[i]->x + 8 * static_cast<int>(numbers[i]->bytes.size()), 46)
            << "right-aligned at 46";
        EXPECT_EQ(numbers[i]->y, 10 + 16 * static_cast<int>(i));
    }
}

TEST(PainterFrame, SeparatorLine) {
    struct Case {
        int ruler, numbers, pen;
    } cases[] = {{10, 50, 0}, {0, 0, 2}, {0, 30, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ruler << " " << c.numbers);
        PaintFixture f;
        ASSERT_EQ(f.s.editor.setMetric(kMetricRulerHeight, c.ruler), NIMBET_OK);
        ASSERT_EQ(f.s.editor.setMetric(kMetricLineNumberWidth, c.numbers), NIMBET_OK);
        ASSERT_EQ(f.s.editor.setMetric(kMetricSeparatorPen, c.pen), NIMBET_OK);
        f.s.load("a|b");
        f.paint();
        ASSERT_FALSE(f.surface.lines.empty());
        const auto& separator = f.surface.lines.back();
        EXPECT_EQ(separator.x1, c.numbers - 4);
        EXPECT_EQ(separator.x2, c.numbers - 4);
        EXPECT_EQ(separator.y1, 0);
        EXPECT_EQ(separator.y2, f.geometry().clientHeight);
        EXPECT_EQ(separator.penStyle, c.pen);
        EXPECT_EQ(separator.color, f.settings.colors[kColorSeparator]);
        // Without ruler and numbers the text starts at the top-left corner and
        // nothing else is drawn there.
        if (c.ruler == 0 && c.numbers == 0) {
            EXPECT_EQ(f.row(0), "ab[EOF]");
            EXPECT_EQ(f.textsInRow(0).front()->x, 0);
            EXPECT_EQ(f.textsInRow(0).front()->y, 0);
            EXPECT_TRUE(
                TextsOfColor(f.surface, f.settings.colors[kColorLineNumbers], FontChoice::Text).empty());
            EXPECT_TRUE(
                TextsOfColor(f.surface, f.settings.colors[kColorRulerNumbers], FontChoice::Ruler).empty());
            EXPECT_EQ(f.surface.lines.size(), 1u);
        }
    }
}

TEST(PainterFrame, CaretLineUnderline) {
    struct Case {
        const char* sketch;
        int spacing;
        int wrap;
        bool markVisible;
        int expectedY; // -1: no underline
    } cases[] = {
        {"a\nb|", 0, 0, true, 10 + 2 * 16},
        {"a\nb|", 3, 0, true, 10 + 2 * 19 - 3},
        {"a\nb|", 0, 0, false, -1},
        {"[a\nb|", 0, 0, true, -1},                    // nothing while something is selected
        {"abcdefghijklm|n", 0, 10, true, 10 + 2 * 16}, // the caret's display row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sketch);
        PaintFixture f;
        ASSERT_EQ(f.s.editor.setMetric(kMetricLineSpacing, c.spacing), NIMBET_OK);
        if (c.wrap)
            f.wrapAt(c.wrap);
        ASSERT_EQ(f.settings.marks.set(kMarkCaretUnderline, c.markVisible), NIMBET_OK);
        f.s.load(c.sketch);
        f.paint();
        if (c.expectedY < 0) {
            EXPECT_TRUE(f.surface.windowLines.empty());
            continue;
        }
        ASSERT_EQ(f.surface.windowLines.size(), 1u);
        const auto& underline = f.surface.windowLines[0];
        EXPECT_EQ(underline.y, c.expectedY);
        EXPECT_EQ(underline.x1, 50);
        EXPECT_EQ(underline.x2, f.geometry().windowWidth);
        EXPECT_EQ(underline.color, f.settings.colors[kColorCaretUnderline]);
    }
}

TEST(PainterFrame, WholePartialAndLightRepaints) {
    PaintFixture f;
    f.addHostRules();
    f.s.load("one\ntwo\nth|ree");
    const ViewGeometry g = f.geometry();
    const Color background = f.settings.colors[kColorBackground];

    f.paint();
    EXPECT_TRUE(HasFill(f.surface, {0, 0, g.windowWidth, g.windowHeight}, background));
    EXPECT_EQ(f.surface.presents, (std::vector<PixelRect>{{0, 0, g.clientWidth, g.clientHeight}}));

    // Only line 2: the ruler and number strips, line 2's strip, line 2's text.
    f.surface.clear();
    Painter(f.s.editor, f.settings, f.surface).paintLines(2, 2);
    EXPECT_TRUE(HasFill(f.surface, {0, 0, g.clientWidth, 10}, background));
    EXPECT_TRUE(HasFill(f.surface, {0, 10, 50, g.clientHeight}, background));
    EXPECT_TRUE(HasFill(f.surface, {50, 26, g.clientWidth, 42}, background));
    EXPECT_EQ(f.row(0), "");
    EXPECT_EQ(f.row(1), "two\x81\xAB");
    EXPECT_EQ(f.row(2), "");
    EXPECT_EQ(f.surface.presents.size(), 1u);
    EXPECT_EQ(f.surface.windowLines.size(), 1u);

    // Light: margins, copy, underline; no text.
    f.surface.clear();
    Painter(f.s.editor, f.settings, f.surface).paintLight();
    EXPECT_TRUE(f.textsInRow(0).empty());
    EXPECT_TRUE(f.textsInRow(2).empty());
    EXPECT_FALSE(TextsOfColor(f.surface, f.settings.colors[kColorLineNumbers], FontChoice::Text).empty());
    EXPECT_EQ(f.surface.presents.size(), 1u);
    EXPECT_EQ(f.surface.windowLines.size(), 1u);

    // A line whose multi-line state changes makes the partial repaint whole:
    // the comment opened on line 2 colours line 3.
    ASSERT_EQ(InsertBytes(*f.s.editor.buffer().lineAt(2), "<!--", 0, 4), LineResult::Ok);
    f.surface.clear();
    Painter(f.s.editor, f.settings, f.surface).paintLines(2, 2);
    EXPECT_EQ(f.surface.presents.size(), 2u);
    EXPECT_EQ(f.colors(2), "CCCCCEEEEE");
    EXPECT_EQ(f.colors(0), "...ee");
}

// With the window's overlay known, partial and light frames copy only what
// they changed, and the row where the last underline was drawn on the window.
TEST(PainterFrame, PartialFramesCopyOnlyWhatChanged) {
    PaintFixture f;
    f.s.load("one\ntwo\nth|ree");
    const ViewGeometry g = f.geometry();
    const PixelRect ruler{0, 0, g.clientWidth, 10}, numbers{0, 10, 50, g.clientHeight};
    WindowOverlay overlay;

    Painter(f.s.editor, f.settings, f.surface, &overlay).paintAll();
    EXPECT_EQ(f.surface.presents, (std::vector<PixelRect>{{0, 0, g.clientWidth, g.clientHeight}}));
    EXPECT_EQ(overlay.underlineY, 10 + 3 * 16);

    // The caret line's strip, and the old underline's row, which lies outside it.
    ASSERT_TRUE(f.s.editor.setSelection({1, 2}, {1, 2}, false));
    f.surface.clear();
    Painter(f.s.editor, f.settings, f.surface, &overlay).paintLines(1, 1);
    EXPECT_EQ(
        f.surface.presents,
        (std::vector<PixelRect>{ruler, numbers, {50, 10, g.clientWidth, 26}, {0, 58, g.clientWidth, 59}}));
    EXPECT_EQ(overlay.underlineY, 26);

    // The number column is as the window shows it: it is neither painted nor
    // copied, and the lines cannot draw into it meanwhile. The underline lies
    // on the first pixel row below its line: a strip that holds it needs no
    // extra copy.
    f.surface.clear();
    Painter(f.s.editor, f.settings, f.surface, &overlay).paintLines(1, 2);
    EXPECT_EQ(f.surface.presents,
              (std::vector<PixelRect>{ruler, {50, 10, g.clientWidth, 26}, {50, 26, g.clientWidth, 42}}));
    EXPECT_TRUE(TextsOfColor(f.surface, f.settings.colors[kColorLineNumbers], FontChoice::Text).empty());
    ASSERT_EQ(f.surface.clips.size(), 2u);
    EXPECT_EQ(f.surface.clips[0].left, 50);
    EXPECT_TRUE(f.surface.clips[1].empty()) << "the clip is lifted for the margins";
    EXPECT_EQ(f.row(1), "two\x81\xAB");

    // A changed mark changes the column: it is painted and copied again.
    f.s.editor.setMark(3, 2);
    f.surface.clear();
    Painter(f.s.editor, f.settings, f.surface, &overlay).paintLines(1, 1);
    EXPECT_EQ(
        f.surface.presents,
        (std::vector<PixelRect>{ruler, numbers, {50, 10, g.clientWidth, 26}, {0, 26, g.clientWidth, 27}}));
    EXPECT_FALSE(TextsOfColor(f.surface, f.settings.colors[kColorLineNumbers], FontChoice::Text).empty());

    // Light: the margins and the old underline's row.
    ASSERT_TRUE(f.s.editor.setSelection({2, 1}, {2, 1}, false));
    f.surface.clear();
    Painter(f.s.editor, f.settings, f.surface, &overlay).paintLight();
    EXPECT_EQ(f.surface.presents, (std::vector<PixelRect>{ruler, numbers, {0, 26, g.clientWidth, 27}}));
    EXPECT_EQ(overlay.underlineY, 42);

    // Nothing is underlined while a selection exists.
    ASSERT_TRUE(f.s.editor.setSelection({1, 1}, {2, 1}, false));
    f.surface.clear();
    Painter(f.s.editor, f.settings, f.surface, &overlay).paintLines(1, 2);
    EXPECT_TRUE(f.surface.windowLines.empty());
    EXPECT_EQ(overlay.underlineY, -1);
}
