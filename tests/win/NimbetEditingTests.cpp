// Typing into the real control window, the keyboard with Shift and Ctrl, the
// system clipboard, and the position, editing and undo exports, with the
// notifications the parent receives.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "DriverSupport.h"

#include <imm.h>

namespace {

const Notification kCleared{NIMBET_NOTIFY_SELCLEARED, 0, 0};

class Editing : public testing::Test {
public:
    void SetUp() override {
        ASSERT_EQ(Nimbet().NimbetCreate(0, parent.hwnd(), 0, 0, 400, 300), NIMBET_OK);
        control = Nimbet().NimbetGetWnd(0);
        ASSERT_TRUE(IsWindow(control));
        SetFocus(control);
        parent.received.clear();
    }
    void TearDown() override {
        SetModifiers(false, false);
        Nimbet().NimbetDelete(0);
    }

    void Load(const char* text) {
        ASSERT_EQ(Nimbet().NimbetSetText(0, text), NIMBET_OK);
        parent.received.clear();
    }
    std::string Text() { return EditorText(3); }
    static void SetModifiers(bool shift, bool ctrl) {
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(state);
    }
    void Press(WPARAM key, bool shift = false, bool ctrl = false) {
        SetModifiers(shift, ctrl);
        SendMessageA(control, WM_KEYDOWN, key, 1);
        SetModifiers(false, false);
    }
    void Type(const std::string& bytes) {
        for (char c : bytes)
            SendMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    // Caret and selection as "line,pos" pairs.
    std::string Selection() {
        int l1 = 0, p1 = 0, l2 = 0, p2 = 0;
        const int result = Nimbet().NimbetGetSelA(0, &l1, &p1, &l2, &p2);
        return (result == NIMBET_OK ? "sel " : "none ") + std::to_string(l1) + "," + std::to_string(p1) +
               " " + std::to_string(l2) + "," + std::to_string(p2);
    }
    std::string Caret() {
        return std::to_string(Nimbet().NimbetGetCaretLine(0)) + "," +
               std::to_string(Nimbet().NimbetGetCaretPos(0));
    }
    static std::string ClipboardText() {
        std::string text;
        if (!OpenClipboard(nullptr))
            return "<not open>";
        if (HANDLE block = GetClipboardData(CF_TEXT)) {
            text = static_cast<const char*>(GlobalLock(block));
            GlobalUnlock(block);
        }
        CloseClipboard();
        return text;
    }
    static void SetClipboardText(const std::string& text) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
        GlobalUnlock(block);
        SetClipboardData(CF_TEXT, block);
        CloseClipboard();
    }

    RecordingParent parent;
    HWND control = nullptr;
};

TEST_F(Editing, TypedCharactersReachTheTextWithTheirNotifications) {
    Load("ソ表");
    ASSERT_EQ(Nimbet().NimbetSetSelA(0, 1, 3, 1, 3), 1);
    parent.received.clear();
    Type("a\\|");
    EXPECT_EQ(Text(), "ソa\\|表");
    EXPECT_EQ(Caret(), "1,6");
    const std::vector<Notification> expected = {
        Note(NIMBET_NOTIFY_TEXT, 0, 0),  Note(NIMBET_NOTIFY_CARET, 0, 1), Note(NIMBET_NOTIFY_TEXT, 0, 0),
        Note(NIMBET_NOTIFY_CARET, 0, 1), Note(NIMBET_NOTIFY_TEXT, 0, 0),  Note(NIMBET_NOTIFY_CARET, 0, 1),
    };
    EXPECT_EQ(parent.received, expected);
    // Control characters arrive as character messages too and are not typed.
    Type("\r\t\b");
    EXPECT_EQ(Text(), "ソa\\|表");
}

TEST_F(Editing, KeysMoveTheCaretAndShiftSelects) {
    Load("ab\nソ表x");
    Press(VK_DOWN);
    EXPECT_EQ(Caret(), "2,1");
    Press(VK_RIGHT);
    EXPECT_EQ(Caret(), "2,3") << "over the whole double-byte character";
    Press(VK_RIGHT, true);
    Press(VK_RIGHT, true);
    EXPECT_EQ(Selection(), "sel 2,3 2,6");
    Press(VK_HOME, true, true);
    EXPECT_EQ(Selection(), "sel 1,1 2,3");
    EXPECT_EQ(Caret(), "1,1");
    parent.received.clear();
    Press(VK_END);
    EXPECT_EQ(Selection(), "none 1,3 1,3");
    const std::vector<Notification> expected = {kCleared, Note(NIMBET_NOTIFY_CARET, 0, 1)};
    EXPECT_EQ(parent.received, expected);
    Press(VK_END, false, true);
    EXPECT_EQ(Caret(), "2,6");
    Press(VK_UP);
    EXPECT_EQ(Caret(), "1,3");
}

TEST_F(Editing, EditingKeysChangeTheText) {
    Load("abc\ndef");
    ASSERT_EQ(Nimbet().NimbetSetSelA(0, 1, 2, 1, 2), 1);
    parent.received.clear();
    Press(VK_RETURN);
    EXPECT_EQ(Text(), "a\nbc\ndef");
    Press(VK_BACK);
    EXPECT_EQ(Text(), "abc\ndef");
    Press(VK_DELETE);
    EXPECT_EQ(Text(), "ac\ndef");
    Press(VK_TAB);
    EXPECT_EQ(Text(), "a\tc\ndef");
    const std::vector<Notification> expected = {
        Note(NIMBET_NOTIFY_TEXT, 0, 2),  Note(NIMBET_NOTIFY_CARET, 0, 1), Note(NIMBET_NOTIFY_TEXT, 0, 3),
        Note(NIMBET_NOTIFY_CARET, 0, 1), Note(NIMBET_NOTIFY_TEXT, 0, 4),  Note(NIMBET_NOTIFY_TEXT, 0, 9),
        Note(NIMBET_NOTIFY_CARET, 0, 1),
    };
    EXPECT_EQ(parent.received, expected);

    // Tab with lines selected indents them, Shift+Tab unindents.
    ASSERT_EQ(Nimbet().NimbetSetSelA(0, 1, 1, 2, 2), 1);
    Press(VK_TAB);
    EXPECT_EQ(Text(), "\ta\tc\n\tdef");
    Press(VK_TAB, true);
    EXPECT_EQ(Text(), "a\tc\ndef");
    ASSERT_EQ(Nimbet().NimbetUndo(0), NIMBET_OK);
    EXPECT_EQ(Text(), "\ta\tc\n\tdef");
    ASSERT_EQ(Nimbet().NimbetRedo(0), NIMBET_OK);
    EXPECT_EQ(Text(), "a\tc\ndef");
}

TEST_F(Editing, InsertSwitchesToOverwriteAndTellsTheParent) {
    Load("abc");
    Press(VK_INSERT);
    Type("X");
    EXPECT_EQ(Text(), "Xbc");
    ASSERT_EQ(Nimbet().NimbetSetMetrics(0, 12, 0, 0), NIMBET_OK);
    Type("Y");
    EXPECT_EQ(Text(), "XYbc");
    ASSERT_EQ(Nimbet().NimbetSetMetrics(0, 12, 0, 0), NIMBET_OK) << "already in insert mode: no key";
    ASSERT_EQ(Nimbet().NimbetSetMetrics(0, 12, 5, 1), NIMBET_OK);
    std::vector<Notification> modes;
    for (const Notification& n : parent.received)
        if (n.message == NIMBET_NOTIFY_INSERTMODE)
            modes.push_back(n);
    const std::vector<Notification> expected = {Note(NIMBET_NOTIFY_INSERTMODE, 0, 0),
                                                Note(NIMBET_NOTIFY_INSERTMODE, 0, 1),
                                                Note(NIMBET_NOTIFY_INSERTMODE, 0, 0)};
    EXPECT_EQ(modes, expected);
    EXPECT_EQ(Nimbet().NimbetSetMetrics(0, 0, 0, 0), NIMBET_BADARG);
    EXPECT_EQ(Nimbet().NimbetSetMetrics(0, 13, 1, 0), NIMBET_BADARG);
    EXPECT_EQ(Nimbet().NimbetSetMetrics(0, 0, 8, 0), NIMBET_OK);
}

TEST_F(Editing, ClipboardCopyCutAndPaste) {
    Load("abc\nソ表");
    EXPECT_EQ(Nimbet().NimbetCopy(0), NIMBET_FAILED) << "nothing selected";
    ASSERT_EQ(Nimbet().NimbetSetSelA(0, 1, 2, 2, 3), 1);
    ASSERT_EQ(Nimbet().NimbetCopy(0), NIMBET_OK);
    EXPECT_EQ(ClipboardText(), "bc\r\nソ");
    parent.received.clear();
    ASSERT_EQ(Nimbet().NimbetCut(0), NIMBET_OK);
    EXPECT_EQ(Text(), "a表");
    const std::vector<Notification> cut = {kCleared, Note(NIMBET_NOTIFY_TEXT, 0, 6)};
    EXPECT_EQ(parent.received, cut);

    SetClipboardText("x\r\ny");
    parent.received.clear();
    ASSERT_EQ(Nimbet().NimbetPaste(0), NIMBET_OK);
    EXPECT_EQ(Text(), "ax\ny表");
    EXPECT_EQ(Caret(), "2,2");
    const std::vector<Notification> paste = {Note(NIMBET_NOTIFY_TEXT, 0, 5)};
    EXPECT_EQ(parent.received, paste);
    SetClipboardText("");
    EXPECT_EQ(Nimbet().NimbetPaste(0), NIMBET_OK) << "an empty text pastes nothing";
    EXPECT_EQ(Text(), "ax\ny表");

    // While writing is disabled, copy still works and cut and paste fail.
    ASSERT_EQ(Nimbet().NimbetSelectAll(0), NIMBET_OK);
    ASSERT_EQ(Nimbet().NimbetWriteEnable(0, 0), NIMBET_OK);
    EXPECT_EQ(Nimbet().NimbetCopy(0), NIMBET_OK);
    EXPECT_EQ(ClipboardText(), "ax\r\ny表");
    EXPECT_EQ(Nimbet().NimbetCut(0), NIMBET_FAILED);
    EXPECT_EQ(Nimbet().NimbetPaste(0), NIMBET_FAILED);
    EXPECT_EQ(Text(), "ax\ny表");
}

TEST_F(Editing, PositionExports) {
    Load("ab\ncd");
    auto& n = Nimbet();
    int a = -9, b = -9, c = -9, d = -9;
    EXPECT_EQ(n.NimbetGetSelA(0, &a, &b, &c, &d), NIMBET_FAILED);
    EXPECT_EQ(a * 1000 + b * 100 + c * 10 + d, 1111) << "the caret in all four";
    EXPECT_EQ(n.NimbetGetSelA(0, nullptr, nullptr, nullptr, nullptr), NIMBET_FAILED);
    EXPECT_EQ(n.NimbetSetSelA(0, 1, 1, 3, 1), 0);
    EXPECT_EQ(n.NimbetSetSelA(0, 2, 3, 1, 2), 1) << "length + 1 is accepted";
    EXPECT_EQ(n.NimbetGetSelA(0, &a, &b, &c, &d), NIMBET_OK);
    EXPECT_EQ(a * 1000 + b * 100 + c * 10 + d, 1223);
    EXPECT_EQ(Caret(), "1,2");
    a = b = -9;
    EXPECT_EQ(n.NimbetGetSelB(0, &a, &b), NIMBET_OK);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 7);

    EXPECT_EQ(n.NimbetSetSelB(0, 5, 5), NIMBET_OK);
    EXPECT_EQ(Caret(), "2,1");
    EXPECT_EQ(n.NimbetGetSelB(0, &a, nullptr), NIMBET_FAILED);
    a = -9;
    EXPECT_EQ(n.NimbetGetSelB(0, &a, nullptr), NIMBET_FAILED);
    EXPECT_EQ(a, -9) << "nothing written with a null pointer";
    EXPECT_EQ(n.NimbetSetSelB(0, 0, 1), NIMBET_BADARG);
    EXPECT_EQ(n.NimbetSetSelB(0, 3, 2), NIMBET_BADARG);

    EXPECT_EQ(n.NimbetSetCaretThrough(0, 6), NIMBET_OK);
    EXPECT_EQ(Caret(), "2,2");
    EXPECT_EQ(n.NimbetGetCaretThrough(0), 6);
    EXPECT_EQ(n.NimbetSetCaretThrough(0, 9), NIMBET_FAILED);
    EXPECT_EQ(n.NimbetSetCaretPos(0, 3), NIMBET_BADARG) << "the line end";
    EXPECT_EQ(n.NimbetSetCaretPos(0, 1), NIMBET_OK);
    EXPECT_EQ(n.NimbetSetCaretLine(0, 3), NIMBET_BADARG);
    parent.received.clear();
    EXPECT_EQ(n.NimbetSetCaretLine(0, 1), NIMBET_OK);
    const std::vector<Notification> moved = {Note(NIMBET_NOTIFY_CARET, 0, 0)};
    EXPECT_EQ(parent.received, moved);

    Load("\tソx");
    EXPECT_EQ(n.NimbetSetCaretPos(0, 4), NIMBET_OK);
    EXPECT_EQ(n.NimbetGetCaretVPos(0), 6);
    ASSERT_EQ(n.NimbetSetMetrics(0, 0, 2, 0), NIMBET_OK);
    EXPECT_EQ(n.NimbetGetCaretVPos(0), 4);

    parent.received.clear();
    EXPECT_EQ(n.NimbetSelectAll(0), NIMBET_OK);
    EXPECT_EQ(Selection(), "sel 1,1 1,5");
    EXPECT_EQ(parent.received, moved);
}

TEST_F(Editing, SelectedTextReplacementAndUndo) {
    Load("abc");
    auto& n = Nimbet();
    char buffer[32];
    EXPECT_EQ(n.NimbetGetSelText(0, buffer), NIMBET_NOSELECTION);
    EXPECT_EQ(n.NimbetGetSelText(0, nullptr), NIMBET_BADARG);
    ASSERT_EQ(n.NimbetSetSelA(0, 1, 2, 1, 3), 1);
    ASSERT_EQ(n.NimbetGetSelText(0, buffer), NIMBET_OK);
    EXPECT_STREQ(buffer, "b");
    parent.received.clear();
    ASSERT_EQ(n.NimbetSetSelText(0, "<B>b</B>"), NIMBET_OK);
    EXPECT_EQ(Text(), "a<B>b</B>c");
    const std::vector<Notification> replaced = {kCleared, Note(NIMBET_NOTIFY_TEXT, 0, 10)};
    EXPECT_EQ(parent.received, replaced);
    ASSERT_EQ(n.NimbetUndo(0), NIMBET_OK);
    EXPECT_EQ(Text(), "abc");
    ASSERT_EQ(n.NimbetRedo(0), NIMBET_OK);
    EXPECT_EQ(Text(), "a<B>b</B>c");
    EXPECT_EQ(n.NimbetRedo(0), NIMBET_FAILED);

    // Write-protected: the replacement is refused with a status and still notified.
    ASSERT_EQ(n.NimbetWriteEnable(0, 0), NIMBET_OK);
    parent.received.clear();
    EXPECT_EQ(n.NimbetSetSelText(0, "x"), NIMBET_READONLY);
    EXPECT_EQ(Text(), "a<B>b</B>c");
    const std::vector<Notification> refused = {Note(NIMBET_NOTIFY_TEXT, 0, 10)};
    EXPECT_EQ(parent.received, refused);
    EXPECT_EQ(n.NimbetUndo(0), NIMBET_FAILED);
    Type("z");
    Press(VK_RETURN);
    EXPECT_EQ(Text(), "a<B>b</B>c");
    ASSERT_EQ(n.NimbetWriteEnable(0, 1), NIMBET_OK);

    ASSERT_EQ(n.NimbetSetSelA(0, 1, 1, 1, 1), 1);
    EXPECT_EQ(n.NimbetIndent(0), NIMBET_FAILED) << "nothing selected";
    ASSERT_EQ(n.NimbetSelectAll(0), NIMBET_OK);
    ASSERT_EQ(n.NimbetIndent(0), NIMBET_OK);
    EXPECT_EQ(Text(), "\ta<B>b</B>c");
    ASSERT_EQ(n.NimbetUnIndent(0), NIMBET_OK);
    EXPECT_EQ(Text(), "a<B>b</B>c");
}

TEST_F(Editing, TheSystemCaretFollowsTheTextCaret) {
    Load("abc");
    POINT before{}, after{};
    ASSERT_TRUE(GetCaretPos(&before));
    Type("xy");
    ASSERT_TRUE(GetCaretPos(&after));
    EXPECT_GT(after.x, before.x);
    EXPECT_EQ(after.y, before.y);
    const int charWidth = (after.x - before.x) / 2;
    EXPECT_GT(charWidth, 0);
    Press(VK_RETURN);
    ASSERT_TRUE(GetCaretPos(&after));
    EXPECT_EQ(after.x, before.x);
    EXPECT_GT(after.y, before.y);
}

TEST_F(Editing, ParentMayNotChangeOrDeleteTheTextDuringTyping) {
    Load("abc");
    // A parent that reacts to the typed-character notification by changing the
    // text and deleting the control: the change is refused, the deletion waits.
    int setTextResult = 0;
    bool deleted = false;
    parent.onNotification = [&](const Notification& n) {
        if (n.message == NIMBET_NOTIFY_TEXT && (n.wParam & 0xFFFF) == NIMBET_TEXT_TYPED) {
            setTextResult = Nimbet().NimbetSetText(0, "replaced");
            deleted = Nimbet().NimbetDelete(0) == NIMBET_OK;
        }
    };
    Type("x");
    parent.onNotification = nullptr;
    EXPECT_EQ(setTextResult, NIMBET_FAILED);
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(IsWindow(control));
    EXPECT_EQ(Nimbet().NimbetGetWnd(0), nullptr);
}

TEST_F(Editing, ParentMayDeleteTheControlFromAnyNotification) {
    // The deletion is carried out once the export or key that notified is done.
    struct Case {
        const char* name;
        UINT message;
        std::function<void(Editing&)> action;
    } cases[] = {
        {"SetSelA clearing", NIMBET_NOTIFY_SELCLEARED, [](Editing&) { Nimbet().NimbetSetSelA(0, 1, 2, 1, 2); }},
        {"SetCaretLine", NIMBET_NOTIFY_CARET, [](Editing&) { Nimbet().NimbetSetCaretLine(0, 1); }},
        {"SelectAll", NIMBET_NOTIFY_CARET, [](Editing&) { Nimbet().NimbetSelectAll(0); }},
        {"SetMetrics 12", NIMBET_NOTIFY_INSERTMODE, [](Editing&) { Nimbet().NimbetSetMetrics(0, 12, 1, 1); }},
        {"Insert key", NIMBET_NOTIFY_INSERTMODE, [](Editing& t) { t.Press(VK_INSERT); }},
        {"Right key", NIMBET_NOTIFY_CARET, [](Editing& t) { t.Press(VK_RIGHT); }},
        {"SetSelText", NIMBET_NOTIFY_TEXT, [](Editing&) { Nimbet().NimbetSetSelText(0, "x"); }},
        {"Undo", NIMBET_NOTIFY_CARET, [](Editing&) {
             Nimbet().NimbetSetSelText(0, "x");
             Nimbet().NimbetUndo(0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!Nimbet().NimbetGetWnd(0)) {
            ASSERT_EQ(Nimbet().NimbetCreate(0, parent.hwnd(), 0, 0, 400, 300), NIMBET_OK);
            control = Nimbet().NimbetGetWnd(0);
        }
        Load("ab");
        bool asked = false;
        parent.onNotification = [&](const Notification& n) {
            if (n.message == c.message && !asked)
                asked = Nimbet().NimbetDelete(0) == NIMBET_OK;
        };
        c.action(*this);
        parent.onNotification = nullptr;
        EXPECT_TRUE(asked);
        EXPECT_FALSE(IsWindow(control));
        EXPECT_EQ(Nimbet().NimbetGetWnd(0), nullptr);
    }
}

} // namespace

namespace {

// Completes an input-method composition of `text` in the control, as a user
// accepting a conversion would; false when the system offers no input context.
bool CompleteComposition(HWND control, std::wstring text) {
    HIMC context = ImmGetContext(control);
    if (!context)
        return false;
    ImmSetOpenStatus(context, TRUE);
    const BOOL set = ImmSetCompositionStringW(context, SCS_SETSTR, text.data(),
                                              static_cast<DWORD>(text.size() * sizeof(wchar_t)), nullptr, 0);
    const BOOL done = set && ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
    ImmReleaseContext(control, context);
    return done;
}

void DispatchPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

TEST_F(Editing, InputMethodResultIsInsertedOnceAndItsCharactersSwallowed) {
    Load("ab");
    if (!CompleteComposition(control, L"\u6F22")) // 漢
        GTEST_SKIP() << "no input method context here";
    // The result arrives as a composition message and again as character
    // messages (lead and trail byte), which must not be typed a second time.
    DispatchPending();
    EXPECT_EQ(Text(), "漢ab");
    EXPECT_EQ(Caret(), "1,3");
    const std::vector<Notification> expected = {Note(NIMBET_NOTIFY_CARET, 0, 1),
                                                Note(NIMBET_NOTIFY_TEXT, 0, 1)};
    EXPECT_EQ(parent.received, expected);
    Type("z");
    EXPECT_EQ(Text(), "漢zab") << "typing goes on normally afterwards";
    ASSERT_EQ(Nimbet().NimbetUndo(0), NIMBET_OK);
    ASSERT_EQ(Nimbet().NimbetUndo(0), NIMBET_OK);
    EXPECT_EQ(Text(), "ab");
}

} // namespace
