// The identifier table: identifier checks and resizing.
#include <gtest/gtest.h>

#include "InstanceTable.h"

using nimbet::InstanceTable;

namespace {
struct Counted {
    explicit Counted(int& deaths) : deaths(deaths) {}
    ~Counted() { ++deaths; }
    int& deaths;
};
} // namespace

TEST(InstanceTable, StartsWithOneSlotAndChecksIdentifiers) {
    InstanceTable<Counted> table;
    EXPECT_EQ(table.slotCount(), 1);
    EXPECT_TRUE(table.validId(0));
    EXPECT_FALSE(table.validId(1));
    EXPECT_FALSE(table.validId(-1));
    EXPECT_EQ(table.find(0), nullptr);
    EXPECT_EQ(table.find(7), nullptr);
}

TEST(InstanceTable, RedimRefusesTheSameCountAndShrinkingDestroys) {
    int deaths = 0;
    InstanceTable<Counted> table;
    EXPECT_EQ(table.redim(1), NIMBET_BADARG);
    EXPECT_EQ(table.redim(-3), NIMBET_BADARG);
    ASSERT_EQ(table.redim(4), NIMBET_OK);
    for (int id : {0, 2, 3})
        table.put(id, std::make_unique<Counted>(deaths));
    ASSERT_EQ(table.redim(2), NIMBET_OK);
    EXPECT_EQ(deaths, 2);
    EXPECT_NE(table.find(0), nullptr);
    EXPECT_EQ(table.slotCount(), 2);
    ASSERT_EQ(table.redim(0), NIMBET_OK);
    EXPECT_EQ(deaths, 3);
    EXPECT_FALSE(table.validId(0));
}
