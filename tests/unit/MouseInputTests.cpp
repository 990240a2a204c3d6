// The mouse on the control: clicks, Shift-clicks, text and line selection by
// dragging with scrolling at the edges, clicks into the selection when it can
// be dragged out, double and triple clicks, links, hovering, and what the
// parent hears of each.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorSketch.h"
#include "MouseInput.h"

using namespace nimbet;

namespace {

constexpr int kLeft = 50, kTop = 10, kCell = 8, kRow = 16;
int X(double column) { return kLeft + static_cast<int>(column * kCell) + 1; }
int Y(int row) { return kTop + (row - 1) * kRow + kRow / 2; }
constexpr int kNumbersX = 20;

constexpr auto kCaret = NIMBET_NOTIFY_CARET;
constexpr auto kMouse = NIMBET_NOTIFY_MOUSE;
constexpr auto kCleared = NIMBET_NOTIFY_SELCLEARED;

struct FakeHost final : MouseHost {
    CursorShape cursor = CursorShape::Arrow;
    bool captured = false;
    int focusTaken = 0;
    bool tripleTimer = false;
    std::vector<std::string> opened;
    void setCursor(CursorShape shape) override { cursor = shape; }
    void captureMouse() override { captured = true; }
    void releaseMouse() override { captured = false; }
    void takeFocus() override { ++focusTaken; }
    void startTripleClickTimer() override { tripleTimer = true; }
    void stopTripleClickTimer() override { tripleTimer = false; }
    void openLink(const std::string& target) override { opened.push_back(target); }
};

struct Mouse {
    explicit Mouse(std::string_view sketch) : s(sketch) {}
    SketchEditor s;
    FakeHost host;
    MouseInput mouse{s.editor, s.events, host};

    // Selection ends in text order and the caret: "1,2-3,4 caret 3,4", or
    // "caret 1,2" without a selection.
    std::string state() const {
        const SelectionRange range = s.editor.selection();
        const auto place = [](TextPlace p) { return std::to_string(p.line) + "," + std::to_string(p.pos); };
        std::string out = range.exists ? place(range.start) + "-" + place(range.finish) + " " : "";
        return out + "caret " + place(s.editor.caretPlace());
    }
    void click(int x, int y, bool shift = false) {
        mouse.buttonDown(x, y, shift);
        mouse.buttonUp(x, y);
    }
};

std::string Lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "line" + std::to_string(i) + (i < count ? "\n" : "");
    return text;
}

} // namespace

TEST(MouseInput, ClickPlacesTheCaretAndDraggingSelects) {
    Mouse m("|hello world\nsecond line");
    m.mouse.buttonDown(X(2), Y(1), false);
    EXPECT_EQ(m.state(), "caret 1,3");
    EXPECT_TRUE(m.host.captured);
    EXPECT_EQ(m.host.focusTaken, 1);
    EXPECT_EQ(m.s.events.notes, (Notes{{kCleared, 0}, {kCaret, 2}}));
    EXPECT_EQ(m.s.events.repaintKinds, (std::vector<Repaint>{Repaint::Light}));

    m.s.events.clear();
    m.mouse.move(X(8), Y(2));
    EXPECT_EQ(m.state(), "1,3-2,9 caret 2,9");
    EXPECT_EQ(m.s.events.notes, (Notes{{kMouse, 4}, {kCaret, 2}, {kCleared, 0}}));
    EXPECT_EQ(m.s.events.lineRepaints, (std::vector<std::pair<int, int>>{{1, 2}}));

    m.s.events.clear();
    m.mouse.move(X(8), Y(2)); // the caret stays: only the mouse code
    EXPECT_EQ(m.s.events.notes, (Notes{{kMouse, 4}}));
    m.mouse.move(X(2), Y(1)); // back onto the anchor: no selection
    EXPECT_EQ(m.state(), "caret 1,3");

    m.mouse.move(X(0), Y(1)); // backwards
    m.mouse.buttonUp(X(0), Y(1));
    EXPECT_EQ(m.state(), "1,1-1,3 caret 1,1");
    EXPECT_FALSE(m.host.captured);
    EXPECT_FALSE(m.mouse.mouseSelecting());
    m.s.events.clear();
    m.mouse.move(X(5), Y(2)); // hovering after the button went up selects nothing
    EXPECT_EQ(m.state(), "1,1-1,3 caret 1,1");
    EXPECT_EQ(m.s.events.notes, (Notes{{kMouse, 0}}));
}

TEST(MouseInput, ShiftClickExtendsFromTheCaret) {
    struct Case {
        const char* sketch;
        int column;
        const char* after;
    } cases[] = {
        {"he|llo", 5, "1,3-1,6 caret 1,6"},
        {"he|llo", 0, "1,1-1,3 caret 1,1"},
        {"he|llo", 2, "caret 1,3"},           // on the caret: nothing selected
        {"[he|llo", 4, "1,3-1,5 caret 1,5"}, // the old anchor is forgotten
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sketch);
        Mouse m(c.sketch);
        m.mouse.buttonDown(X(c.column), Y(1), true);
        EXPECT_EQ(m.state(), c.after);
        EXPECT_FALSE(m.host.captured) << "a Shift-click does not start a drag";
        m.mouse.buttonUp(X(c.column), Y(1));
    }
}

TEST(MouseInput, LineNumberClicksSelectWholeLines) {
    struct Case {
        const char* name;
        std::vector<int> clicks; // rows clicked in the line-number area; negative: with Shift
        const char* after;
    } cases[] = {
        {"a middle line up to the next line's start", {2}, "2,1-3,1 caret 2,4"},
        {"the first line", {1}, "1,1-2,1 caret 1,4"},
        {"the last line up to the end of the text", {3}, "3,1-3,6 caret 3,6"},
        {"below the text: the last line", {9}, "3,1-3,6 caret 3,6"},
        {"Shift extends downwards from the origin", {1, -3}, "1,1-3,6 caret 3,6"},
        {"Shift extends upwards from the origin", {3, -2}, "2,1-3,6 caret 2,1"},
        {"Shift after a text click starts at the caret line", {}, "2,1-3,6 caret 3,6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Mouse m("one\ntwo\nthree");
        if (c.clicks.empty()) {
            m.click(X(1), Y(2));
            m.click(kNumbersX, Y(3), true);
        }
        for (int row : c.clicks)
            m.click(kNumbersX, Y(row < 0 ? -row : row), row < 0);
        EXPECT_EQ(m.state(), c.after);
        EXPECT_TRUE(m.s.editor.caret().lineSelectMode);
        EXPECT_FALSE(m.host.captured);
    }
}

TEST(MouseInput, LineNumberClickNotifiesAndRepaints) {
    Mouse m("one\ntwo\nthree");
    m.mouse.buttonDown(kNumbersX, Y(2), false);
    EXPECT_TRUE(m.host.captured);
    EXPECT_EQ(m.s.events.notes, (Notes{{kCleared, 0}, {kCaret, 2}}));
    EXPECT_EQ(m.s.events.repaintKinds, (std::vector<Repaint>{Repaint::CaretLine})) << "nothing was selected";

    m.s.events.clear();
    m.mouse.move(kNumbersX, Y(3)); // dragging down the numbers
    EXPECT_EQ(m.state(), "2,1-3,6 caret 3,6");
    EXPECT_EQ(m.s.events.notes, (Notes{{kMouse, 3}, {kCaret, 2}, {kCleared, 0}}));
    m.mouse.move(X(3), Y(1)); // upwards, even over the text: the anchor moves to the far edge
    EXPECT_EQ(m.state(), "1,1-3,1 caret 1,1");
    m.mouse.buttonUp(X(3), Y(1));
    EXPECT_FALSE(m.host.captured);

    m.s.events.clear();
    m.mouse.buttonDown(kNumbersX, Y(3), false);
    EXPECT_EQ(m.s.events.repaintKinds, (std::vector<Repaint>{Repaint::Full})) << "a selection was there";

    m.mouse.buttonUp(kNumbersX, Y(3));
    // A text click leaves line-selection mode.
    m.click(X(0), Y(1));
    EXPECT_FALSE(m.s.editor.caret().lineSelectMode);
}

TEST(MouseInput, WrappedLineNumbersSelectDisplayRows) {
    Mouse m(std::string(100, 'a') + "\nb");
    m.s.editor.setWrapping(true, 0); // rows of 43, 43 and 14 letters
    m.click(kNumbersX, Y(2));
    EXPECT_EQ(m.state(), "1,44-1,87 caret 1,87");
    m.click(kNumbersX, Y(3));
    EXPECT_EQ(m.state(), "1,87-2,1 caret 1,101");
    m.click(kNumbersX, Y(1), true); // from row 3 up to row 1
    EXPECT_EQ(m.state(), "1,1-2,1 caret 1,1");
}

TEST(MouseInput, PressOnTheSelectionWaitsForADrag) {
    Mouse m("one [two| three");
    m.mouse.buttonDown(X(5), Y(1), false);
    EXPECT_TRUE(m.mouse.dragPending());
    EXPECT_TRUE(m.s.events.notes.empty());
    EXPECT_FALSE(m.host.captured);
    EXPECT_EQ(m.state(), "1,5-1,8 caret 1,8");
    EXPECT_TRUE(m.mouse.takePendingDrag());
    EXPECT_FALSE(m.mouse.takePendingDrag()) << "only the first move starts the drag";

    // Released without moving: a click into the selection.
    m.mouse.buttonDown(X(5), Y(1), false);
    m.mouse.buttonUp(X(5), Y(1));
    EXPECT_EQ(m.state(), "caret 1,6");
    EXPECT_EQ(m.host.cursor, CursorShape::IBeam);
    EXPECT_EQ(m.s.events.notes, (Notes{{kCleared, 0}, {kCaret, 2}}));
}

TEST(MouseInput, WithoutDraggingOutAClickIntoTheSelectionPlacesTheCaret) {
    for (int variant = 0; variant < 2; ++variant) {
        SCOPED_TRACE(variant == 0 ? "drag-out flag off" : "no drag-and-drop in the window");
        Mouse m("one [two| three");
        if (variant == 0)
            ASSERT_EQ(m.s.editor.setMetric(kMetricDragDrop, 0x09), NIMBET_OK);
        else
            m.mouse.setDragOutAvailable(false);
        m.mouse.buttonDown(X(5), Y(1), false);
        EXPECT_FALSE(m.mouse.dragPending());
        EXPECT_EQ(m.state(), "caret 1,6");
        EXPECT_TRUE(m.host.captured);
        m.mouse.buttonUp(X(5), Y(1));
    }
}

TEST(MouseInput, DoubleClickSelectsAWordAndAQuickThirdClickTheLine) {
    Mouse m("say abc_def 123\nnext");
    m.click(X(5), Y(1));
    m.s.events.clear();
    m.mouse.doubleClick(X(5), Y(1), false);
    EXPECT_EQ(m.state(), "1,5-1,12 caret 1,12");
    EXPECT_EQ(m.s.events.notes, (Notes{{kCaret, 2}}));
    EXPECT_FALSE(m.host.tripleTimer) << "the window opens when the button goes up";
    m.mouse.buttonUp(X(5), Y(1));
    EXPECT_TRUE(m.host.tripleTimer);
    EXPECT_TRUE(m.mouse.tripleClickWindow());

    m.mouse.buttonDown(X(13), Y(1), false); // on the word or anywhere in the line
    EXPECT_EQ(m.state(), "1,1-2,1 caret 1,16");
    EXPECT_FALSE(m.mouse.dragPending()) << "the third click is no drag of the word";
    EXPECT_FALSE(m.host.tripleTimer);
    m.mouse.buttonUp(X(13), Y(1));

    // After the window has closed a click is a click again.
    m.mouse.doubleClick(X(13), Y(1), false);
    EXPECT_EQ(m.state(), "1,13-1,16 caret 1,16");
    m.mouse.buttonUp(X(13), Y(1));
    m.mouse.tripleClickTimerEnded();
    EXPECT_FALSE(m.mouse.tripleClickWindow());
    m.mouse.buttonDown(X(1), Y(2), false);
    EXPECT_EQ(m.state(), "caret 2,2");
}

TEST(MouseInput, DoubleClickWordsAndLinks) {
    struct Case {
        const char* line;
        int column;
        const char* selection; // null: a link was opened
        const char* opened;
    } cases[] = {
        {"漢字かなカナー", 4, "1,5-1,9 caret 1,9", nullptr}, // hiragana run
        {"漢字かなカナー", 8, "1,9-1,15 caret 1,15", nullptr}, // katakana with the prolonged mark
        {"a, b", 1, "1,2-1,3 caret 1,3", nullptr},              // punctuation is a word of its own
        {"abc", 7, "1,1-1,4 caret 1,4", nullptr},               // right of the line: its last word
        {"", 3, "caret 1,1", nullptr},
        {"see http://example.com/a?b=1 now", 10, nullptr, "http://example.com/a?b=1"},
        {"mail to me@example.com", 12, nullptr, "mailto:me@example.com"},
        {"mailto:me@example.com", 3, nullptr, "mailto:me@example.com"},
        {"see http://x.jp", 16, "1,14-1,16 caret 1,16", nullptr}, // right of the URL: its last word
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Mouse m(std::string("|") + c.line);
        m.mouse.doubleClick(X(c.column), Y(1), false);
        if (c.opened) {
            EXPECT_EQ(m.host.opened, std::vector<std::string>{c.opened});
            EXPECT_EQ(m.state(), "caret 1,1");
        } else {
            EXPECT_TRUE(m.host.opened.empty());
            EXPECT_EQ(m.state(), c.selection);
        }
    }
}

TEST(MouseInput, HoveringChoosesCursorAndCode) {
    Mouse m("plain [text| http://a.b/c\nx@y.jp");
    struct Case {
        const char* name;
        int x, y;
        CursorShape cursor;
        int code;
    } cases[] = {
        {"line numbers", kNumbersX, Y(1), CursorShape::LineSelect, 1},
        {"ruler", X(3), 3, CursorShape::Arrow, 2},
        {"text", X(1), Y(1), CursorShape::IBeam, 0},
        {"selection", X(7), Y(1), CursorShape::Arrow, 0},
        {"URL", X(14), Y(1), CursorShape::Link, 5},
        {"mail", X(1), Y(2), CursorShape::Link, 6},
        {"below the text", X(20), Y(9), CursorShape::IBeam, 0},
        {"outside", -5, Y(1), CursorShape::Arrow, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m.s.events.clear();
        m.mouse.move(c.x, c.y);
        EXPECT_EQ(m.host.cursor, c.cursor);
        EXPECT_EQ(m.s.events.notes, (Notes{{kMouse, c.code}}));
        EXPECT_EQ(m.state(), "1,7-1,11 caret 1,11") << "hovering changes nothing";
    }
    // Without dragging out, the selection shows the I-beam like other text;
    // without clickable links, a URL is text.
    ASSERT_EQ(m.s.editor.setMetric(kMetricDragDrop, 0x08), NIMBET_OK);
    ASSERT_EQ(m.s.editor.setMetric(kMetricClickable, 0), NIMBET_OK);
    m.mouse.move(X(7), Y(1));
    EXPECT_EQ(m.host.cursor, CursorShape::IBeam);
    m.mouse.move(X(14), Y(1));
    EXPECT_EQ(m.host.cursor, CursorShape::IBeam);
}

TEST(MouseInput, DraggingPastTheEdgesScrollsOneStepPerMove) {
    Mouse m(Lines(100));
    m.s.editor.setTopLine(10);
    m.mouse.buttonDown(X(2), Y(1), false); // line 10
    EXPECT_EQ(m.state(), "caret 10,3");
    m.s.events.clear();
    m.mouse.move(X(2), kTop - 3); // over the ruler: one row up
    EXPECT_EQ(m.s.editor.caret().topLine, 9);
    EXPECT_EQ(m.state(), "9,3-10,3 caret 9,3");
    EXPECT_EQ(m.s.events.repaintKinds, (std::vector<Repaint>{Repaint::Full}));
    m.mouse.move(X(2), -40);
    m.mouse.move(X(2), -40);
    EXPECT_EQ(m.s.editor.caret().topLine, 7);
    EXPECT_EQ(m.state(), "7,3-10,3 caret 7,3");

    // Below the window: one row down per move, the caret on the bottom row.
    for (int i = 0; i < 30; ++i)
        m.mouse.move(X(2), 500);
    EXPECT_EQ(m.s.editor.caret().topLine, 37);
    EXPECT_EQ(m.state(), "10,3-54,3 caret 54,3");
    m.mouse.buttonUp(X(2), 500);

    // At the top of the text the view stops.
    m.s.editor.setTopLine(1);
    m.mouse.buttonDown(X(2), Y(1), false);
    m.mouse.move(X(2), 0);
    EXPECT_EQ(m.s.editor.caret().topLine, 1);
    EXPECT_EQ(m.state(), "caret 1,3");
    m.mouse.buttonUp(X(2), 0);
}

TEST(MouseInput, DraggingSidewaysScrollsWhileTheLineGoesOn) {
    // 43 columns are visible; the line is 60 wide, so the view may go to
    // column 60 + 6 - 43 = 23.
    Mouse m(std::string(60, 'x') + "\nshort");
    m.mouse.buttonDown(X(40), Y(1), false);
    for (int i = 0; i < 30; ++i)
        m.mouse.move(400, Y(1));
    EXPECT_EQ(m.s.editor.caret().firstColumn, 23);
    EXPECT_EQ(m.state(), "1,41-1,61 caret 1,61");
    for (int i = 0; i < 5; ++i)
        m.mouse.move(10, Y(1)); // over the line numbers: back one column per move
    EXPECT_EQ(m.s.editor.caret().firstColumn, 18);
    EXPECT_EQ(m.state(), "1,18-1,41 caret 1,18");
    m.mouse.move(400, Y(2)); // the short line does not scroll further right
    EXPECT_EQ(m.s.editor.caret().firstColumn, 18);
    m.mouse.buttonUp(400, Y(2));

    m.s.editor.setWrapping(true, 0); // wrapped text never scrolls sideways
    m.mouse.buttonDown(X(1), Y(1), false);
    m.mouse.move(400, Y(1));
    m.mouse.move(10, Y(1));
    EXPECT_EQ(m.s.editor.caret().firstColumn, 1);
}

TEST(MouseInput, LosingTheCaptureEndsTheDrag) {
    Mouse m("abc\ndef");
    m.mouse.buttonDown(X(0), Y(1), false);
    m.mouse.captureLost();
    m.mouse.move(X(2), Y(2));
    EXPECT_EQ(m.state(), "caret 1,1");
    EXPECT_FALSE(m.mouse.mouseSelecting());
}
