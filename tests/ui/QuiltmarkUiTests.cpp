// End-to-end tests of Quiltmark.exe: each test starts the real program in a
// fresh folder, drives it with window messages, closes it and checks the
// window and the settings file it wrote.
#include <gtest/gtest.h>

#include "AppSession.h"
#include "Automation.h"
#include "LibraryProbe.h"
#include "resource_ids.h"

using namespace quiltmark::automation;

namespace {

// A sample page, written with LF line ends and no final line end.
const std::string kSamplePage = "<HTML>\n<BODY>\n<P>ソース編集</P>\n</BODY>\n</HTML>";
const std::string kSampleAsLoaded = "<HTML>\r\n<BODY>\r\n<P>ソース編集</P>\r\n</BODY>\r\n</HTML>\r\n";

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

bool Visible(HWND window) {
    return window && IsWindowVisible(window);
}

} // namespace

TEST(QuiltmarkStart, FirstStartWithoutSettingsWritesFirstRunKeysAndTitle) {
    AppSession app;
    ASSERT_FALSE(app.IniExists());
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);

    // An unnamed start shows the document folder: the program folder here.
    EXPECT_EQ(app.Title(), app.Folder());
    EXPECT_EQ(app.Ini("TitleBar", "Dummy"), app.Folder());
    EXPECT_EQ(app.Ini("Tools", "Name1"), "Internet Explorer");
    EXPECT_EQ(app.Ini("Tools", "Path1"), "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE");
    EXPECT_EQ(app.Ini("Tools", "isBrow1"), "1");
    EXPECT_EQ(app.Ini("Tools", "isFirst"), "1");
    EXPECT_EQ(app.Ini("WindowSize", "cx"), "<absent>"); // nothing else is written before the close

    // The view starts on the source tab with its three tabs and no two-pane display.
    EXPECT_EQ(app.Query(kQueryCurrentTab), 0);
    EXPECT_EQ(app.Query(kQueryTwoPaneOn), 0);
    EXPECT_EQ(SendMessageA(GetDlgItem(app.View(), IDC_TAB), 0x1304 /* TCM_GETITEMCOUNT */, 0, 0), 3);
    for (int id :
         {IDC_TAB, IDC_BROWSER, IDC_LOCAL_UP, IDC_LOCAL_PATH, IDC_LOCAL_LIST, IDC_REMOTE_LIST,
          IDC_REMOTE_PATH, IDC_REMOTE_UP, IDC_LOCAL_BROWSE, IDC_REMOTE_GO, IDC_FTP_LOG, IDC_NO_OVERWRITE,
          IDC_MODE_ASCII, IDC_MODE_BINARY, IDC_MODE_AUTO, IDC_SPLIT_FTP, IDC_SPLIT_SIDE, IDC_SPLIT_STACKED})
        EXPECT_NE(GetDlgItem(app.View(), id), nullptr) << "form control " << id;
    EXPECT_TRUE(Visible(app.Child(ID_VIEW_TOOLBAR)));
    EXPECT_TRUE(Visible(app.Child(ID_VIEW_STATUS_BAR)));
    RECT outer{};
    GetWindowRect(app.Frame(), &outer);
    EXPECT_EQ(outer.right - outer.left, 634);
    EXPECT_EQ(outer.bottom - outer.top, 480);

    ASSERT_TRUE(app.Close());
    EXPECT_EQ(app.ExitCode(), 0u);
    const struct {
        const char* section;
        const char* key;
        std::string value;
    } saved[] = {
        {"HowPreview", "isMyDev", "0"}, {"HowPreview", "isMyRealTime", "0"}, {"WindowSize", "cx", "634"},
        {"WindowSize", "cy", "480"},    {"WindowSize", "FTP", "317"},        {"Option", "isToolbar", "1"},
        {"Option", "isStatusbar", "1"}, {"FTP_SendMode", "OverWrite", "0"},  {"File", "ImgFileDir", ""},
        {"File", "AHrefFileDir", ""},   {"File", "FileDir", app.Folder()},   {"File", "isCodeMode", "0"},
        {"Sort", "List1Item", "0"},     {"Sort", "List2Item", "0"},          {"Sort", "List1How", "0"},
        {"Sort", "List2How", "0"},      {"Sort", "ListMode", "0"},
    };
    for (const auto& s : saved) {
        SCOPED_TRACE(std::string(s.section) + "/" + s.key);
        EXPECT_EQ(app.Ini(s.section, s.key), s.value);
    }
    // Keys that only dialogs write stay absent.
    EXPECT_EQ(app.Ini("Option", "isRuler"), "<absent>");
    EXPECT_EQ(app.Ini("Font", "Name"), "<absent>");
}

TEST(QuiltmarkStart, FileOnTheCommandLineIsLoadedAndNamesTheWindow) {
    AppSession app;
    // "ソ" ends in the byte 0x5C: the folder must still be found correctly.
    const std::string name = "ソース.html";
    ASSERT_TRUE(app.WriteFile(name, kSamplePage));
    const std::string path = app.Folder() + name;
    ASSERT_TRUE(app.Start(Quoted(path)));
    ASSERT_NE(app.WaitForFrame(), nullptr);

    EXPECT_EQ(app.Title(), path);
    EXPECT_EQ(app.Ini("TitleBar", "Dummy"), path);
    EXPECT_EQ(app.EditorText(), kSampleAsLoaded);
    EXPECT_EQ(app.Ini("File", "RecentFile5"), path);
    EXPECT_EQ(app.Ini("File", "RecentFile1"), "");

    ASSERT_TRUE(app.Close());
    EXPECT_EQ(app.Ini("File", "FileDir"), app.Folder());
}

TEST(QuiltmarkStart, UnnamedStartUsesTheStoredFolderWhenItExists) {
    AppSession app;
    const std::string pages = app.Folder() + "pages\\";
    CreateDirectoryA(pages.c_str(), nullptr);
    app.SetIni("File", "FileDir", pages);
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);
    EXPECT_EQ(app.Title(), pages);
    EXPECT_EQ(app.EditorText(), "");
    ASSERT_TRUE(app.Close());

    // A folder that no longer exists falls back to the program's folder.
    AppSession again;
    again.SetIni("File", "FileDir", again.Folder() + "gone\\");
    ASSERT_TRUE(again.Start());
    ASSERT_NE(again.WaitForFrame(), nullptr);
    EXPECT_EQ(again.Title(), again.Folder());
}

TEST(QuiltmarkStart, MaximisedStartAndCloseStoreTheDefaultSize) {
    AppSession app;
    app.SetIni("Option", "ChkMostBig", "1");
    app.SetIni("WindowSize", "cx", "700");
    app.SetIni("WindowSize", "cy", "520");
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);
    EXPECT_TRUE(IsZoomed(app.Frame()));
    ASSERT_TRUE(app.Close());
    EXPECT_EQ(app.Ini("WindowSize", "cx"), "634");
    EXPECT_EQ(app.Ini("WindowSize", "cy"), "480");
    EXPECT_EQ(app.Ini("WindowSize", "FTP"), "350"); // half of the cx read at start-up
}

TEST(QuiltmarkStart, StoredSizeIsUsedAndTheSplitDefaultsToHalfTheWidth) {
    AppSession app;
    app.SetIni("WindowSize", "cx", "800");
    app.SetIni("WindowSize", "cy", "520");
    app.SetIni("Option", "ChkMostFront", "1");
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);
    EXPECT_FALSE(IsZoomed(app.Frame()));
    EXPECT_TRUE(GetWindowLongA(app.Frame(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT outer{};
    GetWindowRect(app.Frame(), &outer);
    EXPECT_EQ(outer.right - outer.left, 800);
    EXPECT_EQ(outer.bottom - outer.top, 520);
    EXPECT_EQ(app.Query(kQueryFtpSplit), 400);
    ASSERT_TRUE(app.Close());
    EXPECT_EQ(app.Ini("WindowSize", "cx"), "800");
    EXPECT_EQ(app.Ini("WindowSize", "cy"), "520");
    EXPECT_EQ(app.Ini("WindowSize", "FTP"), "400");
}

TEST(QuiltmarkBars, TogglesAreSavedAndRestored) {
    AppSession app;
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);
    app.Command(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(Visible(app.Child(ID_VIEW_TOOLBAR)));
    EXPECT_TRUE(Visible(app.Child(ID_VIEW_STATUS_BAR)));
    app.Command(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(Visible(app.Child(ID_VIEW_STATUS_BAR)));
    ASSERT_TRUE(app.Close());
    EXPECT_EQ(app.Ini("Option", "isToolbar"), "0");
    EXPECT_EQ(app.Ini("Option", "isStatusbar"), "0");

    // The same folder again: the bars start hidden, and come back when toggled.
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);
    EXPECT_FALSE(Visible(app.Child(ID_VIEW_TOOLBAR)));
    EXPECT_FALSE(Visible(app.Child(ID_VIEW_STATUS_BAR)));
    app.Command(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(Visible(app.Child(ID_VIEW_TOOLBAR)));
    ASSERT_TRUE(app.Close());
    EXPECT_EQ(app.Ini("Option", "isToolbar"), "1");
    EXPECT_EQ(app.Ini("Option", "isStatusbar"), "0");
    EXPECT_EQ(app.Ini("Tools", "isFirst"), "1");
}

TEST(QuiltmarkView, TabsAndTwoPaneTogglesAreSavedAndRestored) {
    AppSession app;
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);
    const struct {
        int command;
        int tab, twoPane, kind;
    } steps[] = {
        {ID_VIEW_TAB_PREVIEW, 1, 0, 0},    {ID_VIEW_TAB_FTP, 2, 0, 0},
        {ID_VIEW_SPLIT_REALTIME, 2, 1, 1}, {ID_VIEW_SPLIT_REALTIME, 2, 0, 0},
        {ID_VIEW_SPLIT_REALTIME, 2, 1, 1}, {ID_VIEW_SPLIT_ALTR, 2, 1, 2},
        {ID_VIEW_SPLIT_REALTIME, 2, 1, 1}, {ID_VIEW_TAB_SOURCE, 0, 0, 0},
        {ID_VIEW_SPLIT_ALTR, 0, 1, 2},
    };
    for (size_t i = 0; i < sizeof steps / sizeof steps[0]; ++i) {
        SCOPED_TRACE(i);
        app.Command(steps[i].command);
        EXPECT_EQ(app.Query(kQueryCurrentTab), steps[i].tab);
        EXPECT_EQ(app.Query(kQueryTwoPaneOn), steps[i].twoPane);
        EXPECT_EQ(app.Query(kQueryTwoPaneKind), steps[i].kind);
    }
    // The FTP controls show only on the FTP tab.
    app.Command(ID_VIEW_TAB_FTP);
    EXPECT_TRUE(Visible(GetDlgItem(app.View(), IDC_FTP_LOG)));
    EXPECT_EQ(AppSession::TextOf(GetDlgItem(app.View(), IDC_FTP_LOG)), "ここにFTPの簡易ログが表示されます");
    app.Command(ID_VIEW_TAB_SOURCE);
    EXPECT_FALSE(Visible(GetDlgItem(app.View(), IDC_FTP_LOG)));
    app.Command(ID_VIEW_SPLIT_ALTR);
    ASSERT_TRUE(app.Close());
    EXPECT_EQ(app.Ini("HowPreview", "isMyDev"), "1");
    EXPECT_EQ(app.Ini("HowPreview", "isMyRealTime"), "2");

    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);
    EXPECT_EQ(app.Query(kQueryTwoPaneOn), 1);
    EXPECT_EQ(app.Query(kQueryTwoPaneKind), 2);
    EXPECT_TRUE(Visible(GetDlgItem(app.View(), IDC_SPLIT_SIDE)));
    EXPECT_FALSE(Visible(GetDlgItem(app.View(), IDC_TAB)));
}

TEST(QuiltmarkLibrary, AnOldLibraryIsWarnedAboutOnceAndStillUsed) {
    AppSession app;
    ASSERT_TRUE(app.CopyBinary("Nimbet.dll", "NimbetReal.dll"));
    ASSERT_TRUE(app.CopyBinary("NimbetOld.dll", "Nimbet.dll"));
    ASSERT_TRUE(app.WriteFile("page.html", kSamplePage));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "page.html")));

    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(AppSession::TextOf(box), "Quiltmark");
    EXPECT_EQ(AppSession::TextOf(GetDlgItem(box, 0xFFFF)),
              "Nimbet.DLLはアプリに同梱しているものか、\nもしくはそれ以上のバージョンを導入して下さい");
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    for (int other : {IDCANCEL, IDYES, IDNO, IDRETRY, IDABORT, IDIGNORE})
        EXPECT_EQ(GetDlgItem(box, other), nullptr) << other;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));

    ASSERT_NE(app.WaitForFrame(), nullptr);
    EXPECT_TRUE(app.MessageBoxes().empty());
    EXPECT_EQ(app.EditorText(), kSampleAsLoaded);
    EXPECT_EQ(app.Title(), app.Folder() + "page.html");
    ASSERT_TRUE(app.Close());
}

TEST(QuiltmarkLibrary, WithoutTheLibraryTheProgramSaysSoAndEnds) {
    AppSession app;
    ASSERT_TRUE(DeleteFileA((app.Folder() + "Nimbet.dll").c_str()));
    ASSERT_TRUE(app.Start());
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(AppSession::TextOf(box), "Quiltmark");
    EXPECT_NE(AppSession::TextOf(GetDlgItem(box, 0xFFFF)).find("Nimbet.DLL"), std::string::npos);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    ASSERT_TRUE(WaitUntil([&] { return !app.Running(); }));
    EXPECT_EQ(app.ExitCode(), 1u);
    EXPECT_FALSE(app.IniExists());
}

TEST(QuiltmarkEditor, ContextMenuRequestShowsTheEditorMenu) {
    AppSession app;
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);
    HWND editor = FindWindowExA(app.View(), nullptr, "NimbetTextEidtorControlForWin32", nullptr);
    ASSERT_NE(editor, nullptr);
    PostMessageA(editor, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(editor), MAKELPARAM(100, 100));

    HWND popup = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        popup = FindWindowA("#32768", nullptr);
        return popup && IsWindowVisible(popup);
    }));
    DWORD owner = 0;
    GetWindowThreadProcessId(popup, &owner);
    EXPECT_EQ(owner, GetProcessId(app.Process()));
    RECT r{};
    GetWindowRect(popup, &r);
    EXPECT_GT(r.bottom - r.top, 100); // thirteen items, three of them separators
    PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(popup); }));
    ASSERT_TRUE(app.Close());
}

TEST(QuiltmarkEditor, EditCommandsReachTheEditorOnlyWhereItShows) {
    if (!ProbeLibrary().editing)
        GTEST_SKIP() << "Nimbet.dll does not edit yet (select all, replace, undo)";
    AppSession app;
    ASSERT_TRUE(app.WriteFile("page.html", kSamplePage));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "page.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);
    ASSERT_EQ(app.EditorText(), kSampleAsLoaded);

    app.Command(ID_EDIT_SELECT_ALL);
    app.Command(ID_EDIT_DELETE);
    EXPECT_EQ(app.EditorText(), "");
    EXPECT_EQ(app.Title(), app.Folder() + "page.html *");
    app.Command(ID_EDIT_UNDO);
    EXPECT_EQ(app.EditorText(), kSampleAsLoaded);
    EXPECT_EQ(app.Title(), app.Folder() + "page.html");
    app.Command(ID_EDIT_REDO);
    EXPECT_EQ(app.EditorText(), "");
    app.Command(ID_EDIT_UNDO);

    // On the FTP tab the same commands leave the text alone.
    app.Command(ID_VIEW_TAB_FTP);
    app.Command(ID_EDIT_SELECT_ALL);
    app.Command(ID_EDIT_DELETE);
    EXPECT_EQ(app.EditorText(), kSampleAsLoaded);
    ASSERT_TRUE(app.Close());
}

TEST(QuiltmarkEditor, BookmarksToggleOnTheCaretLine) {
    if (!ProbeLibrary().caret)
        GTEST_SKIP() << "Nimbet.dll does not report the caret line yet";
    AppSession app;
    ASSERT_TRUE(app.WriteFile("page.html", kSamplePage));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "page.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);
    const LRESULT line = app.Query(kQueryCaretLine);
    ASSERT_GE(line, 1);

    app.Command(ID_BOOKMARK_SET_1);
    EXPECT_EQ(app.Query(kQueryLineMark, line), 1);
    EXPECT_EQ(app.Query(kQueryBookmark, 0), line);
    // Bookmark 2 on the same line takes it over; the line stays marked.
    app.Command(ID_BOOKMARK_SET_1 + 1);
    EXPECT_EQ(app.Query(kQueryBookmark, 0), -1);
    EXPECT_EQ(app.Query(kQueryBookmark, 1), line);
    EXPECT_EQ(app.Query(kQueryLineMark, line), 1);
    // Setting bookmark 2 there again toggles it off.
    app.Command(ID_BOOKMARK_SET_1 + 1);
    EXPECT_EQ(app.Query(kQueryBookmark, 1), -1);
    EXPECT_EQ(app.Query(kQueryLineMark, line), 0);
    // Going to an unset bookmark leaves the caret.
    app.Command(ID_BOOKMARK_GO_1 + 4);
    EXPECT_EQ(app.Query(kQueryCaretLine), line);
    ASSERT_TRUE(app.Close());
}
