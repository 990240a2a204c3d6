// Words for double-click selection.
#include <gtest/gtest.h>

#include <string>

#include "WordBoundaries.h"

using namespace nimbet;

TEST(WordBoundaries, WordsFollowTheCharacterClasses) {
    struct Case {
        const char* text;
        int index;
        const char* word;
    } cases[] = {
        {"abc_def ghi", 5, "abc_def"},
        {"abc123", 1, "abc"},
        {"abc123", 4, "123"},
        {"a  b", 1, " "},            // every blank is a word of its own
        {"x「ソース」y", 1, "「"},   // and every full-width symbol
        {"x「ソース」y", 5, "ソー"}, // the prolonged sound mark continues katakana
        {"x「ソース」y", 4, "ソー"}, // an index on a trail byte is its character
        {"x「ソース」y", 7, "ス"},   // katakana after the mark starts a new word
        {"ひらがなー漢字", 2, "ひらがなー"},
        {"漢字ーx", 4, "ー"}, // not after kanji
        {"－1", 0, "－"},     // full-width minus (81 7C) is class 11
        {"ab", 2, "ab"},      // the line end belongs to the last word
        {"ｱｲｳ;", 1, "ｱｲｳ"},
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " @" + std::to_string(c.index));
        const std::string text = c.text;
        LineRecord* line = CreateLine(text.data(), static_cast<int>(text.size()));
        const WordRange word = WordAt(*line, c.index);
        EXPECT_EQ(text.substr(static_cast<size_t>(word.start), static_cast<size_t>(word.end - word.start)),
                  c.word);
        delete line;
    }
}
