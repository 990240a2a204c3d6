// The ring's bookkeeping: 256 records, undone and available counts, and the
// history dropped by a change after an undo.
#include <gtest/gtest.h>

#include "UndoRing.h"

using namespace nimbet;

namespace {
UndoRecord Numbered(int n) {
    UndoRecord record;
    record.newText = std::to_string(n);
    return record;
}
} // namespace

TEST(UndoRing, KeepsTheNewest256) {
    UndoRing ring;
    EXPECT_FALSE(ring.canUndo());
    EXPECT_FALSE(ring.canRedo());
    for (int i = 1; i <= 300; ++i)
        ring.push(Numbered(i));
    EXPECT_EQ(ring.available(), 256);
    EXPECT_EQ(*ring.at(0).newText, "300");
    EXPECT_EQ(*ring.at(255).newText, "45");
    int undone = 0;
    while (ring.canUndo()) {
        EXPECT_EQ(*ring.nextUndo().newText, std::to_string(300 - undone));
        ring.markUndone();
        ++undone;
    }
    EXPECT_EQ(undone, 256);
    EXPECT_EQ(ring.undone(), 256);
    ring.markRedone();
    EXPECT_EQ(*ring.at(ring.undone()).newText, "45");
}

TEST(UndoRing, AChangeAfterAnUndoDropsEverything) {
    UndoRing ring;
    for (int i = 1; i <= 3; ++i)
        ring.push(Numbered(i));
    ring.markUndone();
    ring.markUndone();
    EXPECT_EQ(*ring.nextRedo().newText, "2");
    ring.push(Numbered(4));
    EXPECT_FALSE(ring.canRedo());
    EXPECT_EQ(ring.available(), 1) << "the first record can no longer be undone";
    EXPECT_FALSE(ring.at(1).newText.has_value());
    ring.clear();
    EXPECT_FALSE(ring.canUndo());
}
