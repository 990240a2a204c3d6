// The wheel and both scroll bars of the real control, and the redraw
// throttle: a held scroll arrow scrolls without repainting until it is let go.
#include "ControlFixture.h"

#include <vector>

namespace {

class Scrolling : public ControlTest {
public:
    void SetUp() override {
        ControlTest::SetUp();
        std::string text;
        for (int i = 1; i <= 200; ++i)
            text += "line" + std::to_string(i) + std::string(static_cast<size_t>(i % 7), '#') +
                    (i < 200 ? "\r\n" : "");
        Load(text.c_str());
        Pump(50);
    }
    int Top() const { return GetScrollPos(control, SB_VERT) + 1; }
    int First() const { return GetScrollPos(control, SB_HORZ) + 1; }
    void Vertical(int code) { SendMessageA(control, WM_VSCROLL, MAKEWPARAM(code, 0), 0); }
    // One step, the redraw timer given time to fire, then the arrow let go.
    void SlowStep(int code) {
        Vertical(code);
        Pump(100);
        Vertical(SB_ENDSCROLL);
    }
    // A checksum of what the window shows.
    unsigned long long Picture() const {
        RECT client;
        GetClientRect(control, &client);
        HDC dc = GetDC(control);
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = client.right;
        info.bmiHeader.biHeight = -client.bottom;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        std::vector<unsigned> pixels(static_cast<size_t>(client.right) * client.bottom);
        GetDIBits(memory, bitmap, 0, client.bottom, pixels.data(), &info, DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(control, dc);
        unsigned long long sum = 0;
        for (size_t i = 0; i < pixels.size(); ++i)
            sum = sum * 1000003u + (pixels[i] & 0xFFFFFF) + i;
        return sum;
    }
};

} // namespace

TEST_F(Scrolling, WheelScrollsThreeLinesPerNotch) {
    SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), Point(100, 100));
    EXPECT_EQ(Top(), 4);
    SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), Point(100, 100));
    SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), Point(100, 100));
    EXPECT_EQ(Top(), 4);
    ASSERT_EQ(Nimbet().NimbetSetMetrics(0, 5, 10, 0), NIMBET_OK);
    SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), Point(100, 100));
    EXPECT_EQ(Top(), 1) << "not above the first line";
    for (int i = 0; i < 30; ++i)
        SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), Point(100, 100));
    EXPECT_EQ(Top(), 200) << "not below the last line";
    EXPECT_EQ(State(), "caret 1,1") << "the wheel moves the view, not the caret";
}

TEST_F(Scrolling, ScrollBarsMoveTheView) {
    RECT client;
    GetClientRect(control, &client);
    const int page = (client.bottom - kRuler) / lineHeight + 1;
    Vertical(SB_PAGEDOWN);
    EXPECT_EQ(Top(), 1 + page);
    Vertical(SB_PAGEUP);
    EXPECT_EQ(Top(), 1);
    SetScrollPos(control, SB_VERT, 120, FALSE); // where the thumb was dragged to
    Vertical(SB_THUMBTRACK);
    EXPECT_EQ(Top(), 121);
    SetScrollPos(control, SB_VERT, 40, FALSE);
    Vertical(SB_THUMBPOSITION);
    EXPECT_EQ(Top(), 41);
    Vertical(SB_BOTTOM);
    EXPECT_EQ(Top(), 200);
    Vertical(SB_LINEDOWN);
    EXPECT_EQ(Top(), 200);
    Vertical(SB_ENDSCROLL);
    Vertical(SB_TOP);
    EXPECT_EQ(Top(), 1);

    SendMessageA(control, WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), 0);
    EXPECT_EQ(First(), 2);
    SendMessageA(control, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 300), 0);
    EXPECT_EQ(First(), 301);
    SendMessageA(control, WM_HSCROLL, MAKEWPARAM(SB_PAGELEFT, 0), 0);
    EXPECT_LT(First(), 301);
    SendMessageA(control, WM_HSCROLL, MAKEWPARAM(SB_LEFT, 0), 0);
    EXPECT_EQ(First(), 1);
    EXPECT_EQ(State(), "caret 1,1");
}

TEST_F(Scrolling, HeldArrowScrollsWithoutRepaintingUntilLetGo) {
    const unsigned long long atTop = Picture();
    // One step: the picture follows once the redraw timer has fired.
    Vertical(SB_LINEDOWN);
    EXPECT_EQ(Top(), 2);
    Pump(100);
    const unsigned long long oneDown = Picture();
    EXPECT_NE(oneDown, atTop);
    Vertical(SB_ENDSCROLL);

    // Steps faster than 30 ms apart: the picture stays until the end. A busy
    // machine may not deliver the steps that fast; such a try says nothing
    // about the throttle, so it is made again from line 2.
    bool fast = false;
    for (int attempt = 0; attempt < 20 && !fast; ++attempt) {
        if (attempt > 0) {
            Vertical(SB_ENDSCROLL);
            Vertical(SB_TOP);
            SlowStep(SB_LINEDOWN);
            ASSERT_EQ(Top(), 2);
            ASSERT_EQ(Picture(), oneDown);
        }
        // The second step decides: it comes within 30 ms of the first or not.
        const DWORD started = GetTickCount();
        Vertical(SB_LINEDOWN);
        Vertical(SB_LINEDOWN);
        fast = GetTickCount() - started < 28;
        Vertical(SB_LINEDOWN);
    }
    ASSERT_TRUE(fast) << "the machine never sent two steps within 28 ms";
    Pump(100);
    EXPECT_EQ(Top(), 5);
    EXPECT_EQ(Picture(), oneDown) << "no repaint while scrolling fast";
    Vertical(SB_ENDSCROLL);
    const unsigned long long fourDown = Picture();
    EXPECT_NE(fourDown, oneDown) << "letting go repaints";

    // The same lines scrolled to again look the same.
    for (int step = 0; step < 3; ++step)
        SlowStep(SB_LINEUP);
    EXPECT_EQ(Top(), 2);
    EXPECT_EQ(Picture(), oneDown);
}
