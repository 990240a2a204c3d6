// Splitter bars on a real parent window: dragging with posted mouse messages
// through the bar's own tracking loop, Escape, swallowed keys, and bars that
// cannot move.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "Splitter.h"

namespace {

constexpr int kLeftId = 101, kBarId = 102, kRightId = 103;

struct Moved {
    WPARAM distance;
    LPARAM id;
};
std::vector<Moved> g_moves;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kSplitterMovedMessage) {
        g_moves.push_back({wParam, lParam});
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

RECT InParent(HWND parent, int id) {
    RECT r;
    GetWindowRect(GetDlgItem(parent, id), &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class Splitter : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "SplitterTestParent";
        RegisterClassA(&wc);
        parent = CreateWindowExA(0, "SplitterTestParent", "", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        child(kLeftId, 10, 10, 390, 500);
        child(kBarId, 400, 10, 6, 500);
        child(kRightId, 410, 10, 380, 500);
        g_moves.clear();
    }
    void TearDown() override { DestroyWindow(parent); }

    void child(int id, int x, int y, int w, int h) {
        CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, x, y, w, h, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    }
    void attach(CSplitterX& bar) {
        ASSERT_TRUE(bar.Attach(parent, kBarId));
        bar.SetMargins(50, 50);
        bar.leftIds.push_back(kLeftId);
        bar.AddAfter(kRightId);
        bar.Relayout();
    }
    HWND barWindow() { return GetDlgItem(parent, kBarId); }
    // Queues the messages the tracking loop will read, then presses the button.
    void drag(const std::vector<MSG>& queued, int grabX = 3, int grabY = 100) {
        for (const MSG& m : queued)
            PostMessageA(barWindow(), m.message, m.wParam, m.lParam);
        SendMessageA(barWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grabX, grabY));
    }
    static MSG Move(int x, int y = 100) { return {nullptr, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y), 0, {}}; }
    static MSG Key(WPARAM key) { return {nullptr, WM_KEYDOWN, key, 0, 0, {}}; }
    static MSG Up(int x, int y = 100) { return {nullptr, WM_LBUTTONUP, 0, MAKELPARAM(x, y), 0, {}}; }

    HWND parent = nullptr;
};

TEST_F(Splitter, AttachAddsNotifyStyleAndRelayoutAlignsNeighbours) {
    CSplitterX bar;
    attach(bar);
    EXPECT_TRUE(GetWindowLongA(barWindow(), GWL_STYLE) & SS_NOTIFY);
    EXPECT_EQ(InParent(parent, kLeftId).right, 399);
    EXPECT_EQ(InParent(parent, kRightId).left, 407);
    CSplitterX fresh;
    EXPECT_FALSE(fresh.Attach(parent, kBarId)) << "the bar has its splitter already";
    EXPECT_FALSE(fresh.Attach(parent, 999));
    child(104, 0, 0, 4, 4);
    ASSERT_TRUE(fresh.Attach(parent, 104));
    EXPECT_EQ(fresh.marginBefore, 10);
    EXPECT_EQ(fresh.marginAfter, 10);
}

TEST_F(Splitter, DragMovesTheBarAndNotifiesTheSignedDistance) {
    CSplitterX bar;
    attach(bar);
    drag({Move(-10), Move(-27), Up(-27)});
    const RECT moved = InParent(parent, kBarId);
    EXPECT_EQ(moved.left, 370);
    EXPECT_EQ(moved.right, 376);
    EXPECT_EQ(InParent(parent, kLeftId).right, 369);
    EXPECT_EQ(InParent(parent, kRightId).left, 377);
    ASSERT_EQ(g_moves.size(), 1u);
    EXPECT_EQ(static_cast<INT_PTR>(g_moves[0].distance), -30);
    EXPECT_EQ(g_moves[0].id, kBarId);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Splitter, EscapeAppliesTheLastPositionAndOtherKeysDoNothing) {
    CSplitterX bar;
    attach(bar);
    drag({Move(23), Key('A'), Key(VK_RETURN), Move(43), Key(VK_ESCAPE), Move(100)});
    EXPECT_EQ(InParent(parent, kBarId).left, 440);
    ASSERT_EQ(g_moves.size(), 1u);
    EXPECT_EQ(static_cast<INT_PTR>(g_moves[0].distance), 40);
}

TEST_F(Splitter, ClickWithoutMovementOrBackToTheStartSendsNothing) {
    CSplitterX bar;
    attach(bar);
    drag({Up(3)});
    drag({Move(50), Move(3), Up(3)});
    EXPECT_EQ(InParent(parent, kBarId).left, 400);
    EXPECT_TRUE(g_moves.empty());
}

TEST_F(Splitter, BarBetweenNeighboursAtTheirMarginsCannotMove) {
    CSplitterX bar;
    attach(bar);
    bar.SetMargins(400, 400);
    drag({Move(-50), Up(-50)});
    EXPECT_EQ(InParent(parent, kBarId).left, 400);
    EXPECT_TRUE(g_moves.empty());
    EXPECT_EQ(GetCapture(), nullptr);
    // The queued messages were not consumed by a tracking loop.
    MSG m;
    int left = 0;
    while (PeekMessageA(&m, barWindow(), 0, 0, PM_REMOVE))
        ++left;
    EXPECT_EQ(left, 2);
}

TEST_F(Splitter, VerticalBarMovesControlsAboveAndBelow) {
    DestroyWindow(GetDlgItem(parent, kLeftId));
    DestroyWindow(GetDlgItem(parent, kBarId));
    DestroyWindow(GetDlgItem(parent, kRightId));
    child(kLeftId, 10, 10, 700, 290);
    child(kBarId, 10, 300, 700, 6);
    child(kRightId, 10, 310, 700, 280);
    CSplitterY bar;
    ASSERT_TRUE(bar.Attach(parent, kBarId));
    bar.SetMargins(50, 50);
    bar.topIds.push_back(kLeftId);
    bar.bottomIds.push_back(kRightId);
    bar.Relayout();
    drag({Move(40, 2 + 60), Up(40, 2 + 60)}, 40, 2);
    EXPECT_EQ(InParent(parent, kBarId).top, 360);
    EXPECT_EQ(InParent(parent, kLeftId).bottom, 359);
    EXPECT_EQ(InParent(parent, kRightId).top, 367);
    ASSERT_EQ(g_moves.size(), 1u);
    EXPECT_EQ(static_cast<INT_PTR>(g_moves[0].distance), 60);
}

} // namespace
