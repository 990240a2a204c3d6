// The instance table, creation and deletion, identifier checks and the
// notifications of creation, through the real library and windows.
#include <gtest/gtest.h>

#include "DriverSupport.h"

namespace {

class InstanceTable : public testing::Test {
protected:
    void TearDown() override {
        for (int id = 0; id < 4; ++id)
            Nimbet().NimbetDelete(id);
        Nimbet().NimbetRedim(1);
    }
    RecordingParent parent;
};

TEST_F(InstanceTable, VersionsAreFixed) {
    EXPECT_EQ(Nimbet().GetNimbetVer(), 145);
    EXPECT_EQ(Nimbet().GetNimbetBetaVer(), 0);
}

TEST_F(InstanceTable, OnlyIdentifierZeroExistsUntilRedim) {
    auto& n = Nimbet();
    EXPECT_EQ(n.NimbetCreate(1, parent.hwnd(), 0, 0, 100, 100), NIMBET_BADID);
    EXPECT_EQ(n.NimbetCreate(-1, parent.hwnd(), 0, 0, 100, 100), NIMBET_BADID);
    EXPECT_EQ(n.NimbetRedim(1), NIMBET_BADARG) << "the current count";
    EXPECT_EQ(n.NimbetRedim(-1), NIMBET_BADARG);
    ASSERT_EQ(n.NimbetRedim(3), NIMBET_OK);
    ASSERT_EQ(n.NimbetCreate(2, parent.hwnd(), 0, 0, 100, 100), NIMBET_OK);
    HWND second = n.NimbetGetWnd(2);
    ASSERT_TRUE(IsWindow(second));

    // Shrinking destroys the instances beyond the new count.
    ASSERT_EQ(n.NimbetRedim(2), NIMBET_OK);
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(n.NimbetGetWnd(2), nullptr);
    EXPECT_EQ(n.NimbetGetLines(2), NIMBET_BADID);
}

TEST_F(InstanceTable, CreateTwiceDeleteAndCreateAgain) {
    auto& n = Nimbet();
    ASSERT_EQ(n.NimbetCreate(0, parent.hwnd(), 0, 0, 100, 100), NIMBET_OK);
    EXPECT_EQ(n.NimbetCreate(0, parent.hwnd(), 0, 0, 100, 100), NIMBET_IDINUSE);
    EXPECT_EQ(n.NimbetDelete(0), NIMBET_OK);
    EXPECT_EQ(n.NimbetDelete(0), NIMBET_OK) << "an empty slot";
    EXPECT_EQ(n.NimbetDelete(5), NIMBET_BADID);
    EXPECT_EQ(n.NimbetCreate(0, parent.hwnd(), 0, 0, 100, 100), NIMBET_OK);
}

TEST_F(InstanceTable, ControlIsAChildWindowWithItsClassAndProperty) {
    auto& n = Nimbet();
    ASSERT_EQ(n.NimbetCreate(0, parent.hwnd(), 10, 20, 300, 200), NIMBET_OK);
    HWND control = n.NimbetGetWnd(0);
    ASSERT_TRUE(IsWindow(control));
    EXPECT_EQ(GetParent(control), parent.hwnd());
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    EXPECT_STREQ(name, "NimbetTextEidtorControlForWin32");
    EXPECT_NE(GetPropA(control, "NimbetClass"), nullptr);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.right - rect.left, 300);
    EXPECT_EQ(rect.bottom - rect.top, 200);

    EXPECT_EQ(n.NimbetSetPos(0, 5, 6, 120, 80), NIMBET_OK);
    GetWindowRect(control, &rect);
    EXPECT_EQ(rect.right - rect.left, 120);
    EXPECT_EQ(rect.bottom - rect.top, 80);

    EXPECT_EQ(n.NimbetSetVisible(0, 0), NIMBET_OK);
    EXPECT_FALSE(GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(n.NimbetSetVisible(0, 1), NIMBET_OK);
    EXPECT_TRUE(GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE);

    ASSERT_EQ(n.NimbetDelete(0), NIMBET_OK);
    EXPECT_FALSE(IsWindow(control));
}

TEST_F(InstanceTable, CreationNotifiesTheParentWithTheIdentifier) {
    auto& n = Nimbet();
    ASSERT_EQ(n.NimbetRedim(2), NIMBET_OK);
    ASSERT_EQ(n.NimbetCreate(1, parent.hwnd(), 0, 0, 100, 100), NIMBET_OK);
    ASSERT_FALSE(parent.received.empty());
    EXPECT_EQ(parent.received.front(), Note(NIMBET_NOTIFY_CARET, 1, NIMBET_CARET_EXPORT));
}

TEST_F(InstanceTable, EveryIdentifierTakingExportChecksTheIdentifier) {
    auto& n = Nimbet();
    int line = 0;
    char buffer[8];
    EXPECT_EQ(n.NimbetGetWnd(0), nullptr);
    EXPECT_EQ(n.NimbetGetLineData(0, 1), nullptr);
    const int results[] = {
        n.NimbetSetFocus(0),          n.NimbetSetPos(0, 0, 0, 1, 1),       n.NimbetRefresh(0),
        n.NimbetEndEmphasis(0),       n.NimbetSetVisible(0, 1),            n.NimbetCopy(0),
        n.NimbetCut(0),               n.NimbetPaste(0),                    n.NimbetUndo(0),
        n.NimbetRedo(0),              n.NimbetIndent(0),                   n.NimbetUnIndent(0),
        n.NimbetSelectAll(0),         n.NimbetSetText(0, ""),              n.NimbetGetTextLength(0),
        n.NimbetGetText(0, buffer, 1), n.NimbetGetLines(0),                n.NimbetSetSelText(0, ""),
        n.NimbetGetSelText(0, buffer), n.NimbetGetLineLen(0, 1),           n.NimbetGetLineCode(0),
        n.NimbetSetSelA(0, 1, 1, 1, 1), n.NimbetGetSelA(0, &line, &line, &line, &line),
        n.NimbetSetSelB(0, 1, 1),     n.NimbetGetSelB(0, &line, &line),    n.NimbetGetCaretLine(0),
        n.NimbetGetCaretPos(0),       n.NimbetSetCaretLine(0, 1),          n.NimbetSetCaretPos(0, 1),
        n.NimbetGetCaretThrough(0),   n.NimbetSetCaretThrough(0, 1),       n.NimbetGetCaretVPos(0),
        n.NimbetSetMark(0, 1, 1, 0),  n.NimbetGetMark(0, 1),               n.NimbetSetHighlight(0, "a", 0, 0),
        n.NimbetSetEmphasis(0, "<", ">", 3, 0, 0, 1, 0, 0), n.NimbetAddEmphasis(0, "<", ">", 3, 0, 0, 1, 0),
        n.NimbetResetEmphasis(0, 0),  n.NimbetFontDialog(0, buffer, 0),    n.NimbetSetFont(0, "x", 12, 0),
        n.NimbetSetColor(0, 1, 0, 0), n.NimbetSetMarkVisible(0, 1, 1, 0),  n.NimbetSetMetrics(0, 0, 4, 0),
        n.NimbetWriteEnable(0, 1),    n.NimbetSetLapel(0, 0, 0, 0),
    };
    for (size_t i = 0; i < std::size(results); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(results[i], NIMBET_BADID);
    }
}

TEST_F(InstanceTable, RefreshAndEndEmphasisAreOneEntry) {
    EXPECT_EQ(reinterpret_cast<void*>(Nimbet().NimbetRefresh), reinterpret_cast<void*>(Nimbet().NimbetEndEmphasis));
}

TEST_F(InstanceTable, FlagsLookOnlyAtTheLowByte) {
    auto& n = Nimbet();
    ASSERT_EQ(n.NimbetCreate(0, parent.hwnd(), 0, 0, 100, 100), NIMBET_OK);
    ASSERT_EQ(n.NimbetWriteEnable(0, 0x100), NIMBET_OK); // low byte 0: disabled
    EXPECT_EQ(n.NimbetSetText(0, "x"), NIMBET_READONLY);
    ASSERT_EQ(n.NimbetWriteEnable(0, 0x101), NIMBET_OK);
    EXPECT_EQ(n.NimbetSetText(0, "x"), NIMBET_OK);
}

} // namespace
