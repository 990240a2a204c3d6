// The emphasis and highlight exports: result codes and limits through the real
// library, and the rules surviving a new text.
#include <gtest/gtest.h>

#include "DriverSupport.h"

namespace {

class Emphasis : public testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(Nimbet().NimbetCreate(0, parent.hwnd(), 0, 0, 400, 300), NIMBET_OK); }
    void TearDown() override { Nimbet().NimbetDelete(0); }
    RecordingParent parent;
};

TEST_F(Emphasis, LimitsOfTheTable) {
    auto& n = Nimbet();
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(n.NimbetAddEmphasis(0, "<!--", "-->", 4, 0xFF, 0, 6, 0), NIMBET_OK);
    EXPECT_EQ(n.NimbetAddEmphasis(0, "<!--", "-->", 4, 0xFF, 0, 6, 0), NIMBET_BLOCKRULESFULL);
    for (int i = 0; i < 7; ++i)
        ASSERT_EQ(n.NimbetSetEmphasis(0, "<", ">", 3, 0xFF00, 0, 2, 3, 0), NIMBET_OK);
    EXPECT_EQ(n.NimbetSetEmphasis(0, "<", ">", 3, 0xFF00, 0, 2, 3, 0), NIMBET_GROUPRULESFULL);
    for (int i = 12; i < 256; ++i)
        ASSERT_EQ(n.NimbetAddEmphasis(0, "&", ";", 3, 0xFF0000, 0x02, 1, 0), NIMBET_OK) << i;
    EXPECT_EQ(n.NimbetAddEmphasis(0, "&", ";", 3, 0xFF0000, 0, 1, 0), NIMBET_RULESFULL);

    // A reset empties the table; the limits count from zero again.
    ASSERT_EQ(n.NimbetResetEmphasis(0, 1), NIMBET_OK);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(n.NimbetAddEmphasis(0, "<!--", "-->", 4, 0xFF, 0, 6, 0), NIMBET_OK);
}

TEST_F(Emphasis, ArgumentChecks) {
    auto& n = Nimbet();
    EXPECT_EQ(n.NimbetAddEmphasis(0, nullptr, ">", 3, 0, 0, 0, 0), NIMBET_NOMEMORY);
    EXPECT_EQ(n.NimbetSetEmphasis(0, nullptr, ">", 3, 0, 1, 0, 0, 1), NIMBET_NOMEMORY);
    EXPECT_EQ(n.NimbetAddEmphasis(0, "//", nullptr, 2, 0, 0, 0, 0), NIMBET_OK);
    EXPECT_EQ(n.NimbetSetHighlight(0, nullptr, 1, 1), NIMBET_BADARG);
    EXPECT_EQ(n.NimbetSetHighlight(0, "word", 0, 1), NIMBET_OK);
    EXPECT_EQ(n.NimbetSetHighlight(0, "", 1, 0), NIMBET_OK);

    EXPECT_EQ(n.NimbetAddEmphasis(1, "<", ">", 3, 0, 0, 0, 0), NIMBET_BADID);
    EXPECT_EQ(n.NimbetSetEmphasis(-1, "<", ">", 3, 0, 0, 0, 0, 0), NIMBET_BADID);
    EXPECT_EQ(n.NimbetResetEmphasis(1, 0), NIMBET_BADID);
    EXPECT_EQ(n.NimbetSetHighlight(1, "x", 1, 0), NIMBET_BADID);
}

TEST_F(Emphasis, RulesSurviveANewText) {
    auto& n = Nimbet();
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(n.NimbetAddEmphasis(0, "<!--", "-->", 4, 0xFF, 0, 6, 0), NIMBET_OK);
    ASSERT_EQ(n.NimbetSetText(0, "<!-- a\r\nb -->"), NIMBET_OK);
    EXPECT_EQ(n.NimbetAddEmphasis(0, "<!--", "-->", 4, 0xFF, 0, 6, 0), NIMBET_BLOCKRULESFULL);
}

} // namespace
