// End-to-end tests of the structured insertions in the real program: each
// dialog opened from its command, filled by control id, confirmed (the text
// inserted checked exactly) and cancelled; pictures of known size in a
// sub-folder of the document; relative paths and the remembered folders;
// the colour picker by keys and by the real mouse; the showing test and the
// lower-case option. With QUILTMARK_SHOTS naming a folder and
// QUILTMARK_SCREENSHOT the screenshot script (scripts/screenshot), pictures
// of every dialog and of the open palette are saved there.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "AppSession.h"
#include "Automation.h"
#include "resource_ids.h"

namespace {

constexpr const char* kPopupClass = "QuiltmarkColourPopup";

struct Box {
    int x, y, width, height;
    bool operator==(const Box&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << "(" << b.x << ", " << b.y << ", " << b.width << " x " << b.height << ")";
}

// A control's rectangle in its dialog's client coordinates.
Box InDialog(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Box WindowSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {0, 0, r.right - r.left, r.bottom - r.top};
}

std::string Text(HWND dialog, int id) {
    return AppSession::TextOf(GetDlgItem(dialog, id));
}

void SetText(HWND dialog, int id, const std::string& text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_NORMAL, 10000, &result);
}

LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, id), message, wParam, lParam, SMTO_NORMAL, 10000, &result);
    return static_cast<LRESULT>(result);
}

// Presses a button of a dialog as a click would.
void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string ComboItem(HWND dialog, int id, int index) {
    const LRESULT length = Send(dialog, id, CB_GETLBTEXTLEN, index);
    if (length < 0)
        return "<none>";
    // CB_GETLBTEXT is not carried across processes: select the item and read
    // the field, which is.
    Send(dialog, id, CB_SETCURSEL, index);
    return Text(dialog, id);
}

// Runs a shell command line on the Unix side and waits until it has ended
// (Wine gives no waitable handle for a Unix program: the shell leaves a marker).
bool RunUnix(const std::string& commandLine) {
    static int calls = 0;
    const std::string marker =
        "/tmp/qm-insertion-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++calls);
    std::string windowsMarker = "Z:" + marker;
    for (char& c : windowsMarker)
        if (c == '/')
            c = '\\';
    DeleteFileA(windowsMarker.c_str());
    std::string command = "Z:\\bin\\sh -c \"" + commandLine + "; touch " + marker + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    const bool finished = WaitUntil(
        [&] { return GetFileAttributesA(windowsMarker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000);
    DeleteFileA(windowsMarker.c_str());
    return finished;
}

// Saves a screenshot of the display when QUILTMARK_SHOTS names a folder.
void Shot(const std::string& name) {
    char folder[1024] = {};
    if (!GetEnvironmentVariableA("QUILTMARK_SHOTS", folder, sizeof folder) || !folder[0])
        return;
    char script[1024] = {};
    if (!GetEnvironmentVariableA("QUILTMARK_SCREENSHOT", script, sizeof script) || !script[0])
        return;
    Sleep(300); // let the last paint reach the display
    RunUnix(std::string(script) + " " + folder + "/" + name + ".png 900x700+0+0");
}

// Mouse input through X: moves to screen points, clicking where asked.
void RealMouse(const std::vector<std::pair<POINT, bool>>& steps) {
    std::string command = "xdotool";
    for (const auto& [at, click] : steps) {
        command += " mousemove " + std::to_string(at.x) + " " + std::to_string(at.y) + " sleep 0.3";
        if (click)
            command += " click 1 sleep 0.3";
    }
    RunUnix(command);
}

POINT Centre(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class Insertion : public testing::Test {
  protected:
    void SetUp() override {
        CreateDirectoryA((app.Folder() + "site").c_str(), nullptr);
        CreateDirectoryA((app.Folder() + "site\\img").c_str(), nullptr);
        CreateDirectoryA((app.Folder() + "site\\pages").c_str(), nullptr);
    }
    void TearDown() override { CloseDiscarding(); }

    // Starts the program on site\index.html holding `text`.
    void Start(const std::string& text) {
        ASSERT_TRUE(app.WriteFile("site\\index.html", text));
        const std::string document = Site() + "index.html";
        ASSERT_TRUE(app.Start(std::string(1, '"').append(document).append(1, '"')));
        ASSERT_TRUE(app.WaitForFrame());
        ASSERT_TRUE(app.Flush());
        original = app.EditorText();
    }
    std::string Site() const { return app.Folder() + "site\\"; }

    // The first visible dialog of the program with this title.
    HWND WaitForDialog(const std::string& title, DWORD timeoutMs = 10000) const {
        HWND found = nullptr;
        WaitUntil(
            [&] {
                for (HWND box : app.MessageBoxes())
                    if (AppSession::TextOf(box) == title)
                        found = box;
                return found != nullptr;
            },
            timeoutMs);
        return found;
    }
    // Opens a dialog by its command.
    HWND OpenDialog(int command, const std::string& title) {
        app.PostCommand(command);
        return WaitForDialog(title);
    }
    // Confirms or cancels a dialog and waits until the program has handled it.
    void Close(HWND dialog, int button) {
        Press(dialog, button);
        WaitUntil([&] { return !IsWindow(dialog); });
        app.Flush();
    }
    // The dialog a dialog opened over itself (a file dialog, a message box).
    HWND WaitForOwned(HWND owner) const {
        HWND found = nullptr;
        WaitUntil(
            [&] {
                for (HWND box : app.MessageBoxes())
                    if (GetWindow(box, GW_OWNER) == owner)
                        found = box;
                return found != nullptr;
            },
            10000);
        return found;
    }
    // Chooses a file in the file dialog that the browse button opens.
    void BrowseTo(HWND dialog, const std::string& path) {
        Press(dialog, IDC_LINK_BROWSE);
        HWND files = WaitForOwned(dialog);
        ASSERT_TRUE(files) << "no file dialog";
        Shot("file-dialog");
        const int nameBox = GetDlgItem(files, 0x47C) ? 0x47C : 0x480; // the file-name combo or edit
        SetText(files, nameBox, path);
        Press(files, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(files); }));
    }
    // Opens a picker's palette by telling the dialog of a click on it, as a
    // dialog driven by control id hears of one (the controls driver clicks
    // the button itself).
    HWND OpenPalette(HWND dialog, int pickerId) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(pickerId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, pickerId)));
        HWND palette = nullptr;
        WaitUntil([&] { return (palette = FindWindowA(kPopupClass, nullptr)) && IsWindowVisible(palette); });
        return palette;
    }
    void PaletteKeys(HWND palette, const std::vector<int>& keys) {
        for (int key : keys)
            PostMessageA(palette, WM_KEYDOWN, key, 0);
        WaitUntil([&] { return !IsWindow(palette); });
    }
    std::string StatusText() const { return AppSession::TextOf(app.Child(ID_VIEW_STATUS_BAR)); }

    // Closes the program, answering "No" should it ask about saving.
    void CloseDiscarding() {
        if (!app.Running())
            return;
        PostMessageA(app.Frame(), WM_CLOSE, 0, 0);
        WaitUntil(
            [&] {
                for (HWND box : app.MessageBoxes())
                    if (GetDlgItem(box, IDNO))
                        Press(box, IDNO);
                return !app.Running();
            },
            15000);
    }

    AppSession app;
    std::string original;
};

TEST_F(Insertion, LinkDialogPrefillsTheSelectedAddressAndMapsTargets) {
    // Typed, so that the selection holds the address without a line break.
    Start("");
    for (char c : std::string("http://example.jp/top"))
        app.PostChar(app.Editor(), c);
    app.Flush();
    original = app.EditorText();
    ASSERT_EQ(original, "http://example.jp/top");
    app.Command(ID_EDIT_SELECT_ALL);
    HWND dialog = OpenDialog(ID_INSERT_LINK, "リンクの挿入");
    ASSERT_TRUE(dialog);
    Shot("link-dialog");
    EXPECT_EQ(WindowSize(dialog), (Box{0, 0, 300, 250}));
    struct Place {
        int id;
        Box box;
        const char* text;
    } places[] = {
        {IDC_LINK_SAMPLE, {10, 10, 270, 20}, "<A Href=\"***\" Title=\"***\" Target=\"***\">***</A>"},
        {IDC_LINK_ADDRESS_LABEL, {10, 40, 200, 20}, "○ リンク先URL・ファイル名(AHref)"},
        {IDC_LINK_ADDRESS, {10, 60, 200, 20}, "http://example.jp/top"},
        {IDC_LINK_BROWSE, {220, 60, 60, 20}, "参照"},
        {IDC_LINK_TITLE_LABEL, {10, 100, 100, 20}, "○ 代替文字(Title)"},
        {IDC_LINK_TITLE, {130, 96, 150, 20}, ""},
        {IDC_LINK_TARGET_LABEL, {10, 140, 110, 20}, "○ ターゲット(Target)"},
        {IDC_LINK_TARGET, {130, 136, 150, 20}, ""},
        {IDOK, {50, 176, 70, 23}, "OK"},
        {IDCANCEL, {150, 176, 100, 23}, "ｷｬﾝｾﾙ"},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.id);
        Box box = InDialog(dialog, p.id);
        if (p.id == IDC_LINK_TARGET)
            box.height = p.box.height; // a combo box's field is as high as its font needs
        EXPECT_EQ(box, p.box);
        EXPECT_EQ(Text(dialog, p.id), p.text);
    }
    EXPECT_EQ(Send(dialog, IDC_LINK_TARGET, CB_GETCURSEL), CB_ERR) << "no target selected at first";
    ASSERT_EQ(Send(dialog, IDC_LINK_TARGET, CB_GETCOUNT), 4);
    const char* labels[] = {"新しいウィンドウ", "全画面", "親ウィンドウ", "同一ウィンドウ"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ComboItem(dialog, IDC_LINK_TARGET, i), labels[i]);

    SetText(dialog, IDC_LINK_TITLE, "トップ");
    Send(dialog, IDC_LINK_TARGET, CB_SETCURSEL, 1); // "全画面"
    Close(dialog, IDOK);
    EXPECT_EQ(app.EditorText(),
              "<A Href=\"http://example.jp/top\" Title=\"トップ\" Target=\"_top\">" + original + "</A>");

    // A typed target stays as typed; cancelling inserts nothing.
    const std::string before = app.EditorText();
    dialog = OpenDialog(ID_INSERT_LINK, "リンクの挿入");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(Text(dialog, IDC_LINK_ADDRESS), "http://") << "nothing selected";
    SetText(dialog, IDC_LINK_TARGET, "main");
    Close(dialog, IDCANCEL);
    EXPECT_EQ(app.EditorText(), before);
    dialog = OpenDialog(ID_INSERT_LINK, "リンクの挿入");
    ASSERT_TRUE(dialog);
    SetText(dialog, IDC_LINK_TARGET, "main");
    Close(dialog, IDOK);
    EXPECT_NE(app.EditorText().find("<A Href=\"http://\" Target=\"main\"></A>"), std::string::npos);
}

TEST_F(Insertion, BrowsedFilesBecomeRelativeAndTheirFoldersAreRemembered) {
    ASSERT_TRUE(app.WriteFile("site\\pages\\表.html", "page"));
    ASSERT_TRUE(app.CopyBinary("pictures\\a.png", "site\\img\\a.png"));
    Start("");
    HWND dialog = OpenDialog(ID_INSERT_LINK, "リンクの挿入");
    ASSERT_TRUE(dialog);
    BrowseTo(dialog, Site() + "pages\\表.html");
    EXPECT_EQ(Text(dialog, IDC_LINK_ADDRESS), Site() + "pages\\表.html");
    Close(dialog, IDOK);
    EXPECT_EQ(app.EditorText(), "<A Href=\"pages/表.html\"></A>");

    dialog = OpenDialog(ID_INSERT_IMAGE, "画像の挿入");
    ASSERT_TRUE(dialog);
    Shot("image-dialog");
    BrowseTo(dialog, Site() + "img\\a.png");
    SetText(dialog, IDC_LINK_TITLE, "ロゴ");
    Close(dialog, IDOK);
    EXPECT_EQ(app.EditorText(), "<A Href=\"pages/表.html\"><Img Src=\"img/a.png\" Alt=\"ロゴ\" Width=\"120\" "
                                "Height=\"40\" Border=\"0\"></A>");

    CloseDiscarding();
    EXPECT_EQ(app.Ini("File", "AHrefFileDir"), Site() + "pages\\");
    EXPECT_EQ(app.Ini("File", "ImgFileDir"), Site() + "img\\");
}

TEST_F(Insertion, ImageDialogMeasuresPicturesAndNotesWhatItCannotRead) {
    const char* pictures[] = {"a.png", "b.gif", "c.jpg", "d.bmp"};
    for (const char* name : pictures)
        ASSERT_TRUE(app.CopyBinary(std::string("pictures\\") + name, std::string("site\\img\\") + name));
    ASSERT_TRUE(app.WriteFile("site\\img\\fake.gif", "this is no picture"));
    Start("");
    HWND dialog = OpenDialog(ID_INSERT_IMAGE, "画像の挿入");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(WindowSize(dialog), (Box{0, 0, 254, 171}));
    struct Place {
        int id;
        Box box;
        const char* text;
    } places[] = {
        {IDC_LINK_SAMPLE, {15, 10, 200, 20}, "<Img Src=\"**\" Alt=\"**\" Width=\"...>"},
        {IDC_LINK_ADDRESS_LABEL, {15, 70, 80, 20}, "代替文字(Alt)"},
        {IDC_LINK_ADDRESS, {15, 35, 160, 20}, "http://"},
        {IDC_LINK_BROWSE, {185, 35, 50, 20}, "参照"},
        {IDC_LINK_TITLE, {95, 66, 140, 20}, ""},
        {IDOK, {33, 103, 70, 23}, "OK"},
        {IDCANCEL, {118, 103, 100, 23}, "ｷｬﾝｾﾙ"},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.id);
        EXPECT_EQ(InDialog(dialog, p.id), p.box);
        EXPECT_EQ(Text(dialog, p.id), p.text);
    }
    for (int hidden : {IDC_LINK_TITLE_LABEL, IDC_LINK_TARGET_LABEL, IDC_LINK_TARGET})
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, hidden))) << hidden;
    Close(dialog, IDCANCEL);
    EXPECT_EQ(app.EditorText(), original);

    struct Case {
        std::string source;
        std::string tag;
        std::string note; // the start of the status-bar note, empty for none
    } cases[] = {
        {Site() + "img\\a.png", "<Img Src=\"img/a.png\" Width=\"120\" Height=\"40\" Border=\"0\">", ""},
        {Site() + "img\\b.gif", "<Img Src=\"img/b.gif\" Width=\"33\" Height=\"17\" Border=\"0\">", ""},
        {"img/c.jpg", "<Img Src=\"img/c.jpg\" Width=\"64\" Height=\"48\" Border=\"0\">", ""},
        {Site() + "img\\d.bmp", "<Img Src=\"img/d.bmp\" Width=\"100\" Height=\"50\" Border=\"0\">", ""},
        {"http://", "<Img Src=\"http://\" Border=\"0\">", ""},
        {Site() + "img\\fake.gif", "<Img Src=\"img/fake.gif\" Border=\"0\">", "画像として読み込めない"},
        {Site() + "img\\none.gif", "<Img Src=\"img/none.gif\" Border=\"0\">", "画像ファイルが見つからない"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        const std::string before = app.EditorText();
        dialog = OpenDialog(ID_INSERT_IMAGE, "画像の挿入");
        ASSERT_TRUE(dialog);
        SetText(dialog, IDC_LINK_ADDRESS, c.source);
        Close(dialog, IDOK);
        EXPECT_EQ(app.EditorText(), before + c.tag);
        if (!c.note.empty()) {
            EXPECT_EQ(StatusText().rfind(c.note, 0), 0u) << StatusText();
        }
    }
}

TEST_F(Insertion, TableDialogCountsWrapAndHugeCountsAreRefused) {
    Start("x");
    HWND dialog = OpenDialog(ID_INSERT_TABLE, "表の挿入");
    ASSERT_TRUE(dialog);
    Shot("table-dialog");
    EXPECT_EQ(Text(dialog, IDC_TABLE_ROWS), "1");
    EXPECT_EQ(Text(dialog, IDC_TABLE_COLUMNS), "1");
    Send(dialog, IDC_TABLE_ROWS_SPIN, UDM_SETPOS32, 0, 20);
    PostMessageA(GetDlgItem(dialog, IDC_TABLE_ROWS), WM_KEYDOWN, VK_UP, 0);
    WaitUntil([&] { return Text(dialog, IDC_TABLE_ROWS) == "1"; });
    EXPECT_EQ(Text(dialog, IDC_TABLE_ROWS), "1") << "the up arrow at 20 wraps to 1";

    SetText(dialog, IDC_TABLE_COLUMNS, "5000");
    Press(dialog, IDOK);
    HWND refusal = WaitForOwned(dialog);
    ASSERT_TRUE(refusal) << "a huge count is refused";
    Shot("table-refused");
    EXPECT_NE(AppSession::MessageText(refusal).find("100"), std::string::npos);
    AppSession::PressOk(refusal);
    ASSERT_TRUE(IsWindow(dialog)) << "the dialog stays open";

    SetText(dialog, IDC_TABLE_ROWS, "2");
    SetText(dialog, IDC_TABLE_COLUMNS, "3");
    Close(dialog, IDOK);
    const std::string row = "  <TR>\r\n    <TD></TD>\r\n    <TD></TD>\r\n    <TD></TD>\r\n  </TR>\r\n";
    EXPECT_EQ(app.EditorText(), "<Table Border=\"1\">\r\n" + row + row + "</Table>" + original);

    const std::string before = app.EditorText();
    dialog = OpenDialog(ID_INSERT_TABLE, "表の挿入");
    ASSERT_TRUE(dialog);
    Close(dialog, IDCANCEL);
    EXPECT_EQ(app.EditorText(), before);
}

TEST_F(Insertion, FontDialogListsAndThePickerByKeys) {
    Start("文字");
    app.Command(ID_EDIT_SELECT_ALL);
    HWND dialog = OpenDialog(ID_FORMAT_FONT, "フォント(種類/大きさ/色)の設定");
    ASSERT_TRUE(dialog);
    Shot("font-dialog");
    ASSERT_EQ(Send(dialog, IDC_FONT_FACE, CB_GETCOUNT), 83);
    EXPECT_EQ(ComboItem(dialog, IDC_FONT_FACE, 1), "Abadi MT Condensed Light");
    EXPECT_EQ(ComboItem(dialog, IDC_FONT_FACE, 58), "ＭＳ Ｐゴシック");
    EXPECT_EQ(ComboItem(dialog, IDC_FONT_FACE, 82), "Wingdings");
    EXPECT_EQ(ComboItem(dialog, IDC_FONT_FACE, 0), "フォントの種類(標準)");
    ASSERT_EQ(Send(dialog, IDC_FONT_SIZE, CB_GETCOUNT), 8);
    EXPECT_EQ(ComboItem(dialog, IDC_FONT_SIZE, 7), "7");
    EXPECT_EQ(ComboItem(dialog, IDC_FONT_SIZE, 0), "大きさ(標準)");
    EXPECT_EQ(Text(dialog, IDC_FONT_COLOUR), "標準");
    EXPECT_EQ(Text(dialog, IDC_FONT_COLOUR_NOTE), "( 標準 )");

    // The palette opens on the button's own colour, the button face: from
    // wherever that is, Up six times reaches the default box; then Down,
    // Right three times, Down and Up again: Dark Green. The palette is opened
    // the way a dialog hears of a click, by its BN_CLICKED.
    HWND palette = OpenPalette(dialog, IDC_FONT_COLOUR);
    ASSERT_TRUE(palette);
    Shot("font-palette");
    PaletteKeys(palette, {VK_UP, VK_UP, VK_UP, VK_UP, VK_UP, VK_UP, VK_DOWN, VK_RIGHT, VK_RIGHT, VK_RIGHT,
                          VK_DOWN, VK_UP, VK_RETURN});
    WaitUntil([&] { return Text(dialog, IDC_FONT_COLOUR_NOTE) != "( 標準 )"; });
    EXPECT_EQ(Text(dialog, IDC_FONT_COLOUR), "RGB(0,85,0)");
    EXPECT_EQ(Text(dialog, IDC_FONT_COLOUR_NOTE), "( #005500 )");
    Shot("font-dialog-chosen");

    SetText(dialog, IDC_FONT_FACE, "Arial");
    Send(dialog, IDC_FONT_SIZE, CB_SETCURSEL, 3);
    Close(dialog, IDOK);
    EXPECT_EQ(app.EditorText(), "<Font Face=\"Arial\" Size=\"3\" Color=\"#005500\">" + original + "</Font>");

    // Everything left at its default inserts nothing; so does a cancel.
    const std::string before = app.EditorText();
    for (int button : {IDOK, IDCANCEL}) {
        dialog = OpenDialog(ID_FORMAT_FONT, "フォント(種類/大きさ/色)の設定");
        ASSERT_TRUE(dialog);
        Close(dialog, button);
        EXPECT_EQ(app.EditorText(), before);
    }
}

TEST_F(Insertion, ColourCodeDialogConvertsLiveAndThePickerByMouse) {
    Start("");
    HWND dialog = OpenDialog(ID_INSERT_COLORCODE, "カラーコード挿入ダイアログ");
    ASSERT_TRUE(dialog);
    Shot("colour-code-dialog");
    struct Expect {
        int id;
        const char* text;
    };
    auto check = [&](std::initializer_list<Expect> expected) {
        for (const Expect& e : expected)
            EXPECT_EQ(Text(dialog, e.id), e.text) << e.id;
    };
    check({{IDC_CODE_RED, "255"},
           {IDC_CODE_GREEN, "0"},
           {IDC_CODE_BLUE, "0"},
           {IDC_CODE_HEX, "ff0000"},
           {IDC_CODE_RGB_TEXT, "RGB(255,0,0)"},
           {IDC_CODE_HEX_TEXT, "#ff0000"}});

    SetText(dialog, IDC_CODE_RED, "300");
    check({{IDC_CODE_RED, "300"},
           {IDC_CODE_HEX, "2c0000"},
           {IDC_CODE_RGB_TEXT, "RGB(44,0,0)"},
           {IDC_CODE_HEX_TEXT, "#2c0000"}});
    SetText(dialog, IDC_CODE_HEX, "FF80");
    check({{IDC_CODE_RED, "300"}, {IDC_CODE_HEX_TEXT, "#2c0000"}}); // fewer than six: nothing yet
    SetText(dialog, IDC_CODE_HEX, "FF8000");
    check({{IDC_CODE_RED, "255"},
           {IDC_CODE_GREEN, "128"},
           {IDC_CODE_BLUE, "0"},
           {IDC_CODE_HEX, "FF8000"},
           {IDC_CODE_RGB_TEXT, "RGB(255,128,0)"},
           {IDC_CODE_HEX_TEXT, "#ff8000"}});
    Close(dialog, IDOK);
    EXPECT_EQ(app.EditorText(), "#ff8000");

    // The real mouse: a click on the picker opens the palette, a click on
    // its default box accepts it.
    dialog = OpenDialog(ID_INSERT_COLORCODE, "カラーコード挿入ダイアログ");
    ASSERT_TRUE(dialog);
    HWND picker = GetDlgItem(dialog, IDC_CODE_PICKER);
    RealMouse({{Centre(picker), true}});
    HWND palette = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (palette = FindWindowA(kPopupClass, nullptr)) && IsWindowVisible(palette); }));
    Shot("colour-code-palette");
    RECT p{}, b{};
    GetWindowRect(palette, &p);
    GetWindowRect(picker, &b);
    EXPECT_EQ(p.left, b.left);
    EXPECT_EQ(p.top, b.bottom);
    // The default box spans the top of the palette below its edge.
    RealMouse({{{(p.left + p.right) / 2, p.top + 8}, false}, {{(p.left + p.right) / 2, p.top + 10}, true}});
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(palette); }));
    RealMouse({{{1270, 1010}, false}}); // out of the way of later tests
    WaitUntil([&] { return Text(dialog, IDC_CODE_HEX_TEXT) == "#000000"; });
    check({{IDC_CODE_RED, "0"},
           {IDC_CODE_HEX, "000000"},
           {IDC_CODE_RGB_TEXT, "RGB(0,0,0)"},
           {IDC_CODE_HEX_TEXT, "#000000"}});
    Close(dialog, IDOK);
    EXPECT_EQ(app.EditorText(), "#ff8000#000000");

    dialog = OpenDialog(ID_INSERT_COLORCODE, "カラーコード挿入ダイアログ");
    ASSERT_TRUE(dialog);
    Close(dialog, IDCANCEL);
    EXPECT_EQ(app.EditorText(), "#ff8000#000000");
}

TEST_F(Insertion, ListsAndDateAtTheCaret) {
    Start("");
    app.Command(ID_LIST_UNORDERED);
    app.Command(ID_LIST_ORDERED);
    app.Command(ID_LIST_DEFINITION);
    // Each list leaves the caret after its item marker, where the next goes in.
    EXPECT_EQ(app.EditorText(), "<UL>\r\n  <LI><OL>\r\n  <LI><DL>\r\n  <DT>\r\n</DL>\r\n</OL>\r\n</UL>");

    app.Command(ID_EDIT_SELECT_ALL);
    SYSTEMTIME before{}, after{};
    GetLocalTime(&before);
    app.Command(ID_INSERT_DATETIME);
    GetLocalTime(&after);
    const std::string text = app.EditorText();
    auto format = [](const SYSTEMTIME& t) {
        char s[32];
        snprintf(s, sizeof s, "%04d/%02d/%02d %02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute);
        return std::string(s);
    };
    EXPECT_TRUE(text == format(before) || text == format(after)) << text;
}

TEST_F(Insertion, NothingOpensWhileTheEditorIsHidden) {
    Start("abc");
    app.Command(ID_VIEW_TAB_PREVIEW);
    for (int command : {ID_INSERT_TABLE, ID_INSERT_LINK, ID_FORMAT_FONT, ID_INSERT_COLORCODE, ID_LIST_ORDERED,
                        ID_INSERT_DATETIME})
        app.PostCommand(command);
    app.Flush();
    EXPECT_TRUE(app.MessageBoxes().empty());
    EXPECT_EQ(app.EditorText(), original);
}

TEST_F(Insertion, LowerCaseOptionCoversAttributesAndPaths) {
    app.SetIni("Option", "ChkSmallTag", "1");
    ASSERT_TRUE(app.CopyBinary("pictures\\a.png", "site\\img\\A.png"));
    Start("");
    HWND dialog = OpenDialog(ID_INSERT_IMAGE, "画像の挿入");
    ASSERT_TRUE(dialog);
    SetText(dialog, IDC_LINK_ADDRESS, Site() + "img\\A.png");
    SetText(dialog, IDC_LINK_TITLE, "Logo");
    Close(dialog, IDOK);
    EXPECT_EQ(app.EditorText(),
              "<img src=\"img/a.png\" alt=\"logo\" width=\"120\" height=\"40\" border=\"0\">");
}

} // namespace
