// The settings table, the load steps and the save order of the settings file.
#include <gtest/gtest.h>

#include <set>

#include "MemoryProfile.h"
#include "SettingsIo.h"
#include "SettingsSchema.h"

using namespace quiltmark;

namespace {

struct DefaultCase {
    const char* name;
    const char* value; // the default as the file would hold it
};

std::string DefaultText(const SettingKey& row, const Settings& s) {
    return row.type == SettingType::Int ? std::to_string(row.IntDefault(s)) : row.StringDefault(s);
}

} // namespace

TEST(SettingsSchema, EveryDocumentedKeyHasItsDefault) {
    const DefaultCase cases[] = {
        {"Option/ChkRightReturn", "0"},
        {"Option/isClickable0", "0"},
        {"Option/isClickable1", "0"},
        {"Option/isClickable2", "0"},
        {"Option/isClickable3", "0"},
        {"Option/isRuler", "1"},
        {"Option/isLineNum", "1"},
        {"Option/R0", "255"},
        {"Option/G0", "255"},
        {"Option/B0", "255"},
        {"Option/R1", "0"},
        {"Option/G1", "0"},
        {"Option/B1", "0"},
        {"Option/R2", "0"},
        {"Option/G2", "0"},
        {"Option/B2", "255"},
        {"Option/R3", "255"},
        {"Option/G3", "0"},
        {"Option/B3", "255"},
        {"Option/R4", "0"},
        {"Option/G4", "150"},
        {"Option/B4", "0"},
        {"Option/R5", "255"},
        {"Option/G5", "102"},
        {"Option/B5", "51"},
        {"Option/R6", "255"},
        {"Option/G6", "0"},
        {"Option/B6", "0"},
        {"Option/R7", "0"},
        {"Option/G7", "204"},
        {"Option/B7", "153"},
        {"Option/ChkMostFront", "0"},
        {"Option/ChkMostBig", "0"},
        {"Option/ChkSmallTag", "0"},
        {"Option/isAutoBackUp", "0"},
        {"Option/isNewHtmlFile", "0"},
        {"Option/isToolbar", "1"},
        {"Option/isStatusbar", "1"},
        {"HowPreview/isMyDev", "0"},
        {"HowPreview/isMyRealTime", "0"},
        {"HowPreview/isMyHowRL", "1"},
        {"WindowSize/cx", "634"},
        {"WindowSize/cy", "480"},
        {"WindowSize/FTP", "317"},
        {"Font/Name", "ＭＳ ゴシック"},
        {"Font/Size", "11"},
        {"File/isCodeMode", "0"},
        {"File/FileDir", ""},
        {"File/ImgFileDir", ""},
        {"File/AHrefFileDir", ""},
        {"File/RecentFile1", ""},
        {"File/RecentFile5", ""},
        {"TitleBar/Dummy", "読み込み失敗？"},
        {"Tools/Name1", ""},
        {"Tools/Path5", ""},
        {"Tools/isBrow3", "0"},
        {"Tools/isFirst", "0"},
        {"UserTag/Open1", ""},
        {"UserTag/End20", ""},
        {"UserTag/Str7", ""},
        {"UserTag/Bar1", "0"},
        {"UserTag/Bar2", "1"},
        {"FTP/ListPos", "0"},
        {"FTP/ListTotal", "0"},
        {"FTP/isDirLast0", "0"},
        {"FTP/ServerName0", ""},
        {"FTP/Account49", ""},
        {"FTP/Passwd3", ""},
        {"FTP/LocalFirstDir0", ""},
        {"FTP/RemoteFirstDir0", ""},
        {"FTP/LocalLastDir49", ""},
        {"FTP/RemoteLastDir49", ""},
        {"FTP/FtpRemoteFileDir", ""},
        {"FTP_SendMode/SendModeAscii", ""},
        {"FTP_SendMode/OverWrite", "0"},
        {"FTP_SendMode/Ascii", "0"},
        {"FTP_SendMode/Binary", "0"},
        {"FTP_SendMode/Both", "1"},
        {"Sort/List1Item", "0"},
        {"Sort/List2Item", "0"},
        {"Sort/List1How", "0"},
        {"Sort/List2How", "0"},
        {"Sort/ListMode", "0"},
    };
    const Settings defaults;
    for (const DefaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DefaultText(FindSetting(c.name), defaults), c.value);
    }
}

TEST(SettingsSchema, KeysAreUniqueAndProfilesCountFromZero) {
    std::set<std::string> names;
    for (const SettingKey& row : SettingsSchema())
        EXPECT_TRUE(names.insert(row.Name()).second) << row.Name();
    EXPECT_TRUE(names.count("FTP/ServerName0"));
    EXPECT_TRUE(names.count("FTP/ServerName49"));
    EXPECT_FALSE(names.count("FTP/ServerName50"));
    EXPECT_TRUE(names.count("File/RecentFile5"));
    EXPECT_FALSE(names.count("File/RecentFile0"));
    EXPECT_TRUE(names.count("UserTag/Open20"));
    EXPECT_FALSE(names.count("UserTag/Open0"));
    EXPECT_THROW(FindSetting("Option/NoSuchKey"), std::out_of_range);
}

TEST(SettingsSchema, DynamicDefaultsFollowTheirSource) {
    Settings s;
    s.cx = 801;
    s.programFolder = "C:\\Quiltmark\\";
    EXPECT_EQ(FindSetting("WindowSize/FTP").IntDefault(s), 400);
    EXPECT_EQ(FindSetting("Tools/OpenDir").StringDefault(s), "C:\\Quiltmark\\");
}

TEST(SettingsIo, WindowStepReadsSizeThenSplitWithHalfTheWidthAsDefault) {
    struct Case {
        const char* storedCx;
        const char* storedFtp;
        int expectedFtp;
    } cases[] = {{"800", nullptr, 400}, {"801", nullptr, 400}, {nullptr, nullptr, 317}, {"800", "123", 123}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.storedCx ? c.storedCx : "none");
        MemoryProfile profile;
        if (c.storedCx)
            profile.Set("WindowSize", "cx", c.storedCx);
        if (c.storedFtp)
            profile.Set("WindowSize", "FTP", c.storedFtp);
        Settings s;
        ReadWindowSettings(profile, s);
        EXPECT_EQ(s.ftpSplit, c.expectedFtp);
        EXPECT_EQ(profile.Reads(), (std::vector<std::string>{"Option/ChkMostFront", "WindowSize/cx",
                                                             "WindowSize/cy", "WindowSize/FTP"}));
        EXPECT_TRUE(profile.Writes().empty());
    }
}

TEST(SettingsIo, EditorStepReadsFlagsThenColoursComponentByComponent) {
    MemoryProfile profile;
    Settings s;
    ReadEditorSettings(profile, s);
    std::vector<std::string> expected = {
        "Option/ChkRightReturn", "Option/isClickable0", "Option/isClickable1", "Option/isClickable2",
        "Option/isClickable3",   "Option/isRuler",      "Option/isLineNum"};
    for (int i = 0; i < 8; ++i)
        for (const char* c : {"R", "G", "B"})
            expected.push_back("Option/" + std::string(c) + std::to_string(i));
    EXPECT_EQ(profile.Reads(), expected);
}

TEST(SettingsIo, DocumentStepReadsTheFolderOnlyWithoutACommandLineFile) {
    for (bool fileGiven : {false, true}) {
        SCOPED_TRACE(fileGiven);
        MemoryProfile profile;
        profile.Set("File", "FileDir", "C:\\pages\\");
        Settings s;
        ReadDocumentSettings(profile, s, fileGiven);
        std::vector<std::string> expected = {
            "File/isCodeMode",      "Option/ChkMostBig", "Option/ChkSmallTag", "Option/isAutoBackUp",
            "Option/isNewHtmlFile", "File/ImgFileDir",   "File/AHrefFileDir",  "File/RecentFile1",
            "File/RecentFile2",     "File/RecentFile3",  "File/RecentFile4",   "File/RecentFile5"};
        if (!fileGiven)
            expected.push_back("File/FileDir");
        EXPECT_EQ(profile.Reads(), expected);
        EXPECT_EQ(s.fileDir, fileGiven ? "" : "C:\\pages\\");
    }
}

TEST(SettingsIo, FirstRunWritesTheBrowserToolAndTheMarker) {
    MemoryProfile profile;
    Settings s;
    ReadToolSettings(profile, s);
    EXPECT_EQ(profile.Writes(),
              (std::vector<std::string>{"Tools/Name1=Internet Explorer",
                                        "Tools/Path1=C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE",
                                        "Tools/isBrow1=1", "Tools/isFirst=1"}));
    EXPECT_EQ(s.tools[0].name, "Internet Explorer");
    EXPECT_EQ(s.tools[0].isBrowser, 1);

    // The next start keeps whatever the user made of tool 1 and only marks the run.
    profile.log.clear();
    profile.Set("Tools", "Name1", "Firefox");
    Settings again;
    ReadToolSettings(profile, again);
    EXPECT_EQ(profile.Writes(), std::vector<std::string>{"Tools/isFirst=1"});
    EXPECT_EQ(again.tools[0].name, "Firefox");
}

TEST(SettingsIo, FtpStepReadsStoredProfilesAndPrefillsTheFirstWhenNoneAre) {
    struct Case {
        const char* total;
        int profilesRead;
    } cases[] = {{nullptr, 0}, {"0", 0}, {"-3", 0}, {"2", 2}, {"999", 50}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.total ? c.total : "absent");
        MemoryProfile profile;
        if (c.total)
            profile.Set("FTP", "ListTotal", c.total);
        profile.Set("FTP", "ServerName1", "ftp.example.jp");
        Settings s;
        ReadFtpSettings(profile, s, "C:\\doc\\");
        int serverReads = 0;
        for (const std::string& r : profile.Reads())
            serverReads += r.rfind("FTP/ServerName", 0) == 0;
        EXPECT_EQ(serverReads, c.profilesRead);
        if (c.profilesRead == 0) {
            EXPECT_EQ(s.ftpProfiles[0].localFirstDir, "C:\\doc\\");
            EXPECT_EQ(s.ftpProfiles[0].remoteFirstDir, "<home>");
        } else {
            EXPECT_EQ(s.ftpProfiles[1].serverName, "ftp.example.jp");
            EXPECT_EQ(s.ftpProfiles[0].remoteFirstDir, "");
        }
        const auto reads = profile.Reads();
        ASSERT_GE(reads.size(), 9u);
        EXPECT_EQ(
            std::vector<std::string>(reads.end() - 9, reads.end()),
            (std::vector<std::string>{"FTP_SendMode/OverWrite", "FTP_SendMode/Ascii", "FTP_SendMode/Binary",
                                      "FTP_SendMode/Both", "Sort/List1Item", "Sort/List2Item",
                                      "Sort/List1How", "Sort/List2How", "Sort/ListMode"}));
    }
}

TEST(SettingsIo, ProfileKeysAreReadInTheirOrderPerProfile) {
    MemoryProfile profile;
    profile.Set("FTP", "ListTotal", "1");
    Settings s;
    ReadFtpSettings(profile, s, "");
    const auto reads = profile.Reads();
    EXPECT_EQ(std::vector<std::string>(reads.begin(), reads.begin() + 10),
              (std::vector<std::string>{"FTP/ListPos", "FTP/ListTotal", "FTP/isDirLast0", "FTP/ServerName0",
                                        "FTP/Account0", "FTP/Passwd0", "FTP/LocalFirstDir0",
                                        "FTP/RemoteFirstDir0", "FTP/LocalLastDir0", "FTP/RemoteLastDir0"}));
}

TEST(SettingsIo, CloseWritesInTheFixedOrderAndReadsBack) {
    Settings s;
    s.isMyDev = 1;
    s.isMyRealTime = 2;
    s.cx = 700;
    s.cy = 500;
    s.ftpSplit = 333;
    s.isToolbar = 0;
    s.isStatusbar = 1;
    s.overWrite = 1;
    s.imgFileDir = "C:\\img\\";
    s.aHrefFileDir = "C:\\ソフト\\";
    s.fileDir = "D:\\web\\";
    s.isCodeMode = 3;
    s.list1Item = 1;
    s.list2Item = 2;
    s.list1How = 1;
    s.list2How = 0;
    s.listMode = 3;
    MemoryProfile profile;
    WriteCloseSettings(profile, s);
    EXPECT_EQ(profile.Writes(),
              (std::vector<std::string>{
                  "HowPreview/isMyDev=1", "HowPreview/isMyRealTime=2", "WindowSize/cx=700",
                  "WindowSize/cy=500", "WindowSize/FTP=333", "Option/isToolbar=0", "Option/isStatusbar=1",
                  "FTP_SendMode/OverWrite=1", "File/ImgFileDir=C:\\img\\", "File/AHrefFileDir=C:\\ソフト\\",
                  "File/FileDir=D:\\web\\", "File/isCodeMode=3", "Sort/List1Item=1", "Sort/List2Item=2",
                  "Sort/List1How=1", "Sort/List2How=0", "Sort/ListMode=3"}));

    Settings back;
    ReadTwoPaneSettings(profile, back);
    ReadWindowSettings(profile, back);
    ReadBarSettings(profile, back);
    ReadDocumentSettings(profile, back, false);
    ReadFtpSettings(profile, back, "");
    EXPECT_EQ(back.isMyDev, 1);
    EXPECT_EQ(back.isMyRealTime, 2);
    EXPECT_EQ(back.cx, 700);
    EXPECT_EQ(back.cy, 500);
    EXPECT_EQ(back.ftpSplit, 333);
    EXPECT_EQ(back.isToolbar, 0);
    EXPECT_EQ(back.overWrite, 1);
    EXPECT_EQ(back.aHrefFileDir, "C:\\ソフト\\");
    EXPECT_EQ(back.fileDir, "D:\\web\\");
    EXPECT_EQ(back.isCodeMode, 3);
    EXPECT_EQ(back.listMode, 3);
}

TEST(SettingsIo, TitleIsWrittenAndAFailedWriteIsReported) {
    MemoryProfile profile;
    Settings s;
    EXPECT_TRUE(WriteTitleSetting(profile, s, "C:\\pages\\"));
    EXPECT_EQ(profile.Value("TitleBar", "Dummy"), "C:\\pages\\");
    profile.failWrites = true;
    EXPECT_FALSE(WriteTitleSetting(profile, s, "C:\\other\\"));
}

TEST(SettingsIo, AnEmptyFileYieldsTheDefaultsWithoutWritingAnythingButTheMarkers) {
    MemoryProfile profile;
    Settings s;
    ReadStartupSettings(profile, s);
    ReadWindowSettings(profile, s);
    ReadBarSettings(profile, s);
    ReadEditorSettings(profile, s);
    ReadFontSettings(profile, s);
    ReadDocumentSettings(profile, s, false);
    ReadFtpSettings(profile, s, "");
    ReadUserTagSettings(profile, s);
    ReadTwoPaneSettings(profile, s);
    const Settings defaults;
    EXPECT_EQ(s.colourKeys, defaults.colourKeys);
    EXPECT_EQ(s.cx, 634);
    EXPECT_EQ(s.cy, 480);
    EXPECT_EQ(s.ftpSplit, 317);
    EXPECT_EQ(s.isRuler, 1);
    EXPECT_EQ(s.isLineNum, 1);
    EXPECT_EQ(s.fontName, "ＭＳ ゴシック");
    EXPECT_EQ(s.fontSize, 11);
    EXPECT_EQ(s.bar2, 1);
    EXPECT_EQ(s.both, 1);
    EXPECT_EQ(s.isMyHowRL, 1);
    EXPECT_TRUE(profile.Writes().empty());
}
