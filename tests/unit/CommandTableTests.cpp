// Command tables: lookup by id and name, ranges, enabled and checked states,
// and routing through several targets.
#include <gtest/gtest.h>

#include "CommandTable.h"

using namespace quiltmark;

TEST(CommandTable, RunsHandlersAndReportsState) {
    std::vector<std::string> ran;
    bool pasteEnabled = false;
    bool barVisible = true;
    CommandTable table;
    table.Add(10, "edit.undo", [&] { ran.push_back("undo"); })
        .Add(
            11, "edit.paste", [&] { ran.push_back("paste"); }, [&] { return pasteEnabled; })
        .Add(
            12, "view.toolbar", [&] { barVisible = !barVisible; }, {}, [&] { return barVisible; });

    EXPECT_TRUE(table.Execute(10));
    EXPECT_FALSE(table.Execute(99));
    EXPECT_EQ(ran, std::vector<std::string>{"undo"});

    const struct {
        int id;
        bool handled, enabled, hasCheck, checked;
    } cases[] = {
        {10, true, true, false, false},
        {11, true, false, false, false},
        {12, true, true, true, true},
        {99, false, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const CommandState s = table.Query(c.id);
        EXPECT_EQ(s.handled, c.handled);
        EXPECT_EQ(s.enabled, c.enabled);
        EXPECT_EQ(s.hasCheck, c.hasCheck);
        EXPECT_EQ(s.checked, c.checked);
    }
    table.Execute(12);
    EXPECT_FALSE(table.Query(12).checked);
    ASSERT_NE(table.FindByName("edit.paste"), nullptr);
    EXPECT_EQ(table.FindByName("edit.paste")->id, 11);
}

TEST(CommandTable, RangesPassTheIndexAndNumberTheirNames) {
    std::vector<int> ran;
    CommandTable table;
    table.AddRange(
        50101, 5, "bookmark.set", [&](int i) { ran.push_back(i); }, [](int i) { return i != 3; },
        [](int i) { return i == 1; });
    for (int id = 50101; id <= 50105; ++id)
        table.Execute(id);
    EXPECT_EQ(ran, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(table.Find(50101)->name, "bookmark.set1");
    EXPECT_EQ(table.Find(50105)->name, "bookmark.set5");
    EXPECT_FALSE(table.Query(50104).enabled);
    EXPECT_TRUE(table.Query(50102).checked);
    EXPECT_EQ(table.Find(50106), nullptr);
    EXPECT_EQ(table.Ids().size(), 5u);
}

TEST(CommandRouter, AsksTargetsInOrderAndDropsDisabledCommands) {
    std::vector<std::string> ran;
    bool viewEnabled = true;
    CommandTable view, frame;
    view.Add(
        1, "view.one", [&] { ran.push_back("view"); }, [&] { return viewEnabled; });
    frame.Add(1, "frame.one", [&] { ran.push_back("frame"); });
    frame.Add(2, "frame.two", [&] { ran.push_back("frame2"); });
    CommandRouter router;
    router.AddTarget(view);
    router.AddTarget(frame);

    EXPECT_TRUE(router.Execute(1));
    EXPECT_TRUE(router.Execute(2));
    EXPECT_FALSE(router.Execute(3));
    EXPECT_EQ(ran, (std::vector<std::string>{"view", "frame2"}));

    // The first target that has the command decides, even when it disables it.
    viewEnabled = false;
    ran.clear();
    EXPECT_TRUE(router.Execute(1));
    EXPECT_TRUE(ran.empty());
    EXPECT_FALSE(router.Query(1).enabled);
    EXPECT_FALSE(router.Query(3).handled);
}
