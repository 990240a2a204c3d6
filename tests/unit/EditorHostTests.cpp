// The editor host: the exact calls that create and configure editor 0, the
// colours, the clickable mask, the edit-command routing and the font command.
#include <gtest/gtest.h>

#include "EditorColours.h"
#include "EditorHost.h"
#include "MemoryProfile.h"
#include "RecordingEditorApi.h"
#include "resource_ids.h"

using namespace quiltmark;

namespace {

struct RecordingSite : EditorHostSite {
    std::vector<std::string> events;
    void WarnOldLibrary() override { events.push_back("warn"); }
    void FocusSourceTab() override { events.push_back("focus-tab0"); }
    void BrowserBack() override { events.push_back("back"); }
    void BrowserForward() override { events.push_back("forward"); }
};

struct HostFixture : testing::Test {
    RecordingEditorApi api;
    RecordingSite site;
    EditorHost host{api, site};
    MemoryProfile profile;
    Settings settings;
    int parent = 0;
};

// The configuration calls for the default colours, ruler and line numbers on,
// no wrapping and no clickable addresses.
std::vector<std::string> DefaultConfigurationCalls() {
    return {
        "NimbetResetEmphasis(0,1)",
        "NimbetSetLapel(0,0,0,0)",
        "NimbetSetMetrics(0,7,0,1)",
        "NimbetAddEmphasis(0,\"<!--\",\"-->\",4,0x009600,0,6,0)",
        "NimbetAddEmphasis(0,\"<\",\">\",3,0xff0000,0,2,3)",
        "NimbetAddEmphasis(0,\"\"\",\"\"\",3,0xff00ff,0,3,0)",
        "NimbetAddEmphasis(0,\"&\",\";\",3,0x3366ff,0,1,0)",
        "NimbetSetColor(0,18,0xffffff,0)",
        "NimbetSetColor(0,9,0xffffff,0)",
        "NimbetSetColor(0,11,0xffffff,0)",
        "NimbetSetColor(0,6,0x000000,0)",
        "NimbetSetColor(0,10,0x000000,0)",
        "NimbetSetColor(0,12,0x000000,0)",
        "NimbetSetColor(0,3,0x0000ff,0)",
        "NimbetSetColor(0,2,0x99cc00,0)",
        "NimbetSetColor(0,1,0x99cc00,0)",
        "NimbetSetColor(0,0,0x99cc00,0)",
        "NimbetSetColor(0,5,0x99cc00,0)",
        "NimbetSetColor(0,4,0x99cc00,0)",
        "NimbetSetColor(0,7,0x99cc00,0)",
        "NimbetSetColor(0,8,0x99cc00,0)",
        "NimbetSetColor(0,13,0x99cc00,0)",
        "NimbetSetColor(0,14,0xcc00cc,0)",
        "NimbetSetColor(0,15,0xcc00cc,0)",
        "NimbetSetMetrics(0,1,10,0)",
        "NimbetSetMetrics(0,2,50,0)",
        "NimbetRefresh(0)",
        "NimbetSetFocus(0)",
    };
}

} // namespace

TEST_F(HostFixture, CreationCallsTheLibraryInTheFixedOrder) {
    host.Create(&parent, profile, settings, false);
    std::vector<std::string> expected = {"GetNimbetVer()", "NimbetCreate(0,parent,0,0,0,0)"};
    for (const std::string& call : DefaultConfigurationCalls())
        expected.push_back(call);
    expected.push_back("NimbetSetFont(0,\"ＭＳ ゴシック\",11,1)");
    EXPECT_EQ(api.calls, expected);
    EXPECT_EQ(site.events, std::vector<std::string>{"focus-tab0"});
    for (int n = 0; n < 5; ++n)
        EXPECT_EQ(host.BookmarkSlots().Slot(n), -1);
}

TEST_F(HostFixture, CreationReadsEditorKeysBeforeTheFont) {
    profile.Set("Font", "Name", "IPAゴシック");
    profile.Set("Font", "Size", "14");
    host.Create(&parent, profile, settings, false);
    const auto reads = profile.Reads();
    ASSERT_EQ(reads.size(), 33u);
    EXPECT_EQ(reads.front(), "Option/ChkRightReturn");
    EXPECT_EQ(reads[30], "Option/B7");
    EXPECT_EQ(reads[31], "Font/Name");
    EXPECT_EQ(reads[32], "Font/Size");
    EXPECT_EQ(api.calls.back(), "NimbetSetFont(0,\"IPAゴシック\",14,1)");
}

TEST_F(HostFixture, AnOldLibraryIsWarnedAboutOnceAndStillUsed) {
    for (int version : {144, 145, 146}) {
        SCOPED_TRACE(version);
        RecordingEditorApi lib;
        lib.version = version;
        RecordingSite s;
        EditorHost h(lib, s);
        MemoryProfile p;
        Settings st;
        h.Create(&parent, p, st, false);
        const bool warned = !s.events.empty() && s.events.front() == "warn";
        EXPECT_EQ(warned, version < 145);
        EXPECT_EQ(std::count(s.events.begin(), s.events.end(), "warn"), version < 145 ? 1 : 0);
        EXPECT_EQ(lib.calls[1], "NimbetCreate(0,parent,0,0,0,0)");
    }
}

TEST_F(HostFixture, StoredSettingsReachTheLibrary) {
    profile.Set("Option", "ChkRightReturn", "1");
    profile.Set("Option", "isRuler", "0");
    profile.Set("Option", "isLineNum", "1");
    profile.Set("Option", "isClickable0", "1");
    profile.Set("Option", "isClickable2", "1");
    profile.Set("Option", "R0", "256"); // only the low 8 bits count
    profile.Set("Option", "G0", "16");
    profile.Set("Option", "B0", "32");
    host.Create(&parent, profile, settings, false);
    auto has = [&](const std::string& call) {
        return std::find(api.calls.begin(), api.calls.end(), call) != api.calls.end();
    };
    EXPECT_TRUE(has("NimbetSetLapel(0,1,0,0)"));
    EXPECT_TRUE(has("NimbetSetMetrics(0,7,3,1)"));
    EXPECT_TRUE(has("NimbetSetMetrics(0,1,0,0)"));
    EXPECT_TRUE(has("NimbetSetMetrics(0,2,50,0)"));
    EXPECT_TRUE(has("NimbetSetColor(0,18,0x201000,0)"));
    EXPECT_EQ(host.CurrentColours()[0], 0x201000u);
    EXPECT_EQ(host.DefaultColourTable()[0], 0xffffffu);
}

TEST_F(HostFixture, ApplyingSettingsAgainResendsEverythingAndKeepsTwoPane) {
    host.Create(&parent, profile, settings, false);
    for (bool twoPane : {false, true}) {
        SCOPED_TRACE(twoPane);
        api.Clear();
        site.events.clear();
        host.ApplySettings(settings, twoPane);
        EXPECT_EQ(api.calls, DefaultConfigurationCalls());
        EXPECT_EQ(site.events, twoPane ? std::vector<std::string>{} : std::vector<std::string>{"focus-tab0"});
    }
}

TEST(EditorColours, ComposeMasksEachComponent) {
    EXPECT_EQ(ComposeColour(255, 102, 51), 0x3366ffu);
    EXPECT_EQ(ComposeColour(0, 204, 153), 0x99cc00u);
    EXPECT_EQ(ComposeColour(256 + 1, 512 + 2, -1), 0xff0201u);
}

TEST(EditorColours, ClickableMaskBits) {
    const struct {
        std::array<int, 4> flags; // http, ftp, mail, https
        int mask;
    } cases[] = {
        {{1, 1, 1, 1}, 15}, {{1, 0, 1, 0}, 3}, {{0, 0, 0, 0}, 0}, {{0, 0, 1, 0}, 1},
        {{1, 0, 0, 0}, 2},  {{0, 0, 0, 1}, 4}, {{0, 1, 0, 0}, 8}, {{2, 0, 0, 0}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mask);
        EXPECT_EQ(ClickableMask(c.flags), c.mask);
    }
}

TEST_F(HostFixture, EditCommandsGoWhereTheViewShows) {
    const ViewMode source{0, false}, preview{1, false}, ftp{2, false}, twoPaneOnFtp{2, true},
        twoPane{1, true};
    const struct {
        int command;
        ViewMode mode;
        const char* call;  // expected library call, or ""
        const char* event; // expected browser action, or ""
    } cases[] = {
        {ID_EDIT_UNDO, source, "NimbetUndo(0)", ""},
        {ID_EDIT_REDO, source, "NimbetRedo(0)", ""},
        {ID_EDIT_CUT, source, "NimbetCut(0)", ""},
        {ID_EDIT_COPY, source, "NimbetCopy(0)", ""},
        {ID_EDIT_PASTE, source, "NimbetPaste(0)", ""},
        {ID_EDIT_DELETE, source, "NimbetSetSelText(0,\"\")", ""},
        {ID_EDIT_SELECT_ALL, source, "NimbetSelectAll(0)", ""},
        {ID_EDIT_UNDO, twoPane, "NimbetUndo(0)", ""},
        {ID_EDIT_PASTE, twoPaneOnFtp, "NimbetPaste(0)", ""},
        {ID_EDIT_UNDO, preview, "", "back"},
        {ID_EDIT_REDO, preview, "", "forward"},
        {ID_EDIT_CUT, preview, "", ""},
        {ID_EDIT_COPY, preview, "", ""},
        {ID_EDIT_PASTE, preview, "", ""},
        {ID_EDIT_DELETE, preview, "", ""},
        {ID_EDIT_SELECT_ALL, preview, "", ""},
        {ID_EDIT_UNDO, ftp, "", ""},
        {ID_EDIT_REDO, ftp, "", ""},
        {ID_EDIT_PASTE, ftp, "", ""},
        {ID_EDIT_SELECT_ALL, ftp, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.command << " tab " << c.mode.currentTab << " two-pane " << c.mode.twoPaneOn);
        api.Clear();
        site.events.clear();
        host.EditCommand(c.command, c.mode);
        EXPECT_EQ(api.calls, *c.call ? std::vector<std::string>{c.call} : std::vector<std::string>{});
        EXPECT_EQ(site.events, *c.event ? std::vector<std::string>{c.event} : std::vector<std::string>{});
    }
}

TEST_F(HostFixture, FontCommandStoresTheChosenFontOnly) {
    api.fontDialogResult = 14;
    host.FontCommand(profile, settings);
    EXPECT_EQ(api.calls, std::vector<std::string>{"NimbetFontDialog(0,1)"});
    EXPECT_EQ(profile.Writes(), (std::vector<std::string>{"Font/Name=IPAゴシック", "Font/Size=14"}));
    EXPECT_EQ(settings.fontSize, 14);

    for (int failure : {-6, -2}) {
        SCOPED_TRACE(failure);
        profile.log.clear();
        api.fontDialogResult = failure;
        host.FontCommand(profile, settings);
        EXPECT_TRUE(profile.Writes().empty());
        EXPECT_EQ(settings.fontName, "IPAゴシック");
    }
}
