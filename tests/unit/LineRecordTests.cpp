// The primitives on one line: insertion, deletion, truncation, copying and
// byte kinds, with double-byte characters whose trail bytes are 0x5C and 0x7C.
#include <gtest/gtest.h>

#include <memory>

#include "LineRecord.h"

using namespace nimbet;

namespace {
std::unique_ptr<LineRecord> Line(const char* text) { return std::unique_ptr<LineRecord>(CreateLine(text, -1)); }
} // namespace

TEST(LineRecord, NewLineIsEmptyWithClearSlots) {
    auto line = Line("");
    EXPECT_EQ(line->length, 0);
    EXPECT_STREQ(line->text, "");
    EXPECT_EQ(line->rows, 1);
    EXPECT_EQ(line->mark, 0);
    for (int k = 0; k < kCarrySlots; ++k) {
        EXPECT_EQ(line->openAtStart[k], -1);
        EXPECT_EQ(line->openedHere[k], -1);
        EXPECT_EQ(line->closedHere[k], -1);
    }
}

TEST(LineRecord, InsertDeleteAndTruncateKeepTheLineTerminated) {
    auto line = Line("abcd");
    EXPECT_EQ(InsertBytes(*line, "XY", 2, -1), LineResult::Ok);
    EXPECT_STREQ(line->text, "abXYcd");
    EXPECT_EQ(InsertBytes(*line, "123", 6, 1), LineResult::Ok);
    EXPECT_STREQ(line->text, "abXYcd1");
    EXPECT_EQ(InsertBytes(*line, "z", 8, 1), LineResult::Refused);
    EXPECT_EQ(DeleteBytes(*line, 1, 3), LineResult::Ok);
    EXPECT_STREQ(line->text, "acd1");
    EXPECT_EQ(line->length, 4);

    struct Bad {
        int index, n;
    } refused[] = {{-1, 1}, {0, -1}, {2, 3}, {5, 0}};
    for (const Bad& b : refused) {
        SCOPED_TRACE(b.index);
        EXPECT_EQ(DeleteBytes(*line, b.index, b.n), LineResult::Refused);
    }
    EXPECT_STREQ(line->text, "acd1");
    EXPECT_EQ(TruncateLine(*line, 5), LineResult::Refused);
    EXPECT_EQ(TruncateLine(*line, -1), LineResult::Refused);
    EXPECT_EQ(TruncateLine(*line, 2), LineResult::Ok);
    EXPECT_STREQ(line->text, "ac");
    EXPECT_EQ(TruncateLine(*line, 0), LineResult::Ok);
    EXPECT_EQ(line->length, 0);
}

TEST(LineRecord, CopyGivesEmptyStringForBadRanges) {
    auto line = Line("hello");
    char out[16];
    CopyBytes(*line, 1, 4, out);
    EXPECT_STREQ(out, "ell");
    const int ranges[][2] = {{3, 3}, {4, 2}, {0, 6}, {-1, 2}};
    for (const auto& r : ranges) {
        std::fill(std::begin(out), std::end(out), 'x');
        CopyBytes(*line, r[0], r[1], out);
        EXPECT_STREQ(out, "") << r[0] << ".." << r[1];
    }
    EXPECT_STREQ(BytesFrom(*line, 3), "lo");
    EXPECT_STREQ(BytesFrom(*line, 5), "");
    EXPECT_STREQ(BytesFrom(*line, 99), "");
}

TEST(LineRecord, ByteKindsStepOverDoubleByteCharacters) {
    // "ソ" is 83 5C and "ー" 81 5B; "―" is 81 5C, "｜" 81 62, "∥" 81 61; "Ｐ" 82 6F.
    auto line = Line("aソ|ー\\ｱ");
    const ByteKind expected[] = {ByteKind::Single, ByteKind::Lead,  ByteKind::Trail, ByteKind::Single,
                                 ByteKind::Lead,   ByteKind::Trail, ByteKind::Single, ByteKind::Single,
                                 ByteKind::End};
    ASSERT_EQ(line->length, 8);
    for (int i = 0; i <= line->length; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ByteKindAt(*line, i), expected[i]);
    }
    EXPECT_EQ(ByteKindAt(*line, -1), ByteKind::End);
    // A lead byte cut off at the end of the line stands alone.
    auto cut = Line("a\x83");
    EXPECT_EQ(ByteKindAt(*cut, 1), ByteKind::Single);
}
