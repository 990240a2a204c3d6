// The rules behind the options and external tools dialogs: the check of the
// ASCII extension list, the colours and flags that OK stores and the order
// they are written in, and the selector texts of the tools dialog.
#include <gtest/gtest.h>

#include "EditorColours.h"
#include "MemoryProfile.h"
#include "OptionsRules.h"
#include "SettingsIo.h"
#include "ToolsRules.h"

using namespace quiltmark;

TEST(OptionsRules, ExtensionListMustStartAndEndWithAComma) {
    const struct {
        const char* list;
        bool accepted;
    } cases[] = {
        {",txt,", true},    {",", true},       {kDefaultAsciiExtensions, true},
        {",ソ,表,", true},  {"", false},       {"txt,", false},
        {",txt", false},    {",txt, ", false}, {" ,txt,", false},
        {",txt,\t", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidExtensionList(c.list), c.accepted) << "\"" << c.list << "\"";
}

TEST(OptionsRules, OkStoresFlagsAndColoursWithThePickersDefaultBoxAsTheDefaultColour) {
    Settings settings;
    std::array<Colour, kColourCount> current = DefaultColours();
    current[2] = ComposeColour(1, 2, 3);
    OptionsValues values = OptionsFromSettings(settings, current, DefaultColours());
    ASSERT_EQ(values.markers, (std::array<std::int32_t, kColourCount>{1, 1, 1, 1, 1, 1, 1, 1}));

    // Background: the default box was accepted last, the button shows "no colour".
    AcceptPickedColour(values, 0, kPickerDefaultColour);
    values.colours[0] = kPickerDefaultColour;
    // Standard text: an ordinary colour, then the default box, then a colour again.
    AcceptPickedColour(values, 1, kPickerDefaultColour);
    AcceptPickedColour(values, 1, ComposeColour(10, 20, 30));
    values.colours[1] = ComposeColour(10, 20, 30);
    // A colour index outside the table changes nothing.
    AcceptPickedColour(values, kColourCount, kPickerDefaultColour);
    values.chkRightReturn = 1;
    values.isClickable = {1, 0, 1, 0};
    values.isRuler = 0;
    values.isMyHowRL = 0;
    values.isNewHtmlFile = 1;

    StoreOptions(values, settings);
    EXPECT_EQ(settings.colourKeys[0], (ColourKeys{255, 255, 255}));
    EXPECT_EQ(settings.colourKeys[1], (ColourKeys{10, 20, 30}));
    EXPECT_EQ(settings.colourKeys[2], (ColourKeys{1, 2, 3})); // untouched: what the button showed
    EXPECT_EQ(settings.colourKeys[7], kDefaultColourKeys[7]);
    EXPECT_EQ(settings.chkRightReturn, 1);
    EXPECT_EQ(settings.isClickable, (std::array<int, 4>{1, 0, 1, 0}));
    EXPECT_EQ(settings.isRuler, 0);
    EXPECT_EQ(settings.isMyHowRL, 0);
    EXPECT_EQ(settings.isNewHtmlFile, 1);
}

TEST(OptionsRules, OkWritesFlagsThenColoursAndTheToolsDialogItsFifteenKeysThenTheFolder) {
    Settings settings;
    settings.colourKeys[7] = {7, 8, 9};
    MemoryProfile profile;
    WriteOptionSettings(profile, settings);
    const std::vector<std::string> writes = profile.Writes();
    ASSERT_EQ(writes.size(), 13u + 24u);
    const std::vector<std::string> flags(writes.begin(), writes.begin() + 16);
    EXPECT_EQ(flags, (std::vector<std::string>{
                         "Option/ChkRightReturn=0", "Option/isClickable0=0", "Option/isClickable1=0",
                         "Option/isClickable2=0", "Option/isClickable3=0", "Option/ChkMostFront=0",
                         "Option/ChkMostBig=0", "Option/ChkSmallTag=0", "HowPreview/isMyHowRL=1",
                         "Option/isAutoBackUp=0", "Option/isNewHtmlFile=0", "Option/isRuler=1",
                         "Option/isLineNum=1", "Option/R0=255", "Option/G0=255", "Option/B0=255"}));
    EXPECT_EQ(writes.back(), "Option/B7=9");

    MemoryProfile tools;
    settings.tools[1] = {"Firefox", "C:\\ff\\firefox.exe", 1};
    settings.toolsOpenDir = "C:\\ff\\";
    WriteToolSettings(tools, settings);
    const std::vector<std::string> toolWrites = tools.Writes();
    ASSERT_EQ(toolWrites.size(), 16u);
    EXPECT_EQ(toolWrites[1], "Tools/Name2=Firefox");
    EXPECT_EQ(toolWrites[6], "Tools/Path2=C:\\ff\\firefox.exe");
    EXPECT_EQ(toolWrites[11], "Tools/isBrow2=1");
    EXPECT_EQ(toolWrites[15], "Tools/OpenDir=C:\\ff\\");
}

TEST(ToolsRules, EntriesCountFromOne) {
    EXPECT_EQ(ToolEntryLabel("ツール ", 0), "ツール 01");
    EXPECT_EQ(ToolEntryLabel("ツール ", 4), "ツール 05");
}
