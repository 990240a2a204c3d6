// Drag-and-drop decisions: effects per mode, drops onto the selection and the
// drop place after a moved selection is removed.
#include <gtest/gtest.h>

#include "DropRules.h"

using namespace nimbet;

TEST(DropRules, EffectFollowsModeOriginAndCtrl) {
    struct Row {
        unsigned flags;
        bool offersText, selfDrag, ctrl;
        DropEffect expected;
    } rows[] = {
        {0x01, true, true, false, DropEffect::Move},
        {0x01, true, true, true, DropEffect::Move},
        {0x01, true, false, false, DropEffect::Copy}, // from another window
        {0x02, true, true, false, DropEffect::Copy},
        {0x10, true, true, false, DropEffect::Move},
        {0x10, true, true, true, DropEffect::Copy},
        {0x13, true, true, false, DropEffect::Move}, // Ctrl-decides wins over move and copy
        {0x03, true, true, false, DropEffect::Copy},
        {0x05, true, true, false, DropEffect::None}, // drop-in disabled
        {0x01, false, false, false, DropEffect::None},
        {0x00, true, true, false, DropEffect::Move},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << r.flags << " self " << r.selfDrag << " ctrl " << r.ctrl);
        EXPECT_EQ(ChooseDropEffect({r.flags, r.offersText, r.selfDrag, r.ctrl}), r.expected);
    }
}

TEST(DropRules, DropPlaceAfterRemovingTheMovedSelection) {
    const TextPlace start{2, 3}, finish{4, 5};
    struct Row {
        TextPlace drop, expected;
    } rows[] = {
        {{1, 9}, {1, 9}},  // before the selection: stays
        {{2, 1}, {2, 1}},  // on the first line, before it
        {{4, 8}, {2, 6}},  // on the last line after it: up two lines, left by 5 - 3
        {{4, 5}, {2, 3}},  // the selection's end
        {{6, 2}, {4, 2}},  // a later line: up by the removed breaks
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.drop.line << "," << r.drop.pos);
        const TextPlace got = DropPlaceAfterRemoval(r.drop, start, finish);
        EXPECT_EQ(got, r.expected);
    }
    // A word moved later on the same line: "one two three", move "one " before "three".
    EXPECT_EQ(DropPlaceAfterRemoval({1, 9}, {1, 1}, {1, 5}), (TextPlace{1, 5}));

    EXPECT_TRUE(PlaceInsideSelection({2, 3}, start, finish));
    EXPECT_TRUE(PlaceInsideSelection({4, 5}, start, finish));
    EXPECT_TRUE(PlaceInsideSelection({3, 100}, start, finish));
    EXPECT_FALSE(PlaceInsideSelection({2, 2}, start, finish));
    EXPECT_FALSE(PlaceInsideSelection({4, 6}, start, finish));
}

TEST(DropRules, EffectFitsWhatTheSourceAllows) {
    struct Row {
        DropEffect wanted;
        bool copy, move;
        DropEffect expected;
    } rows[] = {
        {DropEffect::Move, true, true, DropEffect::Move},   {DropEffect::Copy, true, true, DropEffect::Copy},
        {DropEffect::Move, true, false, DropEffect::Copy},  {DropEffect::Copy, false, true, DropEffect::Move},
        {DropEffect::Move, false, false, DropEffect::None}, {DropEffect::None, true, true, DropEffect::None},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(r.wanted) << " copy " << r.copy << " move " << r.move);
        EXPECT_EQ(FitAllowedEffects(r.wanted, r.copy, r.move), r.expected);
    }
}
