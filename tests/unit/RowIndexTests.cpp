// Display-row lookups of the text buffer against a plain walk from the first
// line, through insertions, removals and row changes anywhere in the text.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "TextBuffer.h"

using namespace nimbet;

namespace {

int WalkRowsBefore(const TextBuffer& buffer, int n) {
    int rows = 0;
    const LineRecord* line = buffer.first();
    for (int k = 1; k < n; ++k, line = line->next)
        rows += line->rows;
    return rows;
}

void CheckAgainstWalk(const TextBuffer& buffer, std::mt19937& random) {
    const int total = WalkRowsBefore(buffer, buffer.lineCount() + 1);
    ASSERT_EQ(buffer.totalRows(), total);
    for (int probe = 0; probe < 8; ++probe) {
        const int n = static_cast<int>(random() % buffer.lineCount()) + 1;
        ASSERT_EQ(buffer.rowsBefore(n), WalkRowsBefore(buffer, n)) << "line " << n;
        const int row = static_cast<int>(random() % total) + 1;
        const RowSpot spot = buffer.lineOfRow(row);
        ASSERT_EQ(spot.line, buffer.lineAt(spot.number));
        ASSERT_EQ(spot.rowsBefore, WalkRowsBefore(buffer, spot.number));
        ASSERT_GT(row, spot.rowsBefore);
        ASSERT_LE(row, spot.rowsBefore + spot.line->rows) << "row " << row;
    }
}

} // namespace

TEST(RowIndex, LookupsAgreeWithAWalkThroughEveryChange) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        TextBuffer buffer;
        std::string text;
        for (int i = 0; i < 200; ++i)
            text += "line\n";
        buffer.insertText(1, 0, text.data(), text.size(), true);
        int n = 1;
        for (LineRecord* line = buffer.first(); line; line = line->next, ++n)
            buffer.setRows(*line, n, 1 + static_cast<int>(random() % 4));
        for (int step = 0; step < 300; ++step) {
            const int count = buffer.lineCount();
            const int at = static_cast<int>(random() % count) + 1;
            switch (random() % 3) {
            case 0: {
                LineRecord* fresh = CreateLine("x", 1);
                ASSERT_NE(fresh, nullptr);
                fresh->rows = 1 + static_cast<int>(random() % 3); // set before it joins the list
                buffer.insertLineAfter(buffer.lineAt(at), at, fresh);
                break;
            }
            case 1:
                buffer.removeLine(buffer.lineAt(at), at);
                break;
            default:
                buffer.setRows(*buffer.lineAt(at), at, 1 + static_cast<int>(random() % 5));
                break;
            }
            CheckAgainstWalk(buffer, random);
            if (HasFatalFailure())
                return;
        }
    }
}

TEST(RowIndex, RowsBeyondTheTextClampToTheLastLine) {
    TextBuffer buffer;
    buffer.insertText(1, 0, "a\nb\nc", 5, true);
    buffer.setRows(*buffer.lineAt(2), 2, 3);
    EXPECT_EQ(buffer.totalRows(), 5);
    EXPECT_EQ(buffer.lineOfRow(99).number, 3);
    EXPECT_EQ(buffer.lineOfRow(0).number, 1);
    EXPECT_EQ(buffer.lineOfRow(4).number, 2);
    EXPECT_EQ(buffer.lineOfRow(4).rowsBefore, 1);
    ASSERT_TRUE(buffer.reset());
    EXPECT_EQ(buffer.totalRows(), 1);
    EXPECT_EQ(buffer.lineOfRow(1).number, 1);
}
