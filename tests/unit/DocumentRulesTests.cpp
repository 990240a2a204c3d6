// The platform-free document rules: the new-document page and the page of a
// converted text, file bytes as document text, names and titles of Shift_JIS
// paths, recent files and the automatic backup schedule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BackupSchedule.h"
#include "DocumentNames.h"
#include "DocumentTemplate.h"
#include "DocumentText.h"
#include "RecentFiles.h"

using namespace quiltmark;

namespace {

const std::string kHead = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\r\n"
                          "<HTML>\r\n"
                          "<HEAD>\r\n"
                          "<META name=\"GENERATOR\" content=\"Quiltmark\">\r\n"
                          "<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
                          "<TITLE></TITLE>\r\n"
                          "</HEAD>\r\n";

} // namespace

TEST(DocumentTemplate, NewPageHasFourLineEndsAfterBodyAndNoneAtTheEnd) {
    EXPECT_EQ(NewDocumentTemplate(false), kHead + "<BODY>\r\n\r\n\r\n\r\n</BODY>\r\n</HTML>");
    const std::string lower = NewDocumentTemplate(true);
    EXPECT_EQ(lower.substr(0, lower.find("\r\n")), "<!doctype html public \"-//w3c//dtd html 4.0//en\">");
    EXPECT_NE(lower.find("content=\"quiltmark\""), std::string::npos);
    EXPECT_NE(lower.find("charset=shift_jis"), std::string::npos);
    EXPECT_EQ(lower.size(), NewDocumentTemplate(false).size());
}

TEST(DocumentTemplate, ConvertedTextSitsBetweenBodyTagsWithTwoLineEndsEachSide) {
    EXPECT_EQ(TextAsHtmlDocument("a < b\r\nソ\r\n"),
              kHead + "<BODY>\r\n\r\na &#060; b<BR>\r\nソ\r\n\r\n</BODY>\r\n</HTML>");
    EXPECT_EQ(TextAsHtmlDocument(""), kHead + "<BODY>\r\n\r\n\r\n\r\n</BODY>\r\n</HTML>");
}

TEST(DocumentText, FileBytesBecomeLinesEndedByCrLfKeepingEveryOtherByte) {
    const struct {
        std::string bytes;
        std::string text;
    } cases[] = {
        {"a\nb", "a\r\nb\r\n"},                          // LF-only lines, no final line end
        {"a\r\nb\r\n", "a\r\nb\r\n"},                    // already CR LF
        {std::string("x\x1Ay\r\nz"), "x\x1Ay\r\nz\r\n"}, // 0x1A is an ordinary byte
        {std::string("\x1A"), "\x1A\r\n"},               // even at the very end
        {"a\rb", "a\rb\r\n"},                            // a lone CR stays in its line
        {"\n\n", "\r\n\r\n"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(TextFromFileBytes(c.bytes), c.text);
        EXPECT_FALSE(HoldsNulByte(c.bytes));
    }
    EXPECT_TRUE(HoldsNulByte(std::string("ab\0cd", 5)));
    EXPECT_TRUE(HoldsNulByte(std::string("\0", 1)));
}

TEST(DocumentNames, ShiftJisNamesWithBackslashTrailBytes) {
    const std::string noName = "\"ファイル名なし\"";
    const struct {
        const char* path;
        const char* shortTitle;
        const char* extension;
        bool isPreview;
    } cases[] = {
        {"C:\\表\\ソフト.html", "ソフト.html", "html", false}, // 表 and ソ end in 0x5C
        {"C:\\能力\\", "\"ファイル名なし\"", "", false},       // an unnamed document's folder
        {"C:\\a.TXT", "a.TXT", "txt", false},
        {"C:\\site.v2\\readme", "readme", "v2\\readme", false}, // the last "." of the whole path
        {"C:\\ソ\\tmp_preview.html", "tmp_preview.html", "html", true},
        {"C:\\x\\TMP_Preview.HTML", "TMP_Preview.HTML", "html", true},
        {"C:\\x\\tmp_preview.html.bak", "tmp_preview.html.bak", "bak", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(ShortTitleOf(c.path, noName), c.shortTitle);
        EXPECT_EQ(ExtensionOf(c.path), c.extension);
        EXPECT_EQ(IsPreviewFileName(c.path), c.isPreview);
    }
}

TEST(DocumentNames, ChosenFoldersGetOneSeparatorAndTitlesTheirMarker) {
    EXPECT_EQ(FolderWithSeparator("C:\\pages"), "C:\\pages\\");
    EXPECT_EQ(FolderWithSeparator("C:\\"), "C:\\");
    EXPECT_EQ(FolderWithSeparator("C:\\ソ"), "C:\\ソ\\"); // the name ends in a 0x5C trail byte
    EXPECT_EQ(WindowTitle("C:\\a.html", false), "C:\\a.html");
    EXPECT_EQ(WindowTitle("C:\\a.html", true), "C:\\a.html *");
}

TEST(RecentFiles, MissingFileLeavesTheBlockAtTheEnd) {
    const struct {
        RecentFileSlots before;
        int removed;
        RecentFileSlots after;
    } cases[] = {
        {{"", "", "C", "B", "A"}, 3, {"", "", "", "C", "A"}},
        {{"", "", "C", "B", "A"}, 2, {"", "", "", "B", "A"}},
        {{"E", "D", "C", "B", "A"}, 4, {"", "E", "D", "C", "B"}},
        {{"E", "D", "C", "B", "A"}, 0, {"", "D", "C", "B", "A"}},
        {{"", "", "", "", "A"}, 5, {"", "", "", "", "A"}}, // no such slot
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        RecentFileSlots slots = cases[i].before;
        RemoveRecentFile(slots, cases[i].removed);
        EXPECT_EQ(slots, cases[i].after);
    }
    EXPECT_TRUE(NoRecentFiles(RecentFileSlots{}));
    EXPECT_FALSE(NoRecentFiles(RecentFileSlots{"", "", "", "", "A"}));
    EXPECT_EQ(RecentFileKeys().front(), "File/RecentFile1");
    EXPECT_EQ(RecentFileKeys().back(), "File/RecentFile5");
}

TEST(BackupSchedule, FileNamesCarryTheMinuteWithoutTheYear) {
    EXPECT_EQ(BackupFilePath("C:\\ソフト\\", {2026, 7, 6, 15, 30}), "C:\\ソフト\\Quiltmark07061530.html");
    EXPECT_EQ(BackupStamp({2027, 1, 1, 0, 0}), "01010000");
}

TEST(BackupSchedule, OneBackupPerMinuteAcrossTheTurnOfTheYear) {
    const LocalMinute start{2026, 7, 6, 15, 29};
    struct Change {
        LocalMinute time;
        bool enabled;
        bool due;
    };
    const struct {
        const char* name;
        std::vector<Change> changes;
    } cases[] = {
        {"same minute twice, then the next",
         {{{2026, 7, 6, 15, 30}, true, true},
          {{2026, 7, 6, 15, 30}, true, false},
          {{2026, 7, 6, 15, 31}, true, true}}},
        {"over midnight of 31 December",
         {{{2026, 12, 31, 23, 59}, true, true},
          {{2027, 1, 1, 0, 0}, true, true},
          {{2027, 1, 1, 0, 0}, true, false},
          {{2027, 1, 1, 0, 1}, true, true}}},
        {"a clock set back keeps writing",
         {{{2026, 7, 6, 15, 30}, true, true}, {{2026, 7, 6, 14, 30}, true, true}}},
        {"disabled changes write nothing and remember nothing",
         {{{2026, 7, 6, 15, 30}, false, false}, {{2026, 7, 6, 15, 30}, true, true}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BackupSchedule schedule;
        // The start-up document's own change only arms the schedule.
        EXPECT_FALSE(schedule.DueOnChange(start, true));
        for (size_t i = 0; i < c.changes.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(schedule.DueOnChange(c.changes[i].time, c.changes[i].enabled), c.changes[i].due);
        }
    }
}
