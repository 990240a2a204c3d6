// Registering emphasis rules: limits and result codes, flag decoding, the
// classes of the begin string's edges, reset, and the highlight string.
#include <gtest/gtest.h>

#include "CharClass.h"
#include "Emphasis.h"
#include "TextBuffer.h"

using namespace nimbet;

TEST(EmphasisTable, TheTwoHundredFiftySeventhRuleIsRefused) {
    EmphasisTable table;
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(table.add("x", nullptr, 1, 0, 0, 0, 0), NIMBET_OK) << i;
    EXPECT_EQ(table.add("x", nullptr, 1, 0, 0, 0, 0), NIMBET_RULESFULL);
    EXPECT_EQ(table.add("x", "y", 4, 0, 0, 0, 1), NIMBET_RULESFULL) << "the rule count is checked first";
    EXPECT_EQ(table.count(), 256);
    EXPECT_EQ(table.multiLineCount(), 0);
    EXPECT_EQ(table.permittingCount(), 0);
}

TEST(EmphasisTable, SixthMultiLineRuleIsRefused) {
    EmphasisTable table;
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(table.add("<!--", "-->", 4, 0, 0, 0, 0), NIMBET_OK) << i;
    EXPECT_EQ(table.add("<!--", "-->", 4, 0, 0, 0, 0), NIMBET_BLOCKRULESFULL);
    EXPECT_EQ(table.add("<", ">", 3, 0, 0, 0, 0), NIMBET_OK) << "other types are not limited";
    EXPECT_EQ(table.count(), 6);
    EXPECT_EQ(table.multiLineCount(), 5);
}

TEST(EmphasisTable, EighthPermittingRuleIsRefused) {
    EmphasisTable table;
    for (int i = 0; i < 7; ++i)
        ASSERT_EQ(table.add("<", ">", 3, 0, 0, 2, i % 2 ? -1 : 3), NIMBET_OK) << i;
    EXPECT_EQ(table.add("<", ">", 3, 0, 0, 2, 3), NIMBET_GROUPRULESFULL);
    EXPECT_EQ(table.add("<", ">", 3, 0, 0, 2, 0), NIMBET_OK) << "permit 0 is not limited";
    EXPECT_EQ(table.permittingCount(), 7);
}

TEST(EmphasisTable, RefusedRuleChangesNoCount) {
    EmphasisTable table;
    for (int i = 0; i < 7; ++i)
        ASSERT_EQ(table.add("[", "]", 3, 0, 0, 0, 1), NIMBET_OK);
    // A multi-line rule with a permit passes the first limit but not the second.
    EXPECT_EQ(table.add("<!--", "-->", 4, 0, 0, 0, 1), NIMBET_GROUPRULESFULL);
    EXPECT_EQ(table.multiLineCount(), 0);
    EXPECT_EQ(table.count(), 7);
}

TEST(EmphasisTable, MissingBeginFailsAndMissingEndIsAccepted) {
    EmphasisTable table;
    EXPECT_EQ(table.add(nullptr, ">", 3, 0, 0, 0, 0), NIMBET_NOMEMORY);
    EXPECT_EQ(table.count(), 0);
    ASSERT_EQ(table.add("//", nullptr, 2, 0x123456, 0, 5, 0), NIMBET_OK);
    EXPECT_EQ(table[0].begin, "//");
    EXPECT_TRUE(table[0].end.empty());
    EXPECT_FALSE(table[0].seeksEnd());
    EXPECT_EQ(table[0].color, 0x123456u);
    EXPECT_EQ(table[0].level, 5);
}

TEST(EmphasisTable, FlagsAreDecoded) {
    struct Case {
        unsigned flags;
        bool bold, matchCase;
        int boundary;
        bool notAtLineStart;
    } cases[] = {
        {0x00, false, true, 0, false},  {0x01, true, true, 0, false},   {0x02, false, false, 0, false},
        {0x04, false, true, 4, false},  {0x08, false, true, 8, false},  {0x10, false, true, 16, false},
        {0x20, false, true, 32, false}, {0x0C, false, true, 8, false},  {0x14, false, true, 16, false},
        {0x3C, false, true, 32, false}, {0x24, false, true, 32, false}, {0x40, false, true, 0, true},
        {0x7F, true, false, 32, true},  {0x80, false, true, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags 0x" << std::hex << c.flags);
        EmphasisTable table;
        ASSERT_EQ(table.add("if", nullptr, 1, 0, c.flags, 0, 0), NIMBET_OK);
        EXPECT_EQ(table[0].bold, c.bold);
        EXPECT_EQ(table[0].matchCase, c.matchCase);
        EXPECT_EQ(table[0].boundary, c.boundary);
        EXPECT_EQ(table[0].notAtLineStart, c.notAtLineStart);
    }
}

TEST(EmphasisTable, SimpleFormMapsOnlyWordAndBold) {
    struct Case {
        bool onlyWord, bold;
        unsigned flags;
    } cases[] = {{false, false, 0x00}, {false, true, 0x01}, {true, false, 0x20}, {true, true, 0x21}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.onlyWord << c.bold);
        EXPECT_EQ(EmphasisTable::SimpleFlags(c.onlyWord, c.bold), c.flags);
    }
}

TEST(EmphasisTable, EdgeClassesOfTheBeginString) {
    struct Case {
        const char* begin;
        int first, last;
    } cases[] = {
        {"<", kClassOther, kClassOther},
        {"if", kClassAsciiLetter, kClassAsciiLetter},
        {"a1", kClassAsciiLetter, kClassDigit},
        {"_x", kClassUnderscore, kClassAsciiLetter},
        {"表a", kClassKanji, kClassAsciiLetter},
        {"aソ", kClassAsciiLetter, kClassKatakana}, // ソ ends in 0x5C: the last character is both bytes
        {"ａ", kClassWideLatin, kClassWideLatin},
        {"", kNoClass, kNoClass},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.begin);
        EmphasisTable table;
        ASSERT_EQ(table.add(c.begin, nullptr, 1, 0, 0, 0, 0), NIMBET_OK);
        EXPECT_EQ(table[0].beginFirstClass, c.first);
        EXPECT_EQ(table[0].beginLastClass, c.last);
    }
}

TEST(Emphasis, ResetRemovesRulesAndEmptiesEveryLinesSlots) {
    TextBuffer buffer;
    const std::string text = "a\nb\nc";
    buffer.insertText(1, 0, text.data(), text.size(), false);
    for (LineRecord* line = buffer.first(); line; line = line->next)
        for (int k = 0; k < kCarrySlots; ++k)
            for (CarrySlots* slots : {&line->openAtStart, &line->openedHere, &line->closedHere})
                slots->set(k, k);

    Emphasis emphasis;
    ASSERT_EQ(emphasis.rules.add("<!--", "-->", 4, 0, 0, 0, 2), NIMBET_OK);
    ASSERT_EQ(emphasis.highlight.set("b", true), NIMBET_OK);
    emphasis.reset(buffer);

    EXPECT_EQ(emphasis.rules.count(), 0);
    EXPECT_EQ(emphasis.rules.multiLineCount(), 0);
    EXPECT_EQ(emphasis.rules.permittingCount(), 0);
    EXPECT_EQ(emphasis.highlight.word(), "b") << "the highlight is not a rule";
    for (LineRecord* line = buffer.first(); line; line = line->next)
        for (int k = 0; k < kCarrySlots; ++k) {
            EXPECT_EQ(line->openAtStart[k], -1);
            EXPECT_EQ(line->openedHere[k], -1);
            EXPECT_EQ(line->closedHere[k], -1);
        }
    // The limits count from zero again.
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(emphasis.rules.add("<!--", "-->", 4, 0, 0, 0, 0), NIMBET_OK);
}

TEST(Highlight, NullIsRefusedAndEmptySwitchesItOff) {
    Highlight highlight;
    EXPECT_FALSE(highlight.active());
    ASSERT_EQ(highlight.set("word", false), NIMBET_OK);
    EXPECT_TRUE(highlight.active());
    EXPECT_FALSE(highlight.matchCase());
    EXPECT_EQ(highlight.set(nullptr, true), NIMBET_BADARG);
    EXPECT_EQ(highlight.word(), "word") << "a refused call keeps the string";
    EXPECT_FALSE(highlight.matchCase());
    ASSERT_EQ(highlight.set("", true), NIMBET_OK);
    EXPECT_FALSE(highlight.active());
}
