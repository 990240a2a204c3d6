// A visible editor control on a recording parent, for the input tests: the
// text font's cell size (measured as the control measures it), client points
// of text columns and rows, mouse messages, and the caret and selection as text.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DriverSupport.h"

class ControlTest : public testing::Test {
public:
    static constexpr int kRuler = 10, kNumbers = 50; // default ruler height and line-number width

    void SetUp() override {
        ShowWindow(parent.hwnd(), SW_SHOWNORMAL);
        ASSERT_EQ(Nimbet().NimbetCreate(0, parent.hwnd(), 0, 0, 400, 300), NIMBET_OK);
        control = Nimbet().NimbetGetWnd(0);
        ASSERT_TRUE(IsWindow(control));
        MeasureFont();
        Pump();
        parent.received.clear();
    }
    void TearDown() override {
        if (GetCapture())
            ReleaseCapture();
        Nimbet().NimbetDelete(0);
    }

    void Load(const char* text) {
        ASSERT_EQ(Nimbet().NimbetSetText(0, text), NIMBET_OK);
        parent.received.clear();
    }
    std::string Text() { return EditorText(3); }
    // "sel l1,p1 l2,p2 caret l,p", or "caret l,p" without a selection.
    std::string State() {
        int l1 = 0, p1 = 0, l2 = 0, p2 = 0;
        const bool selected = Nimbet().NimbetGetSelA(0, &l1, &p1, &l2, &p2) == NIMBET_OK;
        std::string out = selected ? "sel " + std::to_string(l1) + "," + std::to_string(p1) + " " +
                                         std::to_string(l2) + "," + std::to_string(p2) + " "
                                   : "";
        return out + "caret " + std::to_string(Nimbet().NimbetGetCaretLine(0)) + "," +
               std::to_string(Nimbet().NimbetGetCaretPos(0));
    }

    // Client point inside display column `column` (0-based, from the first
    // visible one) of visible row `row` (1-based).
    int X(double column) const { return kNumbers + static_cast<int>(column * cell) + 1; }
    int Y(int row) const { return kRuler + (row - 1) * lineHeight + lineHeight / 2; }
    static constexpr int kNumbersX = 20;

    static LPARAM Point(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }
    void Mouse(UINT message, int x, int y, WPARAM keys = 0) {
        if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK)
            keys |= MK_LBUTTON;
        SendMessageA(control, message, keys, Point(x, y));
    }
    void Click(int x, int y, WPARAM keys = 0) {
        Mouse(WM_LBUTTONDOWN, x, y, keys);
        Mouse(WM_LBUTTONUP, x, y, keys);
    }

    // Dispatches the thread's messages for `ms` milliseconds (at least once).
    static void Pump(DWORD ms = 0) {
        const DWORD start = GetTickCount();
        do {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            if (ms)
                Sleep(5);
        } while (GetTickCount() - start < ms);
    }

    std::vector<Notification> Received(UINT message) const {
        std::vector<Notification> out;
        for (const Notification& n : parent.received)
            if (n.message == message)
                out.push_back(n);
        return out;
    }

    RecordingParent parent;
    HWND control = nullptr;
    int cell = 8, lineHeight = 16;

private:
    void MeasureFont() {
        HDC dc = GetDC(control);
        HFONT font = CreateFontA(-MulDiv(12, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                 FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 FIXED_PITCH | FF_MODERN, "ＭＳ ゴシック");
        HGDIOBJ old = SelectObject(dc, font);
        SIZE size{};
        GetTextExtentPoint32A(dc, "i", 1, &size);
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        SelectObject(dc, old);
        DeleteObject(font);
        ReleaseDC(control, dc);
        cell = size.cx;
        lineHeight = tm.tmHeight;
    }
};
