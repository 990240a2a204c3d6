// The carry-over of multi-line rules: the incremental walk must give exactly
// what a walk over the whole text gives.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "CarryOver.h"
#include "TextBuffer.h"

using namespace nimbet;

namespace {

std::vector<std::vector<int>> OpenAtStart(const TextBuffer& buffer) {
    std::vector<std::vector<int>> out;
    for (const LineRecord* line = buffer.first(); line; line = line->next) {
        const auto values = line->openAtStart.values();
        out.emplace_back(values.begin(), values.end());
    }
    return out;
}

} // namespace

TEST(CarryOver, CommentOpenedOnOneLineIsOpenUntilItCloses) {
    TextBuffer buffer;
    const std::string text = "a\nb<!--\nc\nd-->\ne";
    ASSERT_EQ(buffer.insertText(1, 0, text.data(), text.size(), true).result, LineResult::Ok);
    buffer.lineAt(2)->openedHere.set(0, 0);
    buffer.lineAt(4)->closedHere.set(0, 0);
    RecomputeCarryOver(buffer.lineAt(2));
    const auto state = OpenAtStart(buffer);
    const int open[] = {-1, -1, 0, 0, -1};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(state[i][0], open[i]);
        EXPECT_EQ(state[i][1], -1);
    }
}

TEST(CarryOver, LineClosingOneRuleAndOpeningAnotherLeavesOnlyTheNewOne) {
    TextBuffer buffer;
    const std::string text = "<!--\n--> <%\nx\n%>\ny";
    ASSERT_EQ(buffer.insertText(1, 0, text.data(), text.size(), true).result, LineResult::Ok);
    buffer.lineAt(1)->openedHere.set(0, 0);
    buffer.lineAt(2)->closedHere.set(0, 0);
    buffer.lineAt(2)->openedHere.set(0, 1);
    buffer.lineAt(4)->closedHere.set(0, 1);
    RecomputeCarryOverAll(buffer.first());
    const auto state = OpenAtStart(buffer);
    const int open[] = {-1, 0, 1, 1, -1};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(state[i][0], open[i]);
        EXPECT_EQ(state[i][1], -1);
    }
}

TEST(CarryOver, IncrementalWalkMatchesTheFullWalk) {
    std::mt19937 random(11);
    TextBuffer buffer;
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "x\n";
    ASSERT_EQ(buffer.insertText(1, 0, text.data(), text.size(), true).result, LineResult::Ok);
    for (int step = 0; step < 2000; ++step) {
        const int n = static_cast<int>(random() % buffer.lineCount()) + 1;
        LineRecord* line = buffer.lineAt(n);
        // Change what this line opens or closes, as painting it would.
        const int slot = static_cast<int>(random() % kCarrySlots);
        const int rule = static_cast<int>(random() % 4) - 1;
        (random() % 2 ? line->openedHere : line->closedHere).set(slot, rule);
        RecomputeCarryOver(line);
        if (random() % 4 == 0) {
            const std::string piece = random() % 2 ? "a\nb" : "c";
            buffer.insertText(n, 0, piece.data(), piece.size(), false);
        }
        const auto incremental = OpenAtStart(buffer);
        RecomputeCarryOverAll(buffer.first());
        ASSERT_EQ(incremental, OpenAtStart(buffer)) << "step " << step;
    }
}
