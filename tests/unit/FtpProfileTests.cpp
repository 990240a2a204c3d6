// FTP profiles: the scrambled password form, the table as read from and
// written to the settings (hand-edited counts and indexes included), and the
// rules of the settings dialog.
#include <gtest/gtest.h>

#include "FtpProfile.h"
#include "FtpSettingsForm.h"

using namespace quiltmark;

TEST(FtpPassword, ScrambledFormAndBack) {
    struct Case {
        std::string plain;
        std::string stored;
    } cases[] = {
        {"", ""},
        {"abc", ",4554,4601,4648,"},
        // Shift_JIS "あ" (82 A0): one number per byte, the lead byte as -126.
        {"\x82\xa0", ",-5927,-4517,"},
        {"\x7f\x80\xff", ",5964,-6021,-52,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(ScramblePassword(c.plain), c.stored);
        EXPECT_EQ(UnscramblePassword(c.stored), c.plain);
    }
}

TEST(FtpPassword, HandEditedTextEndsAtItsEnd) {
    // Whatever the bytes, the reading stops at the text's end with at most
    // one byte per number.
    for (const std::string text : {",4554", "4554,4601,", ",,", ",x,", ",99999999999999999999,", ","}) {
        SCOPED_TRACE(text);
        const std::string plain = UnscramblePassword(text);
        EXPECT_LE(plain.size(), text.size());
    }
    EXPECT_EQ(UnscramblePassword(",4554,4601"), "ab");
}

TEST(FtpProfileTable, SettingsRoundTripScramblesPasswords) {
    Settings s;
    s.listTotal = 2;
    s.listPos = 1;
    s.ftpProfiles[1] = {
        1, "ftp.example.jp", "user", ",4554,4601,4648,", "C:\\web\\", "/pub/", "C:\\web\\a\\", "/pub/a/", 1};
    const FtpProfileTable table = ProfileTableFromSettings(s);
    EXPECT_EQ(table.Count(), 2);
    ASSERT_NE(table.Current(), nullptr);
    EXPECT_EQ(table.Current()->passwd, "abc");
    EXPECT_EQ(table.Current()->remoteLastDir, "/pub/a/");
    EXPECT_EQ(table.Current()->passive, 1);

    Settings out;
    StoreProfileTable(table, out);
    EXPECT_EQ(out.ftpProfiles[1].passwdStored, ",4554,4601,4648,");
    EXPECT_EQ(out.listTotal, 2);
    EXPECT_EQ(out.listPos, 1);

    EXPECT_EQ(ProfileEntrySettingNames(7).front(), "FTP/isDirLast7");
    EXPECT_EQ(ProfileEntrySettingNames(7).back(), "FTP/Passive7");
    EXPECT_EQ(ProfileTableSettingNames(2).size(), 2u + 2u * 9u);
}

TEST(FtpProfileTable, HandEditedCountAndIndexStayInsideTheTable) {
    struct Case {
        int total, pos;
        int count, current; // current -1: none
    } cases[] = {{0, 0, 0, -1}, {3, 1, 3, 1}, {99, 70, 50, 49}, {-4, 0, 0, -1}, {3, -8, 3, 0}, {3, 12, 3, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.total << "/" << c.pos);
        Settings s;
        s.listTotal = c.total;
        s.listPos = c.pos;
        FtpProfileTable table = ProfileTableFromSettings(s);
        EXPECT_EQ(table.Count(), c.count);
        EXPECT_EQ(table.Current() ? table.Current() - table.entries.data() : -1, c.current);
        EXPECT_LE(ProfileTableSettingNames(table.listTotal).size(), 2u + 50u * 9u);
    }
    FtpProfileTable table;
    table.listTotal = 2;
    table.listPos = -1;
    Settings out;
    StoreProfileTable(table, out);
    EXPECT_EQ(out.listPos, 0); // a negative index is stored as 0
}

namespace {

FtpProfileTable TableOf(std::initializer_list<std::pair<const char*, const char*>> servers) {
    FtpProfileTable t;
    for (const auto& [server, account] : servers) {
        FtpProfile& p = t.entries[t.listTotal++];
        p.serverName = server;
        p.account = account;
        p.passwd = "pw";
        p.remoteFirstDir = "/";
        p.remoteLastDir = "/last/";
    }
    t.listPos = 0;
    return t;
}

void Fill(FtpSettingsForm& form, const char* server, const char* account, const char* passwd,
          const char* remote = "") {
    form.fields.server = server;
    form.fields.account = account;
    form.fields.passwd = passwd;
    form.fields.remoteFirstDir = remote;
}

} // namespace

TEST(FtpSettingsForm, FirstStartConnectRegistersEntryZero) {
    FtpProfileTable table;
    table.entries[0].localFirstDir = "C:\\docs\\";
    table.entries[0].remoteFirstDir = kRemoteHome;
    FtpSettingsForm form(table);
    EXPECT_EQ(form.ItemCount(), 0);
    EXPECT_EQ(form.fields.localFirstDir, "C:\\docs\\");
    EXPECT_EQ(form.fields.remoteFirstDir, kRemoteHome);

    form.fields.server = "host";
    form.fields.account = "me";
    EXPECT_EQ(form.Connect(), FormOutcome::MissingInput);
    form.fields.passwd = "secret";
    EXPECT_EQ(form.Connect(), FormOutcome::Done);
    EXPECT_EQ(table.listTotal, 1);
    EXPECT_EQ(table.listPos, 0);
    EXPECT_EQ(table.entries[0].passwd, "secret");
    EXPECT_EQ(table.entries[0].localLastDir, "C:\\docs\\");
    EXPECT_EQ(table.entries[0].remoteLastDir, kRemoteHome);
}

TEST(FtpSettingsForm, ConnectWithAKnownServerAndAccountUpdatesInsteadOfAdding) {
    FtpProfileTable table = TableOf({{"a", "1"}, {"b", "2"}});
    FtpSettingsForm form(table);
    Fill(form, "b", "2", "new", ""); // selection is entry 0, the match is entry 1
    EXPECT_EQ(form.Connect(), FormOutcome::Done);
    EXPECT_EQ(table.listTotal, 2);
    EXPECT_EQ(table.listPos, 1);
    EXPECT_EQ(table.entries[1].passwd, "new");
    // Used directly, an empty remote folder becomes the login folder.
    EXPECT_EQ(table.entries[1].remoteFirstDir, kRemoteHome);
    EXPECT_EQ(table.entries[1].remoteLastDir, "/last/");
}

TEST(FtpSettingsForm, RegisterAddsOrUpdatesAndFixesTheRemoteFolder) {
    FtpProfileTable table = TableOf({{"a", "1"}});
    FtpSettingsForm form(table);
    Fill(form, "a", "other", "pw", "/pub");
    EXPECT_FALSE(form.WouldUpdate());
    bool changed = false;
    EXPECT_EQ(form.Register(&changed), FormOutcome::Done);
    EXPECT_TRUE(changed);
    EXPECT_EQ(form.fields.remoteFirstDir, "/pub/");
    EXPECT_EQ(form.ItemCount(), 2);
    EXPECT_EQ(form.Selection(), 1);
    EXPECT_EQ(form.ItemText(1), "a (other)");
    EXPECT_TRUE(form.WouldUpdate());

    Fill(form, "a", "other", "pw2", ""); // through Register an empty folder becomes "/"
    EXPECT_EQ(form.Register(), FormOutcome::Done);
    EXPECT_EQ(form.ItemCount(), 2);
    EXPECT_EQ(table.entries[1].remoteFirstDir, "/");
    EXPECT_EQ(table.entries[1].passwd, "pw2");

    Fill(form, "a", "", "pw");
    EXPECT_FALSE(form.CanRegister());
    EXPECT_EQ(form.Register(), FormOutcome::MissingInput);
}

TEST(FtpSettingsForm, TheTableNeverTakesAFiftyFirstEntry) {
    FtpProfileTable table;
    for (int i = 0; i < FtpProfileTable::kCapacity; ++i)
        table.entries[i].serverName = "s" + std::to_string(i), table.entries[i].account = "u";
    table.listTotal = FtpProfileTable::kCapacity;
    FtpSettingsForm form(table);
    Fill(form, "new", "u", "pw");
    EXPECT_EQ(form.Register(), FormOutcome::TableFull);
    EXPECT_EQ(form.Connect(), FormOutcome::TableFull);
    EXPECT_EQ(form.ItemCount(), FtpProfileTable::kCapacity);
    Fill(form, "s49", "u", "pw"); // an update still works
    EXPECT_EQ(form.Connect(), FormOutcome::Done);
    EXPECT_EQ(table.listPos, 49);
}

TEST(FtpSettingsForm, DeleteMovesLaterEntriesDownAndKeepsASelection) {
    FtpProfileTable table = TableOf({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    FtpSettingsForm form(table);
    form.Select(2);
    form.Delete(); // the last of three: the new last one is selected
    EXPECT_EQ(form.ItemCount(), 2);
    EXPECT_EQ(form.Selection(), 1);
    EXPECT_EQ(form.fields.server, "b");
    form.Select(0);
    form.Delete();
    EXPECT_EQ(form.ItemText(0), "b (2)");
    EXPECT_EQ(form.fields.server, "b");
    form.Delete();
    EXPECT_EQ(form.ItemCount(), 0);
    form.Delete(); // nothing selected: nothing happens
    form.Close();
    EXPECT_EQ(table.listTotal, 0);
    EXPECT_EQ(table.listPos, -1);
}

TEST(FtpSettingsForm, NewEntryAndLastFolderButtons) {
    FtpProfileTable table = TableOf({{"a", "1"}});
    table.entries[0].localFirstDir = "C:\\w\\";
    table.entries[0].remoteLastDir = "/x/y";
    FtpSettingsForm form(table);
    form.fields.isDirLast = 1;
    form.NewEntry();
    EXPECT_EQ(form.fields.server, "");
    EXPECT_EQ(form.fields.passwd, "");
    EXPECT_EQ(form.fields.remoteFirstDir, kRemoteHome);
    EXPECT_EQ(form.fields.localFirstDir, "C:\\w\\");
    EXPECT_EQ(form.fields.isDirLast, 0);
    form.ShowLastDir();
    EXPECT_EQ(form.fields.remoteFirstDir, "/x/y/");
    table.entries[0].remoteLastDir.clear();
    form.ShowLastDir();
    EXPECT_EQ(form.fields.remoteFirstDir, kRemoteHome);
}
