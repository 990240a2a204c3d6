// Character steps inside a line must agree with the walk from the line start,
// also where trail bytes look like lead bytes, backslashes or bars.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "OwnedLine.h"

#include "CharSteps.h"
#include "LineRecord.h"

using namespace nimbet;

namespace {

using Line = OwnedLine;

} // namespace

TEST(CharSteps, StepsOverDoubleByteCharacters) {
    // "亜" is 88 9F: its trail byte lies in the lead-byte range.
    struct Case {
        const char* text;
        int index;
        int length;  // CharLengthAt(index)
        bool start;  // IsCharStart(index)
        int before;  // CharStartBefore(index)
        int snapped; // SnapToCharStart(index)
    } cases[] = {
        {"aソb", 1, 2, true, 0, 1},                             // 61 83 5C 62
        {"aソb", 2, 1, false, 1, 1},                            // on the trail byte 5C
        {"aソb", 3, 1, true, 1, 3},  {"表|", 2, 1, true, 0, 2}, // 95 5C 7C
        {"－x", 1, 1, false, 0, 0},                             // 81 7C 78
        {"－x", 2, 1, true, 0, 2},   {"亜a", 2, 1, true, 0, 2}, // 88 9F 61: before 'a' is the whole 亜
        {"亜亜", 2, 2, true, 0, 2},  {"亜亜", 4, 0, true, 2, 4},
        {"a\x81", 1, 1, true, 0, 1}, // a lead byte at the line end stands alone
        {"a\x81", 2, 0, true, 1, 2}, {"", 0, 0, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " @" + std::to_string(c.index));
        Line line(c.text);
        EXPECT_EQ(CharLengthAt(*line.record, c.index), c.length);
        EXPECT_EQ(IsCharStart(*line.record, c.index), c.start);
        EXPECT_EQ(CharStartBefore(*line.record, c.index), c.before);
        EXPECT_EQ(SnapToCharStart(*line.record, c.index), c.snapped);
    }
}

TEST(CharSteps, AgreeWithTheWalkFromTheLineStart) {
    std::mt19937 random(5);
    const unsigned char pool[] = {'a',  '\\', '|',  '[',  0x81, 0x83, 0x88,
                                  0x95, 0x9F, 0xE0, 0x5C, 0x7C, 0x40, 0xA0};
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        const int length = static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i)
            bytes += static_cast<char>(pool[random() % sizeof pool]);
        Line line(bytes);
        int previousStart = 0;
        for (int i = 0; i <= length; ++i) {
            SCOPED_TRACE(testing::Message() << "round " << round << " index " << i);
            const ByteKind kind = ByteKindAt(*line.record, i);
            ASSERT_EQ(IsCharStart(*line.record, i), kind != ByteKind::Trail);
            ASSERT_EQ(CharLengthAt(*line.record, i), kind == ByteKind::Lead  ? 2
                                                     : kind == ByteKind::End ? 0
                                                                             : 1);
            if (kind != ByteKind::Trail) {
                if (i > 0) {
                    ASSERT_EQ(CharStartBefore(*line.record, i), previousStart);
                }
                previousStart = i;
            }
        }
    }
}
