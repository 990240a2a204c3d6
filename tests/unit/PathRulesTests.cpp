// Settings file name, folder and file name of Shift_JIS paths, and the
// document text built from a file.
#include <gtest/gtest.h>

#include <vector>

#include "DocumentText.h"
#include "MenuTexts.h"
#include "PathRules.h"
#include "RecentFiles.h"

using namespace quiltmark;

TEST(PathRules, SettingsFileSitsBesideTheProgramWithItsName) {
    const struct {
        const char* program;
        const char* ini;
    } cases[] = {
        {"C:\\Tools\\Quiltmark.exe", "C:\\Tools\\Quiltmark.ini"},
        {"C:\\Tools\\prog.exe", "C:\\Tools\\prog.ini"},
        {"C:\\Tools\\my.editor.exe", "C:\\Tools\\my.editor.ini"},
        {"C:\\v1.2\\Quiltmark", "C:\\v1.2\\Quiltmark.ini"},
        {"C:\\ソフト\\Quiltmark.EXE", "C:\\ソフト\\Quiltmark.ini"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        EXPECT_EQ(IniPathFor(c.program), c.ini);
    }
}

TEST(PathRules, FolderAndNameSkipTrailBytesThatLookLikeBackslashes) {
    const struct {
        const char* path;
        const char* folder;
        const char* name;
    } cases[] = {
        {"C:\\pages\\index.html", "C:\\pages\\", "index.html"},
        {"C:\\ソ", "C:\\", "ソ"}, // the trail byte of "ソ" is 0x5C
        {"C:\\表\\ソフト.html", "C:\\表\\", "ソフト.html"},
        {"index.html", "", "index.html"},
        {"C:\\pages\\", "C:\\pages\\", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FolderOf(c.path), c.folder);
        EXPECT_EQ(FileNameOf(c.path), c.name);
    }
}

TEST(DocumentText, EveryLineEndsInCrLf) {
    const struct {
        const char* bytes;
        const char* text;
    } cases[] = {
        {"", ""},
        {"a", "a\r\n"},
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"a\nb", "a\r\nb\r\n"},
        {"a\rb\n", "a\rb\r\n"},
        {"\r\n\r\n", "\r\n\r\n"},
        {"<P>ソース</P>", "<P>ソース</P>\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(TextFromFileBytes(c.bytes), c.text);
    }
}

TEST(MenuTexts, RecentFilesAndUserTags) {
    EXPECT_EQ(RecentFileMenuText(1, "C:\\a.html"), "(&1) C:\\a.html");
    EXPECT_EQ(RecentFileMenuText(2, "C:\\b.html"), "(&2) C:\\b.html");

    const struct {
        int slot;
        UserTagEntry tag;
        const char* text;
    } cases[] = {
        {0, {"B", "B", ""}, "<B>***</B>\tAlt+1"},
        {8, {"IMG SRC=\"\"", "", ""}, "<IMG SRC=\"\">\tAlt+9"},
        {9, {"B", "B", ""}, "<B>***</B>"},
        {2, {"FONT", "FONT", "赤い字"}, "赤い字\tAlt+3"},
        {19, {"HR", "", "線"}, "線"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot);
        EXPECT_EQ(UserTagMenuText(c.slot, c.tag), c.text);
    }
}

TEST(RecentFiles, NewestEntryTopsTheBlockAtTheEnd) {
    const struct {
        std::vector<std::string> opened;
        RecentFileSlots slots;
    } cases[] = {
        {{"A"}, {"", "", "", "", "A"}},
        {{"A", "B"}, {"", "", "", "B", "A"}},
        {{"A", "B", "A"}, {"", "", "", "A", "B"}},
        {{"A", "B", "C", "D", "E"}, {"E", "D", "C", "B", "A"}},
        {{"A", "B", "C", "D", "E", "F"}, {"F", "E", "D", "C", "B"}},
        {{"A", "B", "C", "D", "E", "C"}, {"C", "E", "D", "B", "A"}},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        SCOPED_TRACE(i);
        RecentFileSlots slots;
        for (const std::string& path : cases[i].opened)
            AddRecentFile(slots, path);
        EXPECT_EQ(slots, cases[i].slots);
    }
}
