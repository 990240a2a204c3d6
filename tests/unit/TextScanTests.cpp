// The fast scans over incoming text against plain byte loops, at every
// alignment and position of the byte they look for.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "TextScan.h"

using namespace nimbet;

TEST(TextScan, LengthAtEveryAlignment) {
    std::vector<char> block(128, 'x');
    for (size_t start = 0; start < 32; ++start)
        for (size_t length = 0; length < 60; ++length) {
            block.assign(block.size(), '\x81');
            block[start + length] = '\0';
            EXPECT_EQ(TextLength(block.data() + start), length) << start << " " << length;
        }
}

TEST(TextScan, FirstBreakByteAtEveryPosition) {
    for (const char brk : {'\r', '\n'})
        for (size_t at = 0; at < 40; ++at)
            for (size_t from = 0; from <= at; from += 3) {
                std::string text(40, '\x8D'); // a byte above 0x80 whose low bits are those of CR
                text[at] = brk;
                EXPECT_EQ(FindBreakByte(text.data(), from, text.size()), at);
                EXPECT_EQ(FindBreakByte(text.data(), from, at), at) << "the end is not searched past";
            }
    const std::string none(50, 'a');
    EXPECT_EQ(FindBreakByte(none.data(), 7, none.size()), none.size());
}
