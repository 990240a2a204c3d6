// End-to-end tests of the authoring commands in the real program: the simple
// tag commands with and without a selection, the lower-case option, Ctrl+Enter,
// paste as HTML, the user-tag dialog with the menu and Alt+digit afterwards,
// and the ending transforms; one undo reverses each command.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "AppSession.h"
#include "Automation.h"
#include "resource_ids.h"

using namespace quiltmark::automation;

namespace {

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

// Starts the program on a file of the session folder holding `text` (which
// ends in CR LF, as every line of an opened file does).
void StartWith(AppSession& app, const std::string& text) {
    ASSERT_TRUE(app.WriteFile("page.html", text));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "page.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);
    ASSERT_EQ(app.EditorText(), text);
}

int Caret(const AppSession& app) {
    return static_cast<int>(app.Query(kQuerySelectionStart));
}

// Presses keys through the system's input, as a user would: the program's
// window comes to the front, and the keys are pressed in order and released
// in reverse order.
void PressKeys(const AppSession& app, std::vector<WORD> keys) {
    SetForegroundWindow(app.Frame());
    WaitUntil([&] { return GetForegroundWindow() == app.Frame(); }, 3000);
    std::vector<INPUT> input;
    for (WORD key : keys) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        input.push_back(in);
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *it;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        input.push_back(in);
    }
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
}

bool WaitForText(const AppSession& app, const std::string& text) {
    return WaitUntil([&] { return app.EditorText() == text; }, 5000);
}

void SetClipboardBytes(const std::string& bytes) {
    ASSERT_TRUE(WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 3000));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    auto* p = static_cast<char*>(GlobalLock(block));
    memcpy(p, bytes.c_str(), bytes.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

// The text of the user-tag submenu's item at a position, read through the view.
std::string UserTagItemText(const AppSession& app, int position) {
    std::string text;
    for (int i = 0;; ++i) {
        const LRESULT byte = app.Query(kQueryUserTagItemByte, (position << 16) | i);
        if (byte < 0)
            return text;
        text += static_cast<char>(byte);
    }
}

struct MenuItem {
    int id;
    std::string text;
    bool operator==(const MenuItem&) const = default;
};

std::ostream& operator<<(std::ostream& out, const MenuItem& item) {
    return out << item.id << " \"" << item.text << "\"";
}

// The user-tag submenu after the frame rebuilt it, as opening the menu bar does.
std::vector<MenuItem> UserTagMenu(const AppSession& app) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(app.Frame(), WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(app.Frame())), 0,
                        SMTO_NORMAL, 10000, &ignored);
    std::vector<MenuItem> items;
    const int count = static_cast<int>(app.Query(kQueryUserTagItems));
    for (int i = 0; i < count; ++i)
        items.push_back({static_cast<int>(app.Query(kQueryUserTagItemId, i)), UserTagItemText(app, i)});
    return items;
}

} // namespace

// Every simple tag command with nothing selected, in capitals, each reversed
// by one undo; then Bold, centre alignment and the line break over
// selections, and nothing at all on the preview tab.
TEST(AuthoringTags, EveryCommandInsertsItsTextsAndOneUndoReversesIt) {
    AppSession app;
    StartWith(app, "");
    const struct {
        int id;
        const char* start;
        const char* end;
    } commands[] = {
        {32822, "<TT>", "</TT>"},
        {32771, "<B>", "</B>"},
        {32785, "<I>", "</I>"},
        {32786, "<U>", "</U>"},
        {32787, "<S>", "</S>"},
        {32893, "<BLINK>", "</BLINK>"},
        {32894, "<SUP>", "</SUP>"},
        {32895, "<SUB>", "</SUB>"},
        {32896, "<PRE>", "</PRE>"},
        {32897, "<H1>", "</H1>"},
        {32898, "<H2>", "</H2>"},
        {32899, "<H3>", "</H3>"},
        {32900, "<H4>", "</H4>"},
        {32901, "<H5>", "</H5>"},
        {32902, "<H6>", "</H6>"},
        {32793, "<DIV ALIGN=\"left\">", "</DIV>"},
        {32794, "<DIV ALIGN=\"center\">", "</DIV>"},
        {32795, "<DIV ALIGN=\"right\">", "</DIV>"},
        {32796, "<!-- ", " -->"},
        {32788, "<BR>", ""},
        {32791, "<HR>", ""},
        {32797, "&nbsp;", ""},
        {32798, "&#060;", ""},
        {32799, "&#062;", ""},
        {32800, "&#034;", ""},
        {32801, "&#038;", ""},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.id);
        const std::string start = c.start;
        app.Command(c.id);
        EXPECT_EQ(app.EditorText(), start + c.end);
        EXPECT_EQ(Caret(app), 1 + static_cast<int>(start.size())) << "caret between the texts";
        app.Command(ID_EDIT_UNDO);
        EXPECT_EQ(app.EditorText(), "");
    }
    ASSERT_TRUE(app.CloseDiscarding());
}

TEST(AuthoringTags, SelectionsAreWrappedOnceOrReplaced) {
    AppSession app;
    const std::string text = "abc\r\ndef\r\nghi\r\n";
    StartWith(app, text);
    const struct {
        int id;
        std::string result;
    } cases[] = {
        {ID_FORMAT_BOLD, "<B>" + text + "</B>"},
        {ID_FORMAT_CENTER, "<DIV ALIGN=\"center\">" + text + "</DIV>"},
        {ID_INSERT_BR, "<BR>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        app.Command(ID_EDIT_SELECT_ALL);
        app.Command(c.id);
        EXPECT_EQ(app.EditorText(), c.result);
        EXPECT_EQ(Caret(app), 1 + static_cast<int>(c.result.size())) << "caret after the end text";
        app.Command(ID_EDIT_UNDO);
        EXPECT_EQ(app.EditorText(), text);
    }

    // Ctrl+Enter reaches the line-break command from the editor.
    app.Command(ID_EDIT_SELECT_ALL);
    PressKeys(app, {VK_CONTROL, VK_RETURN});
    EXPECT_TRUE(WaitForText(app, "<BR>")) << app.EditorText();
    app.Command(ID_EDIT_UNDO);
    EXPECT_EQ(app.EditorText(), text);

    // On the preview tab the editor is not showing: nothing changes.
    app.Command(ID_VIEW_TAB_PREVIEW);
    for (int id : {ID_FORMAT_BOLD, ID_INSERT_BR, ID_EDIT_PASTE_AS_HTML, ID_ENDING_DOG, ID_USERTAG_BAR1})
        app.Command(id);
    EXPECT_EQ(app.EditorText(), text);
    ASSERT_TRUE(app.CloseDiscarding());
}

TEST(AuthoringTags, LowerCaseOptionLowersTagsButNotTheSelection) {
    AppSession app;
    app.SetIni("Option", "ChkSmallTag", "1");
    StartWith(app, "");
    app.Command(ID_FORMAT_BOLD);
    EXPECT_EQ(app.EditorText(), "<b></b>");
    EXPECT_EQ(Caret(app), 4);
    app.Command(ID_FORMAT_CENTER);
    EXPECT_EQ(app.EditorText(), "<b><div align=\"center\"></div></b>");
    app.Command(ID_EDIT_SELECT_ALL);
    app.Command(ID_CHAR_COMMENT);
    EXPECT_EQ(app.EditorText(), "<!-- <b><div align=\"center\"></div></b> -->");
    ASSERT_TRUE(app.CloseDiscarding());
}

TEST(AuthoringPaste, ClipboardTextIsConvertedInPlaceOfTheSelection) {
    AppSession app;
    StartWith(app, "[old]\r\n");
    const struct {
        const char* clipboard;
        const char* result;
    } cases[] = {
        {"a < b & \"c\"\r\nsee http://x.jp/表?q=1&r=2 now\r\n",
         "a &#060; b &#038; &#034;c&#034;<BR>\r\n"
         "see <A Href=\"http://x.jp/\">http://x.jp/</A>表?q=1&#038;r=2 now<BR>\r\n"},
        {"one\r\ntwo", "one<BR>\r\ntwo"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clipboard);
        SetClipboardBytes(c.clipboard);
        app.Command(ID_EDIT_SELECT_ALL);
        app.Command(ID_EDIT_PASTE_AS_HTML);
        EXPECT_EQ(app.EditorText(), c.result);
        EXPECT_EQ(Caret(app), 1 + static_cast<int>(std::string(c.result).size()));
        app.Command(ID_EDIT_UNDO);
        EXPECT_EQ(app.EditorText(), "[old]\r\n");
    }
    // The FTP log box keeps its text and is left scrolled to its end.
    HWND log = GetDlgItem(app.View(), IDC_FTP_LOG);
    EXPECT_EQ(AppSession::TextOf(log), "ここにFTPの簡易ログが表示されます");
    std::string lines;
    for (int i = 1; i <= 40; ++i)
        lines += "line " + std::to_string(i) + "\r\n";
    SendMessageA(log, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lines.c_str()));
    SendMessageA(log, EM_LINESCROLL, 0, -1000);
    ASSERT_EQ(SendMessageA(log, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    SetClipboardBytes("x");
    app.Command(ID_EDIT_PASTE_AS_HTML);
    EXPECT_EQ(AppSession::TextOf(log), lines);
    EXPECT_GT(SendMessageA(log, EM_GETFIRSTVISIBLELINE, 0, 0), 30);
    ASSERT_TRUE(app.CloseDiscarding());
}

TEST(AuthoringEndings, TheWholeTextIsRewrittenAsOneStep) {
    AppSession app;
    const std::string text = "これはペンです。\r\nでですす <P TITLE=\"です\">\r\n";
    StartWith(app, text);
    const struct {
        int id;
        const char* result;
    } cases[] = {
        {ID_ENDING_DOG, "これはペンだわん。\r\nでだわんす <P TITLE=\"だわん\">\r\n"},
        {ID_ENDING_CAT, "これはペンだにゃん。\r\nでだにゃんす <P TITLE=\"だにゃん\">\r\n"},
        {ID_ENDING_MOUSE, "これはペンだちゅ～。\r\nでだちゅ～す <P TITLE=\"だちゅ～\">\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        app.Command(c.id);
        EXPECT_EQ(app.EditorText(), c.result);
        EXPECT_EQ(Caret(app), 1 + static_cast<int>(std::string(c.result).size()));
        app.Command(ID_EDIT_UNDO);
        EXPECT_EQ(app.EditorText(), text);
    }
    ASSERT_TRUE(app.CloseDiscarding());
}

namespace {

// The program's dialog box (class "#32770") with this caption and owner.
HWND WaitForOwnedDialog(const AppSession& app, HWND owner, DWORD timeoutMs = 10000) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND box : app.MessageBoxes())
                if (GetWindow(box, GW_OWNER) == owner)
                    found = box;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

struct Box {
    std::string text;
    std::string caption;
    bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Box& box) {
    return out << "\"" << box.caption << "\": \"" << box.text << "\"";
}

// Clicks a button of the dialog, and reads and closes the message box it shows.
Box ClickAndAnswer(const AppSession& app, HWND dialog, int button) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    HWND box = WaitForOwnedDialog(app, dialog);
    if (!box)
        return {"<no message>", ""};
    Box shown{AppSession::MessageText(box), AppSession::TextOf(box)};
    AppSession::PressOk(box);
    return shown;
}

void ChooseItem(HWND dialog, int listId, int item) {
    HWND list = GetDlgItem(dialog, listId);
    SendMessageA(list, CB_SETCURSEL, item, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// The item's text in the program's code page. Asked in UTF-16, which is
// carried across processes whole (Wine hands the ANSI form over unconverted).
std::string ListItem(HWND dialog, int listId, int item) {
    HWND list = GetDlgItem(dialog, listId);
    const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, item, 0);
    if (length < 0)
        return "<none>";
    std::wstring wide(length + 1, L'\0');
    SendMessageW(list, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(wide.data()));
    char text[256] = {};
    const int bytes = WideCharToMultiByte(932, 0, wide.c_str(), -1, text, sizeof text, nullptr, nullptr);
    return std::string(text, bytes > 0 ? bytes - 1 : 0);
}

int Chosen(HWND dialog, int listId) {
    return static_cast<int>(SendMessageA(GetDlgItem(dialog, listId), CB_GETCURSEL, 0, 0));
}

void Type(HWND dialog, const char* start, const char* end, const char* name) {
    SetDlgItemTextA(dialog, IDC_USERTAG_START, start);
    SetDlgItemTextA(dialog, IDC_USERTAG_END, end);
    SetDlgItemTextA(dialog, IDC_USERTAG_NAME, name);
}

std::vector<std::string> Boxes(HWND dialog) {
    return {AppSession::TextOf(GetDlgItem(dialog, IDC_USERTAG_START)),
            AppSession::TextOf(GetDlgItem(dialog, IDC_USERTAG_END)),
            AppSession::TextOf(GetDlgItem(dialog, IDC_USERTAG_NAME))};
}

} // namespace

// The registration dialog from a hand-edited settings file whose first
// toolbar value is no slot: adding, updating, refusing and deleting slots,
// closing with the close box; then the settings file, the menu, Alt+digit and
// the two toolbar buttons.
TEST(AuthoringUserTags, RegisteredTagsReachTheFileTheMenuTheKeysAndTheToolbar) {
    AppSession app;
    app.SetIni("UserTag", "Bar1", "57");
    app.SetIni("UserTag", "Open20", "HR");
    StartWith(app, "");
    EXPECT_EQ(UserTagMenu(app), (std::vector<MenuItem>{{32857, "タグの登録/編集(&A)"}, {50019, "<HR>"}}));
    app.Command(ID_USERTAG_BAR1);
    EXPECT_EQ(app.EditorText(), "") << "a stored value that is no slot assigns nothing";

    app.PostCommand(ID_USERTAG_EDIT);
    HWND dialog = WaitForOwnedDialog(app, app.Frame());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(AppSession::TextOf(dialog), "ユーザ定義タグ");
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, IDC_USERTAG_SLOT), CB_GETCOUNT, 0, 0), 20);
    EXPECT_EQ(ListItem(dialog, IDC_USERTAG_SLOT, 0), "タグ 01");
    EXPECT_EQ(ListItem(dialog, IDC_USERTAG_SLOT, 19), "タグ 20");
    for (int list : {IDC_USERTAG_BAR1, IDC_USERTAG_BAR2}) {
        EXPECT_EQ(SendMessageA(GetDlgItem(dialog, list), CB_GETCOUNT, 0, 0), 21);
        EXPECT_EQ(ListItem(dialog, list, 20), "未割当て");
    }
    EXPECT_EQ(Chosen(dialog, IDC_USERTAG_SLOT), 0);
    EXPECT_EQ(Chosen(dialog, IDC_USERTAG_BAR1), 20) << "Bar1=57 shows as unassigned";
    EXPECT_EQ(Chosen(dialog, IDC_USERTAG_BAR2), 1);

    Type(dialog, "B", "B", "");
    EXPECT_EQ(ClickAndAnswer(app, dialog, IDOK), (Box{"<B>***</B>\nを登録/更新しました", "登録/更新の確認"}));
    ChooseItem(dialog, IDC_USERTAG_SLOT, 2);
    EXPECT_EQ(Boxes(dialog), (std::vector<std::string>{"", "", ""}));
    Type(dialog, "SPAN CLASS=note", "SPAN", "");
    EXPECT_EQ(ClickAndAnswer(app, dialog, IDOK).caption, "登録/更新の確認");
    ChooseItem(dialog, IDC_USERTAG_SLOT, 4);
    Type(dialog, "", "I", "斜め");
    EXPECT_EQ(ClickAndAnswer(app, dialog, IDOK), (Box{"開始タグを設定して下さい", "エラー"}));
    Type(dialog, "IMG SRC=\"a.png\"", "", "");
    EXPECT_EQ(ClickAndAnswer(app, dialog, IDOK),
              (Box{"<IMG SRC=\"a.png\"> を追加/更新しました", "追加/更新の確認"}));
    EXPECT_EQ(ClickAndAnswer(app, dialog, IDC_USERTAG_DELETE), (Box{"削除しました", "削除の確認"}));
    EXPECT_EQ(Boxes(dialog), (std::vector<std::string>{"", "", ""}));
    // Back to slot 1: its texts show, and a name updates it.
    ChooseItem(dialog, IDC_USERTAG_SLOT, 0);
    EXPECT_EQ(Boxes(dialog), (std::vector<std::string>{"B", "B", ""}));
    SetDlgItemTextA(dialog, IDC_USERTAG_NAME, "太字");
    EXPECT_EQ(ClickAndAnswer(app, dialog, IDOK).caption, "登録/更新の確認");
    ChooseItem(dialog, IDC_USERTAG_BAR1, 2);
    ChooseItem(dialog, IDC_USERTAG_BAR2, 20);
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(app.Flush()) << "the store is saved once the dialog has closed";

    const struct {
        const char* key;
        const char* value;
    } stored[] = {{"Open1", "B"},   {"End1", "B"}, {"Str1", "太字"}, {"Open3", "SPAN CLASS=note"},
                  {"End3", "SPAN"}, {"Open5", ""}, {"End5", ""},     {"Open20", "HR"},
                  {"Bar1", "2"},    {"Bar2", "20"}};
    for (const auto& s : stored)
        EXPECT_EQ(app.Ini("UserTag", s.key), s.value) << s.key;
    EXPECT_EQ(UserTagMenu(app), (std::vector<MenuItem>{{32857, "タグの登録/編集(&A)"},
                                                       {50000, "太字\tAlt+1"},
                                                       {50002, "<SPAN CLASS=note>***</SPAN>\tAlt+3"},
                                                       {50019, "<HR>"}}));

    // Alt+3 inserts slot 3 with the caret between its tags; Alt+5 (a free
    // slot) does nothing, which Alt+1 after it shows.
    PressKeys(app, {VK_MENU, '3'});
    ASSERT_TRUE(WaitForText(app, "<SPAN CLASS=note></SPAN>")) << app.EditorText();
    EXPECT_EQ(Caret(app), 18);
    PressKeys(app, {VK_MENU, '5'});
    PressKeys(app, {VK_MENU, '1'});
    ASSERT_TRUE(WaitForText(app, "<SPAN CLASS=note><B></B></SPAN>")) << app.EditorText();
    app.Command(ID_EDIT_UNDO);
    EXPECT_EQ(app.EditorText(), "<SPAN CLASS=note></SPAN>") << "one undo step per tag";

    // The toolbar buttons: the first now holds slot 3, the second none.
    app.Command(ID_EDIT_SELECT_ALL);
    app.Command(ID_USERTAG_BAR1);
    EXPECT_EQ(app.EditorText(), "<SPAN CLASS=note><SPAN CLASS=note></SPAN></SPAN>");
    app.Command(ID_USERTAG_BAR2);
    app.Command(50019);
    EXPECT_EQ(app.EditorText(), "<SPAN CLASS=note><SPAN CLASS=note></SPAN></SPAN><HR>");
    ASSERT_TRUE(app.CloseDiscarding());

    // A restart reads the store back.
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);
    EXPECT_EQ(UserTagMenu(app).size(), 4u);
    ASSERT_TRUE(app.CloseDiscarding());
}
