// The mouse on the real control window: clicks, Shift-clicks, the line-number
// area, double and triple clicks, drag selection with scrolling at the edges,
// hovering with its cursors and codes, and the window messages around input.
#include "ControlFixture.h"

#include "../../nimbet/win32/NimbetResource.h"

namespace {

const Notification kCleared{NIMBET_NOTIFY_SELCLEARED, 0, 0};

class MouseInput : public ControlTest {};

std::string Lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "line" + std::to_string(i) + (i < count ? "\r\n" : "");
    return text;
}

} // namespace

TEST_F(MouseInput, ClicksPlaceTheCaretAndShiftClicksSelect) {
    Load("hello world\r\nsecond line");
    Click(X(2), Y(1));
    EXPECT_EQ(State(), "caret 1,3");
    EXPECT_EQ(GetFocus(), control);
    EXPECT_EQ(parent.received, (std::vector<Notification>{kCleared, Note(NIMBET_NOTIFY_CARET, 0, 2)}));

    parent.received.clear();
    Click(X(6), Y(2), MK_SHIFT);
    EXPECT_EQ(State(), "sel 1,3 2,7 caret 2,7");
    Click(X(0), Y(1), MK_SHIFT); // from the caret, not from the old anchor
    EXPECT_EQ(State(), "sel 1,1 2,7 caret 1,1");
    Click(X(40), Y(2)); // right of the line: its end
    EXPECT_EQ(State(), "caret 2,12");
    Click(X(3), Y(12)); // below the text: the last line
    EXPECT_EQ(State(), "caret 2,4");
    EXPECT_EQ(GetCapture(), nullptr) << "the mouse is captured only while the button is down";
}

TEST_F(MouseInput, LineNumberClicksSelectWholeLines) {
    Load("one\r\ntwo\r\nthree");
    Click(kNumbersX, Y(2));
    EXPECT_EQ(State(), "sel 2,1 3,1 caret 2,4");
    Click(kNumbersX, Y(3));
    EXPECT_EQ(State(), "sel 3,1 3,6 caret 3,6") << "the last line: up to the end of the text";
    Click(kNumbersX, Y(1), MK_SHIFT);
    EXPECT_EQ(State(), "sel 1,1 3,6 caret 1,1");

    // Dragging down the numbers.
    parent.received.clear();
    Mouse(WM_LBUTTONDOWN, kNumbersX, Y(1));
    EXPECT_EQ(GetCapture(), control);
    Mouse(WM_MOUSEMOVE, kNumbersX, Y(2), MK_LBUTTON);
    Mouse(WM_LBUTTONUP, kNumbersX, Y(2));
    EXPECT_EQ(State(), "sel 1,1 3,1 caret 2,4");
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Received(NIMBET_NOTIFY_MOUSE), (std::vector<Notification>{Note(NIMBET_NOTIFY_MOUSE, 0, 3)}));
}

TEST_F(MouseInput, DoubleClickSelectsTheWordAndAThirdClickTheLine) {
    Load("say abc_def 123\r\nnext");
    Mouse(WM_LBUTTONDOWN, X(5), Y(1));
    Mouse(WM_LBUTTONUP, X(5), Y(1));
    parent.received.clear();
    Mouse(WM_LBUTTONDBLCLK, X(5), Y(1));
    Mouse(WM_LBUTTONUP, X(5), Y(1));
    EXPECT_EQ(State(), "sel 1,5 1,12 caret 1,12");
    EXPECT_EQ(parent.received, (std::vector<Notification>{Note(NIMBET_NOTIFY_CARET, 0, 2)}));
    Click(X(1), Y(1)); // within 200 ms
    EXPECT_EQ(State(), "sel 1,1 2,1 caret 1,16");

    // Once the 200 ms have passed, a click is a click again.
    Mouse(WM_LBUTTONDBLCLK, X(13), Y(1));
    Mouse(WM_LBUTTONUP, X(13), Y(1));
    EXPECT_EQ(State(), "sel 1,13 1,16 caret 1,16");
    Pump(350);
    Click(X(1), Y(2));
    EXPECT_EQ(State(), "caret 2,2");
}

TEST_F(MouseInput, DraggingSelectsAndScrollsPastTheEdges) {
    Load(Lines(100).c_str());
    RECT client;
    GetClientRect(control, &client);
    Mouse(WM_LBUTTONDOWN, X(2), Y(1));
    EXPECT_EQ(GetCapture(), control);
    parent.received.clear();
    Mouse(WM_MOUSEMOVE, X(4), Y(3), MK_LBUTTON);
    EXPECT_EQ(State(), "sel 1,3 3,5 caret 3,5");
    EXPECT_EQ(parent.received, (std::vector<Notification>{Note(NIMBET_NOTIFY_MOUSE, 0, 4),
                                                          Note(NIMBET_NOTIFY_CARET, 0, 2), kCleared}));
    // Below the window: one line per move.
    for (int i = 0; i < 5; ++i)
        Mouse(WM_MOUSEMOVE, X(2), client.bottom + 30, MK_LBUTTON);
    EXPECT_EQ(GetScrollPos(control, SB_VERT), 5) << "the first visible line is 6";
    const int bottomRow = (client.bottom - 1 - kRuler) / lineHeight + 6;
    EXPECT_EQ(State(), "sel 1,3 " + std::to_string(bottomRow) + ",3 caret " + std::to_string(bottomRow) + ",3");
    // Above it: back up one line per move.
    for (int i = 0; i < 2; ++i)
        Mouse(WM_MOUSEMOVE, X(2), -20, MK_LBUTTON);
    EXPECT_EQ(GetScrollPos(control, SB_VERT), 3);
    EXPECT_EQ(State(), "sel 1,3 4,3 caret 4,3");
    Mouse(WM_LBUTTONUP, X(2), -20);
    EXPECT_EQ(GetCapture(), nullptr);

    // Sideways along a long line.
    Load((std::string(80, 'x') + "\r\nshort").c_str());
    Mouse(WM_LBUTTONDOWN, X(1), Y(1));
    for (int i = 0; i < 3; ++i)
        Mouse(WM_MOUSEMOVE, client.right + 10, Y(1), MK_LBUTTON);
    EXPECT_EQ(GetScrollPos(control, SB_HORZ), 3);
    Mouse(WM_MOUSEMOVE, 5, Y(1), MK_LBUTTON);
    EXPECT_EQ(GetScrollPos(control, SB_HORZ), 2);
    Mouse(WM_LBUTTONUP, 5, Y(1));
    EXPECT_EQ(State(), "sel 1,2 1,3 caret 1,3");
}

TEST_F(MouseInput, HoveringSetsTheCursorAndTellsWhereTheMouseIs) {
    Load("plain text http://a.b/c\r\nx@y.jp");
    const HMODULE library = Nimbet().module();
    const HCURSOR lineCursor = LoadCursorA(library, MAKEINTRESOURCEA(IDC_NIMBET_LINESELECT));
    const HCURSOR linkCursor = LoadCursorA(library, MAKEINTRESOURCEA(IDC_NIMBET_LINK));
    ASSERT_NE(lineCursor, nullptr) << "the line-selection cursor is a resource of the library";
    ASSERT_NE(linkCursor, nullptr) << "the link cursor is a resource of the library";
    struct Case {
        const char* name;
        int x, y;
        HCURSOR cursor;
        int code;
    } cases[] = {
        {"line numbers", kNumbersX, Y(1), lineCursor, 1},
        {"ruler", X(3), 3, LoadCursor(nullptr, IDC_ARROW), 2},
        {"text", X(1), Y(1), LoadCursor(nullptr, IDC_IBEAM), 0},
        {"URL", X(13), Y(1), linkCursor, 5},
        {"mail", X(2), Y(2), linkCursor, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        parent.received.clear();
        Mouse(WM_MOUSEMOVE, c.x, c.y);
        EXPECT_EQ(GetCursor(), c.cursor);
        EXPECT_EQ(parent.received, (std::vector<Notification>{Note(NIMBET_NOTIFY_MOUSE, 0, c.code)}));
    }
    // Over the selection, when it can be dragged out: the arrow.
    ASSERT_EQ(Nimbet().NimbetSetSelA(0, 1, 1, 1, 6), 1);
    Mouse(WM_MOUSEMOVE, X(2), Y(1));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
    ASSERT_EQ(Nimbet().NimbetSetMetrics(0, 8, 0x09, 0), NIMBET_OK);
    Mouse(WM_MOUSEMOVE, X(2), Y(1));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_IBEAM));
    // With dragging out off, a click into the selection places the caret.
    Click(X(2), Y(1));
    EXPECT_EQ(State(), "caret 1,3");
}

TEST_F(MouseInput, WindowMessagesAroundInput) {
    EXPECT_EQ(SendMessageA(control, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
    SendMessageA(control, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control), MAKELPARAM(10, 10));
    EXPECT_EQ(parent.received, (std::vector<Notification>{Note(NIMBET_NOTIFY_CONTEXTMENU, 0, 0)}));
    // Focus: the control owns the caret while it has the focus.
    SetFocus(parent.hwnd());
    POINT caret{};
    SetFocus(control);
    EXPECT_TRUE(GetCaretPos(&caret));
    EXPECT_EQ(caret.x, kNumbers);
    EXPECT_EQ(caret.y, kRuler);
}
