// The framework layer on real windows: data exchange of modal dialogs, the
// profile functions on a real INI file, and a frame routing commands and
// showing their states in its menu and toolbar.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "App.h"
#include "Dialog.h"
#include "FrameWindow.h"
#include "FrameworkTestIds.h"
#include "PrivateProfile.h"
#include "resource_ids.h"

using namespace quiltmark;

namespace {

constexpr UINT kScript = WM_APP + 7;

// A dialog whose test script runs once it is open.
class ScriptedDialog : public Dialog {
  public:
    // Runs once the dialog is open; a script may call Continue() to run
    // again after the messages it caused.
    std::function<void(ScriptedDialog&, int step)> script;
    bool accept = true;
    int validations = 0;
    int steps = 0;

    void Continue() { PostMessageA(Hwnd(), kScript, 0, 0); }

    ScriptedDialog() : Dialog(GetModuleHandleA(nullptr), TEST_DIALOG) {}

  protected:
    BOOL OnInitDialog() override {
        PostMessageA(Hwnd(), kScript, 0, 0);
        return TRUE;
    }
    bool Validate() override {
        ++validations;
        return accept;
    }
    bool OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) override {
        if (message != kScript)
            return false;
        script(*this, steps++);
        result = TRUE;
        return true;
    }
};

void Press(Dialog& d, int id) {
    SendMessageA(d.Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

std::string Text(HWND control) {
    char text[256] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

} // namespace

TEST(DialogExchange, ValuesGoInOnOpenAndComeBackOnOk) {
    int check = 1;
    std::string text = "ソース";
    int number = 42;
    ScriptedDialog d;
    d.BindCheck(TEST_CHECK, check);
    d.BindText(TEST_TEXT, text);
    d.BindInt(TEST_NUMBER, number);
    std::string shownText, shownNumber;
    UINT shownCheck = 0;
    d.script = [&](ScriptedDialog& self, int) {
        shownCheck = IsDlgButtonChecked(self.Hwnd(), TEST_CHECK);
        shownText = Text(self.Item(TEST_TEXT));
        shownNumber = Text(self.Item(TEST_NUMBER));
        CheckDlgButton(self.Hwnd(), TEST_CHECK, BST_UNCHECKED);
        SetDlgItemTextA(self.Hwnd(), TEST_TEXT, "プレビュー");
        SetDlgItemTextA(self.Hwnd(), TEST_NUMBER, "-17");
        Press(self, IDOK);
    };
    EXPECT_EQ(d.DoModal(nullptr), IDOK);
    EXPECT_EQ(shownCheck, static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(shownText, "ソース");
    EXPECT_EQ(shownNumber, "42");
    EXPECT_EQ(check, 0);
    EXPECT_EQ(text, "プレビュー");
    EXPECT_EQ(number, -17);
}

TEST(DialogExchange, RefusedValuesKeepTheDialogOpenAndCancelKeepsTheMembers) {
    const struct {
        const char* number;
        bool accept;
        int validations;
    } cases[] = {{"12x", true, 0}, {"", true, 0}, {"99999999999", true, 0}, {"7", false, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        int check = 0;
        std::string text = "a";
        int number = 5;
        ScriptedDialog d;
        d.BindCheck(TEST_CHECK, check);
        d.BindText(TEST_TEXT, text);
        d.BindInt(TEST_NUMBER, number);
        d.accept = c.accept;
        d.script = [&](ScriptedDialog& self, int step) {
            if (step == 0) {
                CheckDlgButton(self.Hwnd(), TEST_CHECK, BST_CHECKED);
                SetDlgItemTextA(self.Hwnd(), TEST_TEXT, "b");
                SetDlgItemTextA(self.Hwnd(), TEST_NUMBER, c.number);
                Press(self, IDOK);
                self.Continue(); // runs only while the dialog is still open
            } else {
                Press(self, IDCANCEL);
            }
        };
        EXPECT_EQ(d.DoModal(nullptr), IDCANCEL);
        EXPECT_EQ(d.steps, 2); // the dialog stayed open after OK
        EXPECT_EQ(d.validations, c.validations);
        if (c.validations == 0) { // a bad number changes nothing
            EXPECT_EQ(check, 0);
            EXPECT_EQ(text, "a");
            EXPECT_EQ(number, 5);
        }
    }
}

TEST(PrivateProfileFile, ReadsDefaultsAndRoundTripsValues) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "qm-profile-test.ini";
    DeleteFileA(path.c_str());
    PrivateProfile profile;
    profile.Bind(path);

    EXPECT_EQ(profile.GetProfileInt("Option", "isRuler", 1), 1);
    EXPECT_EQ(profile.GetProfileString("Font", "Name", "ＭＳ ゴシック"), "ＭＳ ゴシック");
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES); // reading writes nothing

    const std::string longValue(6000, 'x');
    EXPECT_TRUE(profile.WriteProfileInt("WindowSize", "cx", 800));
    EXPECT_TRUE(profile.WriteProfileString("Font", "Name", "IPAゴシック"));
    EXPECT_TRUE(profile.WriteProfileString("File", "FileDir", "C:\\ソフト\\"));
    EXPECT_TRUE(profile.WriteProfileString("UserTag", "Open1", longValue));
    EXPECT_EQ(profile.GetProfileInt("WindowSize", "cx", 634), 800);
    EXPECT_EQ(profile.GetProfileString("Font", "Name", ""), "IPAゴシック");
    EXPECT_EQ(profile.GetProfileString("File", "FileDir", ""), "C:\\ソフト\\");
    EXPECT_EQ(profile.GetProfileString("UserTag", "Open1", ""), longValue);

    char raw[64] = {};
    GetPrivateProfileStringA("WindowSize", "cx", "", raw, sizeof raw, path.c_str());
    EXPECT_STREQ(raw, "800"); // integers are stored in decimal
    DeleteFileA(path.c_str());
}

namespace {

class TestFrame : public FrameWindow {
  public:
    CommandTable table;
    int ran = 0;
    bool checked = true;

    TestFrame() : FrameWindow(GetModuleHandleA(nullptr)) {
        table.Add(TEST_CMD_ENABLED, "test.enabled", [this] { ++ran; })
            .Add(
                TEST_CMD_DISABLED, "test.disabled", [this] { ran += 100; }, [] { return false; })
            .Add(
                TEST_CMD_CHECKED, "test.checked", [] {}, {}, [this] { return checked; });
        Router().AddTarget(table);
    }

  protected:
    bool OnCreate() override {
        return CreateToolBar(TEST_FRAME, ID_VIEW_TOOLBAR) && CreateStatusBar(ID_VIEW_STATUS_BAR, {});
    }
};

} // namespace

TEST(Frame, CommandsRunThroughTheRouterAndShowTheirStates) {
    ASSERT_TRUE(FrameWindow::RegisterFrameClass(GetModuleHandleA(nullptr), "QuiltmarkTestFrame", 0));
    TestFrame frame;
    ASSERT_TRUE(frame.Create("QuiltmarkTestFrame", "test", TEST_FRAME));

    SendMessageA(frame.Hwnd(), WM_COMMAND, TEST_CMD_ENABLED, 0);
    SendMessageA(frame.Hwnd(), WM_COMMAND, TEST_CMD_DISABLED, 0);
    SendMessageA(frame.Hwnd(), WM_COMMAND, TEST_CMD_UNHANDLED, 0);
    EXPECT_EQ(frame.ran, 1);

    HMENU popup = GetSubMenu(GetMenu(frame.Hwnd()), 0);
    SendMessageA(frame.Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    const struct {
        int id;
        bool grayed, checked;
    } items[] = {{TEST_CMD_ENABLED, false, false},
                 {TEST_CMD_DISABLED, true, false},
                 {TEST_CMD_CHECKED, false, true},
                 {TEST_CMD_UNHANDLED, true, false}};
    for (const auto& item : items) {
        SCOPED_TRACE(item.id);
        const UINT state = GetMenuState(popup, item.id, MF_BYCOMMAND);
        EXPECT_EQ((state & MF_GRAYED) != 0, item.grayed);
        EXPECT_EQ((state & MF_CHECKED) != 0, item.checked);
    }

    frame.OnIdle();
    HWND bar = frame.Bar().Hwnd();
    EXPECT_TRUE(SendMessageA(bar, TB_ISBUTTONENABLED, TEST_CMD_ENABLED, 0));
    EXPECT_FALSE(SendMessageA(bar, TB_ISBUTTONENABLED, TEST_CMD_DISABLED, 0));
    EXPECT_FALSE(SendMessageA(bar, TB_ISBUTTONENABLED, TEST_CMD_UNHANDLED, 0));
    EXPECT_TRUE(SendMessageA(bar, TB_ISBUTTONCHECKED, TEST_CMD_CHECKED, 0));
    frame.checked = false;
    frame.OnIdle();
    EXPECT_FALSE(SendMessageA(bar, TB_ISBUTTONCHECKED, TEST_CMD_CHECKED, 0));
    EXPECT_EQ(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0), 5);

    // Highlighting a menu item shows its prompt; closing the menu clears it.
    SendMessageA(frame.Hwnd(), WM_MENUSELECT, MAKEWPARAM(TEST_CMD_ENABLED, MF_STRING),
                 reinterpret_cast<LPARAM>(popup));
    EXPECT_EQ(frame.Status().Message(), "有効なコマンド");

    // The toolbar's buttons send their command to the frame.
    SendMessageA(frame.Hwnd(), WM_COMMAND, MAKEWPARAM(TEST_CMD_ENABLED, BN_CLICKED),
                 reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(frame.ran, 2);

    // Hiding a bar gives its room to the rest of the frame.
    frame.ShowBar(bar, false);
    EXPECT_FALSE(frame.IsBarVisible(bar));
    DestroyWindow(frame.Hwnd());
}

namespace {

class TestApp : public App {
public:
    TestApp() : App(GetModuleHandleA(nullptr)) {}
    bool InitInstance() override { return true; }
    int idles = 0;

protected:
    void OnIdle() override {
        ++idles;
        App::OnIdle();
    }
};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

} // namespace

TEST(AppLoop, ModelessDialogsGetTheirKeysAndTheFrameItsAccelerators) {
    ASSERT_TRUE(FrameWindow::RegisterFrameClass(GetModuleHandleA(nullptr), "QuiltmarkTestFrame", 0));
    TestApp app;
    TestFrame frame;
    ASSERT_TRUE(frame.Create("QuiltmarkTestFrame", "test", TEST_FRAME));
    ShowWindow(frame.Hwnd(), SW_SHOW);
    app.SetMainFrame(&frame);
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(TEST_DIALOG), frame.Hwnd(),
                                     PlainDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    app.AddModeless(dialog);
    SetForegroundWindow(dialog);
    SetFocus(GetDlgItem(dialog, TEST_TEXT));
    ASSERT_EQ(GetFocus(), GetDlgItem(dialog, TEST_TEXT));

    // Tab in the dialog moves to the next control only through the loop's
    // dialog handling; Ctrl+E reaches the frame's command through its
    // accelerators.
    PostMessageA(GetDlgItem(dialog, TEST_TEXT), WM_KEYDOWN, VK_TAB, 0);
    PostQuitMessage(3);
    EXPECT_EQ(app.Run(), 3);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, TEST_NUMBER));

    SetFocus(frame.Hwnd());
    INPUT keys[4] = {};
    for (INPUT& k : keys)
        k.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_CONTROL;
    keys[1].ki.wVk = 'E';
    keys[2].ki.wVk = 'E';
    keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
    keys[3].ki.wVk = VK_CONTROL;
    keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    const int before = frame.ran;
    ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4u);
    // The loop ends once the input had time to arrive.
    SetTimer(nullptr, 0, 500, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        PostQuitMessage(0);
    });
    app.Run();
    EXPECT_EQ(frame.ran, before + 1);
    EXPECT_GE(app.idles, 1); // the queue ran empty while waiting

    app.RemoveModeless(dialog);
    DestroyWindow(dialog);
    DestroyWindow(frame.Hwnd());
}
