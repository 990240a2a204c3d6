// User-defined tags: the texts a slot inserts, the toolbar buttons' slots,
// the registration dialog's rules over the store, and saving the store.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "MemoryProfile.h"
#include "SelectionEditor.h"
#include "SettingsIo.h"
#include "TagInsertion.h"
#include "UserTags.h"

using namespace quiltmark;

namespace {

RegistrationTexts Texts() {
    return {
        "タグ ",        "未割当て", "開始タグを設定して下さい", " を追加/更新しました", "を登録/更新しました",
        "削除しました", "エラー",   "追加/更新の確認",          "登録/更新の確認",      "削除の確認"};
}

struct Store {
    std::array<UserTagEntry, kUserTagCount> tags;
    int bar1 = 0;
    int bar2 = 1;
    UserTagRegistration rules{tags, bar1, bar2, Texts()};
};

} // namespace

// Through the insertion engine, as the user-tag commands use them.
TEST(UserTags, SlotTextsWrapOrReplace) {
    const struct {
        UserTagEntry tag;
        const char* selection;
        bool lowerCase;
        const char* result;
        int caret;
    } cases[] = {
        {{"HR", "", ""}, "abc", false, "<HR>", 5},
        {{"SPAN CLASS=note", "SPAN", ""}, "abc", false, "<SPAN CLASS=note>abc</SPAN>", 28},
        {{"SPAN CLASS=note", "SPAN", ""}, "", false, "<SPAN CLASS=note></SPAN>", 18},
        {{"FONT COLOR=\"RED\"", "FONT", "赤"}, "", true, "<font color=\"red\"></font>", 19},
        {{"TABLE>\r\n<TR", "TR>\r\n</TABLE", ""}, "", false, "<TABLE>\r\n<TR></TR>\r\n</TABLE>", 14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        const auto texts = UserTagTexts(c.tag);
        ASSERT_TRUE(texts);
        const std::string selection = c.selection;
        SelectionEditor editor(selection, 1, 1 + static_cast<int>(selection.size()));
        TagInserter(editor).InsertTag(texts->start, texts->end, InsertionContext{true, c.lowerCase});
        EXPECT_EQ(editor.text, c.result);
        EXPECT_EQ(editor.from, c.caret);
    }
    EXPECT_FALSE(UserTagTexts({"", "B", "name"})) << "a free slot inserts nothing";
}

TEST(UserTags, OnlySlotNumbersReachTheToolbarButtons) {
    for (int bar : {0, 7, 19})
        EXPECT_EQ(ToolbarSlot(bar), bar);
    for (int bar : {20, 21, -1, 1000, INT_MIN, INT_MAX})
        EXPECT_FALSE(ToolbarSlot(bar)) << bar;
}

TEST(UserTagRegistration, ListsShowSlotsAndTheStoredAssignments) {
    Store s;
    EXPECT_EQ(s.rules.SlotItem(0), "タグ 01");
    EXPECT_EQ(s.rules.SlotItem(9), "タグ 10");
    EXPECT_EQ(s.rules.SlotItem(19), "タグ 20");
    EXPECT_EQ(s.rules.UnassignedItem(), "未割当て");
    const struct { int bar, item; } cases[] = {{0, 0}, {19, 19}, {20, 20}, {21, 20}, {-5, 20}, {99999, 20}};
    for (const auto& c : cases)
        EXPECT_EQ(UserTagRegistration::ToolbarItem(c.bar), c.item) << c.bar;
}

TEST(UserTagRegistration, ShowingASlot) {
    Store s;
    s.tags[3] = {"B", "B", "太字"};
    s.tags[4] = {"", "I", "残り"}; // a free slot with a stray end tag
    EXPECT_EQ(s.rules.Show(3), (UserTagFields{"B", "B", "太字"}));
    EXPECT_EQ(s.rules.Show(4), UserTagFields{});
    EXPECT_EQ(s.tags[4].end, "") << "a free slot loses its end tag";
    EXPECT_EQ(s.tags[3].end, "B");
}

TEST(UserTagRegistration, AddUpdateAndDeleteChangeTheStoreAtOnce) {
    Store s;
    const struct {
        UserTagFields typed;
        UserTagEntry stored;
        RegistrationMessage message;
    } cases[] = {
        {{"HR", "", ""}, {"HR", "", ""}, {"<HR> を追加/更新しました", "追加/更新の確認"}},
        {{"B", "B", "太字"}, {"B", "B", "太字"}, {"<B>***</B>\nを登録/更新しました", "登録/更新の確認"}},
        {{"", "B", "名前"}, {"", "", "名前"}, {"開始タグを設定して下さい", "エラー"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.text);
        s.tags[5] = {"OLD", "OLD", "old"};
        EXPECT_EQ(s.rules.AddOrUpdate(5, c.typed), c.message);
        EXPECT_EQ(s.tags[5].open, c.stored.open);
        EXPECT_EQ(s.tags[5].end, c.stored.end);
        EXPECT_EQ(s.tags[5].name, c.stored.name);
    }

    EXPECT_EQ(s.rules.Delete(5), (RegistrationMessage{"削除しました", "削除の確認"}));
    EXPECT_EQ(s.tags[5].open + s.tags[5].end + s.tags[5].name, "");

    // Without a chosen slot nothing happens.
    s.tags[0] = {"P", "P", ""};
    EXPECT_FALSE(s.rules.AddOrUpdate(-1, {"X", "", ""}));
    EXPECT_FALSE(s.rules.Delete(-1));
    EXPECT_EQ(s.tags[0].open, "P");
}

TEST(UserTagRegistration, ClosingTakesTheToolbarLists) {
    Store s;
    s.bar1 = 500;
    s.rules.Close(20, 7);
    EXPECT_EQ(s.bar1, 20);
    EXPECT_EQ(s.bar2, 7);
    s.rules.Close(-1, 21); // no item chosen, or none of the lists' items
    EXPECT_EQ(s.bar1, 20);
    EXPECT_EQ(s.bar2, 20);
}

TEST(UserTagSettings, WrittenSlotBySlotThenTheButtonsAndReadBack) {
    Settings s;
    s.userTags[0] = {"B", "B", "太字"};
    s.userTags[1] = {"TABLE\r\n<TR>", "TABLE", ""};
    s.userTags[19] = {"HR", "", "表\\線"};
    s.bar1 = 19;
    s.bar2 = 20;
    MemoryProfile profile;
    WriteUserTagSettings(profile, s);
    const auto writes = profile.Writes();
    ASSERT_EQ(writes.size(), 62u);
    EXPECT_EQ(std::vector<std::string>(writes.begin(), writes.begin() + 6),
              (std::vector<std::string>{"UserTag/Open1=B", "UserTag/End1=B", "UserTag/Str1=太字",
                                        "UserTag/Open2=TABLE", "UserTag/End2=TABLE", "UserTag/Str2="}));
    EXPECT_EQ(std::vector<std::string>(writes.end() - 5, writes.end()),
              (std::vector<std::string>{"UserTag/Open20=HR", "UserTag/End20=", "UserTag/Str20=表\\線",
                                        "UserTag/Bar1=19", "UserTag/Bar2=20"}));

    Settings back;
    ReadUserTagSettings(profile, back);
    EXPECT_EQ(back.userTags[0].name, "太字");
    EXPECT_EQ(back.userTags[1].open, "TABLE") << "the first line of a multi-line tag";
    EXPECT_EQ(back.userTags[19].name, "表\\線");
    EXPECT_EQ(back.bar1, 19);
    EXPECT_EQ(back.bar2, 20);
}
