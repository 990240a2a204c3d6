// Character classes, one row per class boundary.
#include <gtest/gtest.h>

#include "CharClass.h"

using namespace nimbet;

TEST(CharClass, EveryClassAndItsEdges) {
    struct Row {
        unsigned char first, second;
        int expected;
    } rows[] = {
        {'A', 0, 0},     {'z', 0, 0},     {'0', 0, 1},     {'9', 0, 1},     {'_', 0, 12},    {' ', 0, 2},
        {'\t', 0, 2},    {'<', 0, 2},     {0x81, 0x5B, 11}, {0x81, 0x7C, 11}, {0x81, 0x40, 8}, {0x81, 0x5C, 8},
        {0x83, 0x9F, 8}, {0x83, 0xF0, 8}, {0x84, 0x40, 8}, {0x87, 0x90, 8}, {0x82, 0x9F, 3}, {0x82, 0xF1, 3},
        {0x82, 0x60, 6}, {0x82, 0x9A, 6}, {0x82, 0x4F, 7}, {0x82, 0x58, 7}, {0x82, 0x40, 2}, {0x82, 0xF2, 2},
        {0x83, 0x40, 4}, {0x83, 0x5C, 4}, {0x83, 0x96, 4}, {0x83, 0x97, 2}, {0x88, 0x9F, 5}, {0x9F, 0x40, 5},
        {0xE0, 0x40, 5}, {0xFC, 0x40, 5}, {0xA1, 0, 10},   {0xDF, 0, 10},   {0xA0, 0, 2},    {0xFD, 0, 2},
        {0x80, 0, 2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << int(r.first) << " " << int(r.second));
        EXPECT_EQ(CharClass(r.first, r.second), r.expected);
    }
}
