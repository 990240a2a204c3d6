// A surface that records the painter's calls, and a fixture that paints an
// editor sketch into it and reads the text area back as rows of character
// cells with their colours.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "EditorSketch.h"
#include "Painter.h"
#include "ShiftJis.h"

struct RecordingSurface final : nimbet::Surface {
    struct Text {
        int x, y;
        std::string bytes;
        nimbet::TextLook look;
        int cellWidth;
    };
    struct Line {
        int x1, y1, x2, y2, penStyle;
        nimbet::Color color;
    };
    struct Fill {
        nimbet::PixelRect rect;
        nimbet::Color color;
    };
    struct Selection {
        nimbet::PixelRect rect;
        int rop;
    };
    struct WindowLine {
        int x1, x2, y;
        nimbet::Color color;
    };

    std::vector<Fill> fills;
    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Selection> selections;
    std::vector<WindowLine> windowLines;
    std::vector<nimbet::PixelRect> presents;
    std::vector<nimbet::PixelRect> clips; // empty rectangle: the clip was lifted
    int charWidth = 8;                    // of the text fonts
    int rulerCharWidth = 5;               // of the ruler font
    int rulerFontHeight = 9;              // height of "i" in the ruler font

    void clear() { *this = RecordingSurface{}; }

    void fill(const nimbet::PixelRect& rect, nimbet::Color color) override { fills.push_back({rect, color}); }
    void text(int x, int y, const char* bytes, int n, const nimbet::TextLook& look, int cellWidth) override {
        // A call never ends inside a double-byte character.
        for (int i = 0; i < n; ++i) {
            if (nimbet::IsLeadByte(bytes[i])) {
                EXPECT_LT(i + 1, n) << "a double-byte character split at the end of a text call";
                ++i;
            }
        }
        texts.push_back({x, y, std::string(bytes, static_cast<size_t>(n)), look, cellWidth});
    }
    void line(int x1, int y1, int x2, int y2, int penStyle, nimbet::Color color) override {
        lines.push_back({x1, y1, x2, y2, penStyle, color});
    }
    void selection(const nimbet::PixelRect& rect, int rop) override { selections.push_back({rect, rop}); }
    int textWidth(const char*, int n, nimbet::FontChoice font) override {
        return n * (font == nimbet::FontChoice::Ruler ? rulerCharWidth : charWidth);
    }
    int fontHeight(nimbet::FontChoice font) override {
        return font == nimbet::FontChoice::Ruler ? rulerFontHeight : 16;
    }
    void present(const nimbet::PixelRect& rect) override { presents.push_back(rect); }
    void clip(const nimbet::PixelRect* rect) override { clips.push_back(rect ? *rect : nimbet::PixelRect{}); }
    void windowLine(int x1, int x2, int y, nimbet::Color color) override {
        windowLines.push_back({x1, x2, y, color});
    }
};

// Colours of the host's four rules, as the painting tests name them.
constexpr nimbet::Color kTagColor = 0x800000;
constexpr nimbet::Color kQuoteColor = 0x0000C0;
constexpr nimbet::Color kCommentColor = 0x008000;
constexpr nimbet::Color kReferenceColor = 0x808000;

class PaintFixture {
  public:
    // The sketch editor's 400 x 300 window and 8 x 16 font: 43 visible
    // columns beside the 50-pixel line numbers, rows from y = 10.
    PaintFixture() {
        settings.colors.set(nimbet::kColorHighlightText, 0x0000FE); // apart from the URL colour
        letters_ = {{0x000000, '.'},        {kTagColor, 'T'}, {kQuoteColor, 'Q'}, {kCommentColor, 'C'},
                    {kReferenceColor, 'R'}, {0xFF0000, 'u'},  {0x5E2BAA, 'm'},    {0x0000FE, 'h'},
                    {0x2BB5C8, 't'},        {0x9696FF, 's'},  {0xCB5288, 'e'},    {0xBFCF4E, 'E'}};
    }

    void addHostRules() {
        auto& rules = s.editor.emphasis().rules;
        rules.add("<!--", "-->", 4, kCommentColor, 0, 6, 0);
        rules.add("<", ">", 3, kTagColor, 0, 2, 3);
        rules.add("\"", "\"", 3, kQuoteColor, 0, 3, 0);
        rules.add("&", ";", 3, kReferenceColor, 0, 1, 0);
    }

    // Wrapping at `columns` columns of the 8-pixel font.
    void wrapAt(int columns) {
        s.editor.metrics().setWindowSize(50 + 4 + columns * 8, 300);
        s.editor.setWrapping(true, 0);
    }

    void paint() {
        surface.clear();
        nimbet::Painter(s.editor, settings, surface).paintAll();
    }

    nimbet::ViewGeometry geometry() const { return nimbet::ViewGeometry::Of(s.editor); }

    // Row r of the text area (0-based from the top row) as the bytes drawn
    // into its cells; empty cells are spaces, trailing ones dropped.
    std::string row(int r) const { return readRow(r, false); }
    // The same row with one letter per cell naming its text colour.
    std::string colors(int r) const { return readRow(r, true); }
    // Whether the cells of text call `t` are on the highlight background.
    std::vector<const RecordingSurface::Text*> textsInRow(int r) const {
        std::vector<const RecordingSurface::Text*> out;
        const nimbet::ViewGeometry g = geometry();
        for (const auto& t : surface.texts)
            if (t.cellWidth > 0 && t.x >= g.numberWidth && t.y == g.rulerHeight + r * g.rowHeight)
                out.push_back(&t);
        return out;
    }

    SketchEditor s;
    nimbet::PaintSettings settings;
    RecordingSurface surface;

  private:
    std::string readRow(int r, bool colour) const {
        const nimbet::ViewGeometry g = geometry();
        std::map<int, char> cells;
        for (const auto* t : textsInRow(r)) {
            const int column = (t->x - g.numberWidth) / g.charWidth;
            for (size_t k = 0; k < t->bytes.size(); ++k) {
                if (!colour) {
                    cells[column + static_cast<int>(k)] = t->bytes[k];
                } else {
                    const auto it = letters_.find(t->look.color);
                    cells[column + static_cast<int>(k)] = it == letters_.end() ? '?' : it->second;
                }
            }
        }
        std::string out;
        for (const auto& [column, c] : cells) {
            if (column < 0)
                continue;
            out.resize(static_cast<size_t>(column), ' ');
            out += c;
        }
        return out;
    }

    std::map<nimbet::Color, char> letters_;
};
