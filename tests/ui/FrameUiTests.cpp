// End-to-end tests of the main frame and its dialogs on the real program:
// the modeless find and replace dialogs, the rebuilt menu, the title while
// minimised, the close check, and the options, external tools and about
// dialogs, each opened by its command and filled by control id.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>

#include <string>
#include <vector>

#include "AppSession.h"
#include "Automation.h"
#include "resource_ids.h"

using namespace quiltmark::automation;

namespace {

constexpr DWORD kReplyTimeout = 10000;

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

bool Visible(HWND window) {
    return window && IsWindowVisible(window);
}

// A dialog of the program with this title.
HWND WaitForDialog(const AppSession& app, const std::string& title) {
    HWND found = nullptr;
    std::string seen;
    WaitUntil([&] {
        seen.clear();
        for (HWND w : app.MessageBoxes()) {
            seen.append(1, '"').append(AppSession::TextOf(w)).append("\" ");
            if (AppSession::TextOf(w) == title)
                found = w;
        }
        return found != nullptr;
    });
    if (!found)
        ADD_FAILURE() << "no dialog \"" << title << "\"; open: " << seen;
    return found;
}

// The system's find dialog (a search field only) or replace dialog (also a
// replacement field); their titles are the system's own.
HWND WaitForSearchDialog(const AppSession& app, bool replace) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND w : app.MessageBoxes())
            if (GetDlgItem(w, edt1) && (GetDlgItem(w, edt2) != nullptr) == replace)
                found = w;
        return found != nullptr;
    });
    return found;
}

// A button pressed and its handling waited for.
void Click(HWND dialog, int id) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)), SMTO_NORMAL, kReplyTimeout,
                        &result);
}

// A button pressed whose handling opens a modal message box.
void PostClick(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SetText(HWND dialog, int id, const std::string& text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_NORMAL, kReplyTimeout, &result);
}

void SetCheck(HWND dialog, int id, bool on) {
    SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Checked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The text of a message box that `dialog` opened, and the box answered with `button`.
std::string AnswerMessageBox(const AppSession& app, HWND dialog, int button, std::string* caption = nullptr) {
    HWND box = nullptr;
    WaitUntil([&] {
        for (HWND w : app.MessageBoxes())
            if (w != dialog && GetWindow(w, GW_OWNER) == dialog)
                box = w;
        return box != nullptr;
    });
    if (!box)
        return "<no message box>";
    const std::string text = AppSession::MessageText(box);
    if (caption)
        *caption = AppSession::TextOf(box);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    return text;
}

// Through offset of the n-th (from 0) occurrence of `what` in a text: line
// breaks of any kind count two.
int ThroughOffsetOf(const std::string& text, const std::string& what, int n) {
    std::string crlf;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            crlf += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            crlf += text[i];
        }
    }
    std::size_t at = crlf.find(what);
    for (int k = 0; k < n && at != std::string::npos; ++k)
        at = crlf.find(what, at + 1);
    return at == std::string::npos ? -1 : static_cast<int>(at) + 1;
}

std::string MenuText(const AppSession& app, int menu, int position) {
    std::string text;
    for (int i = 0;; ++i) {
        const LRESULT byte = app.Query(kQueryMenuItemText, MenuItemArgument(menu, position, i));
        if (byte < 0)
            return text;
        text += static_cast<char>(byte);
    }
}

// The menu bar's rebuild, as when the user opens it.
void OpenMenuBar(const AppSession& app) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(app.Frame(), WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(app.Frame())), 0,
                        SMTO_NORMAL, kReplyTimeout, &result);
}

constexpr int kFileMenu = 0;
constexpr int kToolsMenu = 5;

} // namespace

TEST(FrameFind, FindsDownAndUpOnATextWithCrLineEndsAndSwitchesToReplace) {
    AppSession app;
    // CR line ends: the through offsets still count two per break.
    const std::string page = "<P>abc</P>\r<P>ABC 表\\abc</P>";
    ASSERT_TRUE(app.WriteFile("cr.html", page));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "cr.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);
    const std::string text = app.EditorText();

    app.PostCommand(ID_EDIT_FIND);
    HWND find = WaitForSearchDialog(app, false);
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(app.Query(kQueryFindReplaceState), 1);
    EXPECT_EQ(AppSession::TextOf(GetDlgItem(find, edt1)), "検索語句"); // nothing was selected
    EXPECT_FALSE(Visible(GetDlgItem(find, chx1)));                     // no whole-word box
    EXPECT_TRUE(Checked(find, rad2));                                  // downwards
    // Ctrl+F again keeps the one dialog.
    app.Command(ID_EDIT_FIND);
    EXPECT_EQ(app.MessageBoxes().size(), 1u);

    SetText(find, edt1, "abc");
    const int expected[] = {ThroughOffsetOf(text, "abc", 0), ThroughOffsetOf(text, "ABC", 0),
                            ThroughOffsetOf(text, "abc", 1)};
    for (int offset : expected) {
        Click(find, IDOK);
        EXPECT_EQ(app.Query(kQuerySelectionStart), offset);
    }
    // Not found: the selection stays on the last match.
    Click(find, IDOK);
    EXPECT_EQ(app.Query(kQuerySelectionStart), expected[2]);

    // Upwards, with match case: the lower-case match before it.
    SendMessageA(GetDlgItem(find, rad1), BM_CLICK, 0, 0);
    SetCheck(find, chx2, true);
    Click(find, IDOK);
    EXPECT_EQ(app.Query(kQuerySelectionStart), expected[0]);

    // "\" is found only where it stands alone, never in 表 (95 5C).
    SetCheck(find, chx2, false);
    SendMessageA(GetDlgItem(find, rad2), BM_CLICK, 0, 0);
    SetText(find, edt1, "\\");
    Click(find, IDOK);
    EXPECT_EQ(app.Query(kQuerySelectionStart), ThroughOffsetOf(text, "表\\", 0) + 2);

    // Ctrl+H closes the find dialog and opens the replace dialog with the selection.
    app.PostCommand(ID_EDIT_REPLACE);
    HWND replace = WaitForSearchDialog(app, true);
    ASSERT_NE(replace, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(find); }));
    EXPECT_EQ(app.Query(kQueryFindReplaceState), 2);
    EXPECT_EQ(AppSession::TextOf(GetDlgItem(replace, edt1)), "\\");
    EXPECT_EQ(AppSession::TextOf(GetDlgItem(replace, edt2)), "");
    EXPECT_FALSE(Visible(GetDlgItem(replace, chx2))); // no match-case box

    Click(replace, IDCANCEL);
    EXPECT_TRUE(WaitUntil([&] { return app.Query(kQueryFindReplaceState) == 0; }));
    EXPECT_FALSE(IsWindow(replace));
}

TEST(FrameFind, ReplacesOneByOneThenEverythingAsOneUndoStep) {
    AppSession app;
    ASSERT_TRUE(app.WriteFile("page.html", "<B>ab</B> Ab ab\n<I>ab</I>\n"));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "page.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);
    const std::string original = app.EditorText();

    app.PostCommand(ID_EDIT_REPLACE);
    HWND replace = WaitForSearchDialog(app, true);
    ASSERT_NE(replace, nullptr);
    EXPECT_EQ(AppSession::TextOf(GetDlgItem(replace, edt1)), ""); // nothing was selected
    SetText(replace, edt1, "ab");
    SetText(replace, edt2, "xyz");

    // The caret is not on a match: nothing is replaced, the first match is selected.
    Click(replace, psh1);
    EXPECT_EQ(app.EditorText(), original);
    EXPECT_EQ(app.Query(kQuerySelectionStart), 4);
    // Now it is: replaced, and the next case-sensitive match is selected ("Ab" is not one).
    Click(replace, psh1);
    const std::string once = "<B>xyz</B> Ab ab\r\n<I>ab</I>\r\n";
    EXPECT_EQ(app.EditorText(), once);
    EXPECT_EQ(app.Query(kQuerySelectionStart), ThroughOffsetOf(once, " ab", 0) + 1);
    EXPECT_EQ(app.Title(), app.Folder() + "page.html *");

    Click(replace, psh2);
    EXPECT_EQ(app.EditorText(), "<B>xyz</B> Ab xyz\r\n<I>xyz</I>\r\n");
    app.Command(ID_EDIT_UNDO);
    EXPECT_EQ(app.EditorText(), once);
    Click(replace, IDCANCEL);
    EXPECT_TRUE(app.CloseDiscarding());
}

TEST(FrameMenu, FileMenuListsTheRecentFilesOrTheGreyedPlaceholderAndToolsFollowTheirItems) {
    AppSession app;
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);
    OpenMenuBar(app);
    // Nine fixed items, the placeholder, a separator and the exit item.
    ASSERT_EQ(app.Query(kQueryMenuItemCount, MenuItemArgument(kFileMenu, 0)), 12);
    EXPECT_EQ(app.Query(kQueryMenuItemId, MenuItemArgument(kFileMenu, 9)), ID_FILE_RECENT_1);
    EXPECT_EQ(MenuText(app, kFileMenu, 9), "最近使ったファイル(なし)");
    EXPECT_TRUE(app.Query(kQueryMenuItemState, MenuItemArgument(kFileMenu, 9)) & MF_GRAYED);
    EXPECT_EQ(app.Query(kQueryMenuItemId, MenuItemArgument(kFileMenu, 10)), 0);
    EXPECT_EQ(app.Query(kQueryMenuItemId, MenuItemArgument(kFileMenu, 11)), ID_APP_EXIT);
    EXPECT_EQ(MenuText(app, kFileMenu, 11), "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)");
    // The first-run tool follows the tools menu's own three items.
    EXPECT_EQ(app.Query(kQueryMenuItemId, MenuItemArgument(kToolsMenu, 3)), ID_TOOL_1);
    EXPECT_EQ(MenuText(app, kToolsMenu, 3), "Internet Explorer");
    ASSERT_TRUE(app.Close());

    AppSession two;
    two.SetIni("File", "RecentFile2", "C:\\pages\\one.html");
    two.SetIni("File", "RecentFile4", "C:\\ソース\\two.html");
    two.SetIni("File", "isCodeMode", "2");
    ASSERT_TRUE(two.Start());
    ASSERT_NE(two.WaitForFrame(), nullptr);
    // Rebuilt twice: the second rebuild leaves the same menu.
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        OpenMenuBar(two);
        ASSERT_EQ(two.Query(kQueryMenuItemCount, MenuItemArgument(kFileMenu, 0)), 13);
        EXPECT_EQ(two.Query(kQueryMenuItemId, MenuItemArgument(kFileMenu, 9)), ID_FILE_RECENT_1 + 1);
        EXPECT_EQ(MenuText(two, kFileMenu, 9), "(&1) C:\\pages\\one.html");
        EXPECT_EQ(two.Query(kQueryMenuItemId, MenuItemArgument(kFileMenu, 10)), ID_FILE_RECENT_1 + 3);
        EXPECT_EQ(MenuText(two, kFileMenu, 10), "(&2) C:\\ソース\\two.html");
        EXPECT_EQ(two.Query(kQueryMenuItemId, MenuItemArgument(kFileMenu, 12)), ID_APP_EXIT);
    }
    // The save-code submenu (position 6) checks the stored code, 7bit-JIS, only.
    for (int position = 0; position < 4; ++position) {
        const LRESULT state = two.Query(kQueryMenuItemState, MenuItemArgument(kFileMenu, position, 0, 6));
        EXPECT_EQ((state & MF_CHECKED) != 0, position == 2) << position;
    }
}

TEST(FrameTitle, MinimisingShowsTheShortTitleWithTheModifiedMark) {
    AppSession app;
    ASSERT_TRUE(app.WriteFile("ソース.html", "<P>x</P>"));
    const std::string path = app.Folder() + "ソース.html";
    ASSERT_TRUE(app.Start(Quoted(path)));
    ASSERT_NE(app.WaitForFrame(), nullptr);

    auto system = [&](WPARAM command) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(app.Frame(), WM_SYSCOMMAND, command, 0, SMTO_NORMAL, kReplyTimeout, &result);
    };
    system(SC_MINIMIZE);
    EXPECT_EQ(app.Title(), "ソース.html");
    system(SC_RESTORE);
    EXPECT_EQ(app.Title(), path);

    // Minimised straight after a keystroke: the keystroke's own check of the
    // marker, finished later, keeps the short title.
    app.PostChar(app.Editor(), 'z');
    PostMessageA(app.Frame(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(app.Flush());
    Sleep(300);
    ASSERT_TRUE(app.Flush());
    EXPECT_EQ(app.Title(), "ソース.html *");
    system(SC_RESTORE);
    EXPECT_EQ(app.Title(), path + " *");
    EXPECT_TRUE(app.CloseDiscarding());
}

TEST(FrameClose, CancellingTheQuestionAboutChangesKeepsTheWindowAndSavesNothing) {
    AppSession app;
    ASSERT_TRUE(app.WriteFile("page.html", "<P>x</P>"));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "page.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);
    app.PostChar(app.Editor(), 'z');
    ASSERT_TRUE(app.Flush());

    PostMessageA(app.Frame(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(app.Flush());
    // The question about the changes is answered with Cancel.
    std::string caption;
    EXPECT_NE(AnswerMessageBox(app, app.Frame(), IDCANCEL, &caption), "<no message box>");
    EXPECT_EQ(caption, "-- 注意 --");
    ASSERT_TRUE(app.Flush());
    EXPECT_TRUE(app.Running());
    EXPECT_TRUE(IsWindow(app.Frame()));
    EXPECT_EQ(app.Ini("WindowSize", "cx"), "<absent>"); // nothing saved
    EXPECT_NE(app.ReadFile("tmp_preview.html"), "<absent>");
    EXPECT_TRUE(app.CloseDiscarding());
}

namespace {

constexpr int kGeneralPageChecks[] = {IDC_OPT_MOST_FRONT,   IDC_OPT_MOST_BIG,    IDC_OPT_SMALL_TAG,
                                      IDC_OPT_SIDE_BY_SIDE, IDC_OPT_AUTO_BACKUP, IDC_OPT_NEW_HTML_FILE};

// The palette of a colour button, once it is open.
HWND WaitForPalette(const AppSession& app) {
    HWND palette = nullptr;
    WaitUntil([&] {
        palette = FindWindowA("QuiltmarkColourPopup", nullptr);
        DWORD pid = 0;
        GetWindowThreadProcessId(palette, &pid);
        return palette && pid == GetProcessId(app.Process());
    });
    return palette;
}

// The options dialog's tab moved one page to the right, as the arrow key does.
void NextPage(const AppSession& app, HWND options) {
    HWND tab = GetDlgItem(options, IDC_OPT_TAB);
    app.PostKey(tab, VK_RIGHT);
    ASSERT_TRUE(app.Flush());
}

} // namespace

TEST(FrameOptions, PagesDefaultsValidationAndOkAppliedAtOnce) {
    AppSession app;
    app.SetIni("Option", "R0", "0"); // a black background to begin with
    app.SetIni("Option", "G0", "0");
    app.SetIni("Option", "B0", "0");
    ASSERT_TRUE(app.WriteFile("long.html", std::string(300, 'a')));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "long.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);
    ASSERT_EQ(app.Query(kQueryEditorColour, 0), 0);
    app.PostKey(app.Editor(), VK_END);
    ASSERT_TRUE(app.Flush());
    ASSERT_EQ(app.Query(kQueryCaretColumn), 300); // one row: no wrapping yet

    app.PostCommand(ID_TOOLS_OPTIONS);
    HWND options = WaitForDialog(app, "総合的なオプション");
    ASSERT_NE(options, nullptr);
    HWND tab = GetDlgItem(options, IDC_OPT_TAB);
    EXPECT_EQ(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0), 3);
    // Page 1 shows, pages 2 and 3 wait; the ruler and line numbers are on by default.
    EXPECT_TRUE(Visible(GetDlgItem(options, IDC_OPT_WRAP)));
    EXPECT_TRUE(Visible(GetDlgItem(options, IDC_OPT_COLOUR_BACKGROUND)));
    EXPECT_FALSE(Visible(GetDlgItem(options, IDC_OPT_MOST_FRONT)));
    EXPECT_FALSE(Visible(GetDlgItem(options, IDC_OPT_ASCII_LIST)));
    EXPECT_TRUE(Checked(options, IDC_OPT_RULER));
    EXPECT_TRUE(Checked(options, IDC_OPT_LINE_NUMBERS));

    // The background's palette: from black (its first cell) up to the default
    // box, accepted. The button then shows no colour; OK stores the default.
    // (The pointer is parked away from the palette, which follows the mouse.)
    SetCursorPos(0, 0);
    DWORD_PTR clicked = 0;
    SendMessageTimeoutA(GetDlgItem(options, IDC_OPT_COLOUR_BACKGROUND), BM_CLICK, 0, 0, SMTO_NORMAL,
                        kReplyTimeout, &clicked);
    HWND palette = WaitForPalette(app);
    ASSERT_NE(palette, nullptr);
    app.PostKey(palette, VK_UP);
    app.PostKey(palette, VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(palette); }));
    SetCheck(options, IDC_OPT_WRAP, true);
    SetCheck(options, IDC_OPT_LINE_NUMBERS, false);
    SetCheck(options, IDC_OPT_MAIL, true);

    // Page 2, placed by pixels below the tabs; its defaults touch only its boxes.
    NextPage(app, options);
    EXPECT_EQ(SendMessageA(tab, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_FALSE(Visible(GetDlgItem(options, IDC_OPT_WRAP)));
    for (int id : kGeneralPageChecks)
        EXPECT_TRUE(Visible(GetDlgItem(options, id))) << id;
    RECT box{};
    GetWindowRect(GetDlgItem(options, IDC_OPT_SMALL_TAG), &box);
    MapWindowPoints(nullptr, options, reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, 15);
    EXPECT_EQ(box.top, 90);
    EXPECT_TRUE(Checked(options, IDC_OPT_SIDE_BY_SIDE));
    SetCheck(options, IDC_OPT_SIDE_BY_SIDE, false);
    SetCheck(options, IDC_OPT_SMALL_TAG, true);
    Click(options, IDC_OPT_DEFAULTS);
    EXPECT_TRUE(Checked(options, IDC_OPT_SIDE_BY_SIDE));
    EXPECT_FALSE(Checked(options, IDC_OPT_SMALL_TAG));
    EXPECT_TRUE(Checked(options, IDC_OPT_WRAP)); // page 1 untouched
    SetCheck(options, IDC_OPT_MOST_FRONT, true);
    SetCheck(options, IDC_OPT_SMALL_TAG, true);

    // Page 3: the explanation and the list; a list without its commas is refused.
    NextPage(app, options);
    EXPECT_TRUE(Visible(GetDlgItem(options, IDC_OPT_ASCII_LIST)));
    EXPECT_EQ(AppSession::TextOf(GetDlgItem(options, IDC_OPT_ASCII_EXPLANATION)),
              "アスキーモードで転送したい拡張子を『,』で区切って登録して下さい。\n"
              "その際、先頭と最後に必ず『,』を入れてください。\n"
              "( この設定は \"自動判別モード\" 使用時に使われます )");
    // The start-up stored the default list (the FTP tab's transfer mode asks for it).
    EXPECT_EQ(AppSession::TextOf(GetDlgItem(options, IDC_OPT_ASCII_LIST)),
              ",txt,shtml,shtm,pl,js,java,html,htm,css,cgi,");
    SetText(options, IDC_OPT_ASCII_LIST, ",gif,");
    Click(options, IDC_OPT_DEFAULTS);
    EXPECT_EQ(AppSession::TextOf(GetDlgItem(options, IDC_OPT_ASCII_LIST)),
              ",txt,shtml,shtm,pl,js,java,html,htm,css,cgi,");
    for (const char* refused : {"txt,htm,", ",txt,htm", ""}) {
        SCOPED_TRACE(refused);
        // Refused from another page: page 3 is shown with the message.
        SendMessageA(tab, TCM_SETCURSEL, 0, 0);
        SetText(options, IDC_OPT_ASCII_LIST, refused);
        PostClick(options, IDOK);
        std::string caption;
        EXPECT_EQ(AnswerMessageBox(app, options, IDOK, &caption), "最初と最後は必ず『,』で終えて下さい");
        EXPECT_EQ(caption, "Quiltmark");
        EXPECT_TRUE(IsWindow(options));
        EXPECT_EQ(SendMessageA(tab, TCM_GETCURSEL, 0, 0), 2);
        EXPECT_TRUE(Visible(GetDlgItem(options, IDC_OPT_ASCII_LIST)));
    }
    SetText(options, IDC_OPT_ASCII_LIST, ",txt,htm,");
    PostClick(options, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(options); }));
    ASSERT_TRUE(app.Flush());

    // Written at once, and applied to the editor and the window at once (the
    // window is put in the top-most band last).
    EXPECT_TRUE(WaitUntil([&] { return (GetWindowLongA(app.Frame(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }));
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } written[] = {
        {"FTP_SendMode", "SendModeAscii", ",txt,htm,"},
        {"Option", "ChkRightReturn", "1"},
        {"Option", "isClickable0", "0"},
        {"Option", "isClickable2", "1"},
        {"Option", "isRuler", "1"},
        {"Option", "isLineNum", "0"},
        {"Option", "ChkMostFront", "1"},
        {"Option", "ChkSmallTag", "1"},
        {"HowPreview", "isMyHowRL", "1"},
        {"Option", "R0", "255"},
        {"Option", "G0", "255"},
        {"Option", "B0", "255"},
        {"Option", "R2", "0"},
        {"Option", "B2", "255"},
    };
    for (const auto& w : written)
        EXPECT_EQ(app.Ini(w.section, w.key), w.value) << w.section << "/" << w.key;
    EXPECT_EQ(app.Query(kQueryEditorColour, 0), 0xFFFFFF);
    EXPECT_LT(app.Query(kQueryCaretColumn), 300); // the long line wraps now

    // Cancel changes nothing.
    app.PostCommand(ID_TOOLS_OPTIONS);
    options = WaitForDialog(app, "総合的なオプション");
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(Checked(options, IDC_OPT_WRAP));
    // Page 1's defaults: clickable addresses and wrapping off, ruler and numbers on.
    Click(options, IDC_OPT_DEFAULTS);
    EXPECT_FALSE(Checked(options, IDC_OPT_WRAP));
    EXPECT_FALSE(Checked(options, IDC_OPT_MAIL));
    EXPECT_TRUE(Checked(options, IDC_OPT_LINE_NUMBERS));
    EXPECT_TRUE(Checked(options, IDC_OPT_RULER));
    SetText(options, IDC_OPT_ASCII_LIST, "refused");
    Click(options, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(options); }));
    ASSERT_TRUE(app.Flush());
    EXPECT_EQ(app.Ini("Option", "ChkRightReturn"), "1");
    EXPECT_EQ(app.Ini("Option", "isClickable2"), "1");
    EXPECT_EQ(app.Ini("FTP_SendMode", "SendModeAscii"), ",txt,htm,");
    EXPECT_LT(app.Query(kQueryCaretColumn), 300);
}

TEST(FrameTools, EntriesAreEditedStoredAndRunFromTheToolsMenu) {
    AppSession app;
    CreateDirectoryA((app.Folder() + "tools").c_str(), nullptr);
    ASSERT_TRUE(app.CopyBinary("ArgsEcho.exe", "tools\\echo.exe"));
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);

    app.PostCommand(ID_TOOLS_EXTERNAL);
    HWND tools = WaitForDialog(app, "外部ツールの登録/編集");
    ASSERT_NE(tools, nullptr);
    HWND list = GetDlgItem(tools, IDC_TOOLS_LIST);
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 5);
    // Another process's list box answers in UTF-16.
    wchar_t entry[64] = {};
    SendMessageW(list, LB_GETTEXT, 4, reinterpret_cast<LPARAM>(entry));
    EXPECT_STREQ(entry, L"\u30C4\u30FC\u30EB 05"); // "ツール 05"
    // Entry 0 shows the first-run browser.
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(AppSession::TextOf(GetDlgItem(tools, IDC_TOOLS_NAME)), "Internet Explorer");
    EXPECT_TRUE(Checked(tools, IDC_TOOLS_IS_BROWSER));

    auto select = [&](int index) {
        SendMessageA(list, LB_SETCURSEL, index, 0);
        DWORD_PTR result = 0;
        SendMessageTimeoutA(tools, WM_COMMAND, MAKEWPARAM(IDC_TOOLS_LIST, LBN_SELCHANGE),
                            reinterpret_cast<LPARAM>(list), SMTO_NORMAL, kReplyTimeout, &result);
    };
    select(2);
    EXPECT_EQ(AppSession::TextOf(GetDlgItem(tools, IDC_TOOLS_NAME)), "");
    // A missing name is refused and nothing is stored.
    SetText(tools, IDC_TOOLS_PATH, app.Folder() + "tools\\echo.exe");
    PostClick(tools, IDOK);
    std::string caption;
    EXPECT_EQ(AnswerMessageBox(app, tools, IDOK, &caption), "入力項目が不足しています");
    EXPECT_EQ(caption, "エラー");
    SetText(tools, IDC_TOOLS_NAME, "エコー");
    SetCheck(tools, IDC_TOOLS_IS_BROWSER, false);
    PostClick(tools, IDOK);
    EXPECT_EQ(AnswerMessageBox(app, tools, IDOK, &caption), "追加/更新しました");
    EXPECT_EQ(caption, "追加/更新の確認");
    EXPECT_TRUE(IsWindow(tools)); // the dialog stays

    // Entry 0 deleted: its fields are cleared.
    select(0);
    PostClick(tools, IDC_TOOLS_DELETE);
    EXPECT_EQ(AnswerMessageBox(app, tools, IDOK, &caption), "削除しました");
    EXPECT_EQ(caption, "削除の確認");
    EXPECT_EQ(AppSession::TextOf(GetDlgItem(tools, IDC_TOOLS_NAME)), "");
    EXPECT_FALSE(Checked(tools, IDC_TOOLS_IS_BROWSER));

    Click(tools, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(tools); }));
    ASSERT_TRUE(app.Flush()); // the keys are written once the dialog has closed
    EXPECT_EQ(app.Ini("Tools", "Name1"), "");
    EXPECT_EQ(app.Ini("Tools", "Path1"), "");
    EXPECT_EQ(app.Ini("Tools", "Name3"), "エコー");
    EXPECT_EQ(app.Ini("Tools", "Path3"), app.Folder() + "tools\\echo.exe");
    EXPECT_EQ(app.Ini("Tools", "isBrow3"), "0");
    EXPECT_EQ(app.Ini("Tools", "OpenDir"), app.Folder());

    // The menu lists the named tool only, and its command runs it.
    OpenMenuBar(app);
    EXPECT_EQ(app.Query(kQueryMenuItemCount, MenuItemArgument(kToolsMenu, 0)), 4);
    EXPECT_EQ(app.Query(kQueryMenuItemId, MenuItemArgument(kToolsMenu, 3)), ID_TOOL_1 + 2);
    EXPECT_EQ(MenuText(app, kToolsMenu, 3), "エコー");
    app.PostCommand(ID_TOOL_1 + 2);
    EXPECT_TRUE(WaitUntil([&] { return app.ReadFile("tools\\args.txt") != "<absent>"; }));
}

TEST(FrameAbout, ShowsTheLibraryStatusWithAndWithoutNkf) {
    // The version the library reports, asked here as the program asks it.
    std::string version = "<not loaded>";
    {
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::string folder(self);
        folder.resize(folder.rfind('\\') + 1);
        HMODULE nkf = LoadLibraryA((folder + "NKF32.DLL").c_str());
        ASSERT_NE(nkf, nullptr) << "NKF32.DLL beside the driver";
        auto get = reinterpret_cast<void(WINAPI*)(char*)>(
            reinterpret_cast<void*>(GetProcAddress(nkf, "GetNkfVersion")));
        ASSERT_NE(get, nullptr);
        char text[260] = {};
        get(text);
        version = text;
        FreeLibrary(nkf);
    }

    for (bool installed : {false, true}) {
        SCOPED_TRACE(installed ? "with NKF32.DLL" : "without NKF32.DLL");
        AppSession app;
        if (installed) {
            ASSERT_TRUE(app.CopyBinary("NKF32.DLL", "NKF32.DLL"));
        }
        ASSERT_TRUE(app.Start());
        ASSERT_NE(app.WaitForFrame(), nullptr);
        app.PostCommand(ID_APP_ABOUT);
        HWND about = WaitForDialog(app, "Quiltmarkのﾊﾞｰｼﾞｮﾝ情報");
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(AppSession::TextOf(GetDlgItem(about, IDC_ABOUT_VERSION)), "Quiltmark Version 8.43");
        EXPECT_EQ(AppSession::TextOf(GetDlgItem(about, IDC_ABOUT_LIBRARY_STATUS)),
                  installed ? "NKF32.DLL\t" + version : std::string("NKF32.DLL\t未導入"));
        for (int id : {IDC_ABOUT_MAIL, IDC_ABOUT_PICTURE, IDC_ABOUT_LIBRARY_LINK1, IDC_ABOUT_LIBRARY_LINK2})
            EXPECT_TRUE(Visible(GetDlgItem(about, id))) << id;
        Click(about, IDOK);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    }
}
