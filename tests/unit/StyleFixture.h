// A text buffer with emphasis rules whose lines are styled the way the painter
// styles them; each line comes back as one letter per byte naming its colour.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "CarryOver.h"
#include "Emphasis.h"
#include "LineStyler.h"
#include "TextBuffer.h"

class StyleFixture {
  public:
    StyleFixture() {
        palette.normalText = 1;
        palette.urlText = 2;
        palette.mailText = 3;
        palette.highlightText = 4;
        palette.highlightBack = 5;
        letters_ = {{1, '.'}, {2, 'u'}, {3, 'm'}, {4, 'h'}};
    }

    // Replaces the text; every line starts with empty carry-over slots.
    void load(const std::string& text) {
        buffer.reset();
        buffer.insertText(1, 0, text.data(), text.size(), false);
    }

    // Adds a rule whose colour shows as `letter`.
    NimbetResult addRule(const char* begin, const char* end, int type, char letter, unsigned flags = 0,
                         int level = 0, int permit = 0) {
        const nimbet::Color color = 0x10000u + static_cast<unsigned char>(letter);
        letters_[color] = letter;
        return emphasis.rules.add(begin, end, type, color, flags, level, permit);
    }

    // The host program's four rules: comments, tags, quoted values and
    // character references.
    void addHostRules() {
        addRule("<!--", "-->", 4, 'C', 0, 6, 0);
        addRule("<", ">", 3, 'T', 0, 2, 3);
        addRule("\"", "\"", 3, 'Q', 0, 3, 0);
        addRule("&", ";", 3, 'R', 0, 1, 0);
    }

    // Styles line n as painting does: when its multi-line state changed the
    // carry-over is recomputed from it.
    std::vector<nimbet::StyledRun> runs(int n) {
        std::vector<nimbet::StyledRun> out;
        nimbet::LineRecord* line = buffer.lineAt(n);
        if (!line) {
            ADD_FAILURE() << "no line " << n;
            return out;
        }
        const nimbet::LineStyler styler(emphasis, clickable, palette);
        lastChanged = styler.style(*line, out);
        if (lastChanged)
            nimbet::RecomputeCarryOver(line);
        int at = 0;
        for (const auto& run : out) {
            EXPECT_EQ(run.begin, at) << "runs must follow each other";
            EXPECT_LT(run.begin, run.end);
            at = run.end;
        }
        EXPECT_EQ(at, line->length) << "runs must cover the line";
        return out;
    }

    // Line n as one letter per byte naming the colour of its run: '.' normal
    // text, 'u' URL, 'm' mail address, 'h' highlight, else the rule's letter.
    std::string paint(int n) {
        std::string out;
        for (const auto& run : runs(n)) {
            const auto it = letters_.find(run.color);
            out.append(static_cast<size_t>(run.end - run.begin), it == letters_.end() ? '?' : it->second);
        }
        return out;
    }

    // Paints every line from the first, as a full repaint does.
    std::vector<std::string> paintAll() {
        std::vector<std::string> out;
        for (int n = 1; n <= buffer.lineCount(); ++n)
            out.push_back(paint(n));
        return out;
    }

    nimbet::TextBuffer buffer;
    nimbet::Emphasis emphasis;
    nimbet::StylePalette palette;
    int clickable = nimbet::kClickAll;
    bool lastChanged = false; // what styling the last line reported

  private:
    std::map<nimbet::Color, char> letters_;
};
