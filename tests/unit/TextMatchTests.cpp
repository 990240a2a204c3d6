// Comparing a pattern with the text at one place: exact, without case for ASCII
// and full-width Latin letters, and never splitting a double-byte character.
#include <gtest/gtest.h>

#include <cstring>

#include "TextMatch.h"

using nimbet::MatchesAt;

TEST(TextMatch, ComparesWithAndWithoutCase) {
    struct Case {
        const char* text;
        int pos;
        const char* pattern;
        bool matchCase;
        bool expected;
    } cases[] = {
        {"abc", 0, "abc", true, true},
        {"ABC", 0, "abc", true, false},
        {"ABC", 0, "abc", false, true},
        {"aBc", 0, "AbC", false, true},
        {"xaby", 1, "ab", true, true},
        {"ab", 1, "bc", false, false}, // runs past the end
        {"ab", 2, "b", true, false},   // starts at the end
        {"@", 0, "`", false, false},   // only letters fold
        {"[", 0, "{", false, false},
        {"abc", 0, "", true, false}, // an empty pattern matches nothing
        // Full-width Latin letters (lead byte 0x82) fold by 0x21 in the trail byte.
        {"ＡＢ", 0, "ａｂ", false, true},
        {"ａｂ", 0, "ＡＢ", false, true},
        {"Ｚｚ", 0, "ｚＺ", false, true},
        {"ＡＢ", 0, "ａｂ", true, false},
        {"ＡＢ", 0, "ＡＣ", false, false},
        {"ぁ", 0, "\x82\x7E", false, false}, // 0x82 0x9F is hiragana, not a letter
        {"ア", 0, "\x83\x61", false, false}, // trail byte 'A' of another lead never folds
        {"\x82\x41", 0, "\x82\x61", false, false},
        // A match never ends inside a double-byte character of the text.
        {"ソ", 0, "\x83", true, false},
        {"aソ", 0, "a\x83", false, false},
        {"表|", 2, "|", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.text << " @" << c.pos << " " << c.pattern << " case " << c.matchCase);
        const int length = static_cast<int>(std::strlen(c.text));
        EXPECT_EQ(MatchesAt(c.text, length, c.pos, c.pattern, static_cast<int>(std::strlen(c.pattern)),
                            c.matchCase),
                  c.expected);
    }
}
