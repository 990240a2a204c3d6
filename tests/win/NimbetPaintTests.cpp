// Painting through the real library: pixels inside known character cells of a
// shown control (emphasis colours, a comment continued on a later line, the
// ruler and line-number areas, the separator, link underlines, highlight),
// and the exports behind colours, marks, fonts, wrapping, position and
// visibility. The text font is "ＭＳ ゴシック" at 12 points: 8 x 17 pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "DriverSupport.h"

namespace {

constexpr int kRuler = 10, kNumbers = 50, kCell = 8, kLine = 17;
constexpr COLORREF kTag = RGB(0, 0, 200), kQuote = RGB(200, 0, 0), kComment = RGB(0, 140, 0),
                   kReference = RGB(160, 0, 160);

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Writes the control's window image as a BMP file (for looking at it).
void SaveImage(HWND hwnd, const std::string& path) {
    RECT r;
    GetClientRect(hwnd, &r);
    HDC dc = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(dc);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = r.right;
    info.bmiHeader.biHeight = r.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD stride = ((r.right * 3) + 3) & ~3u;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + stride * r.bottom;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
        std::fwrite(bits, stride, static_cast<size_t>(r.bottom), out);
        std::fclose(out);
    }
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(hwnd, dc);
}

class Paint : public testing::Test {
  protected:
    // One shown parent for all tests: Wine without a window manager waits two
    // seconds whenever a shown top-level window goes away.
    static void SetUpTestSuite() {
        shared = new RecordingParent;
        ShowWindow(shared->hwnd(), SW_SHOWNORMAL);
    }
    static void TearDownTestSuite() {
        delete shared;
        shared = nullptr;
    }

    void SetUp() override {
        ASSERT_EQ(Nimbet().NimbetCreate(0, parent.hwnd(), 0, 0, 420, 300), NIMBET_OK);
        control = Nimbet().NimbetGetWnd(0);
        PumpMessages();
    }
    void TearDown() override {
        // NIMBET_PAINT_IMAGES=folder keeps a picture of every test's control.
        if (const char* folder = std::getenv("NIMBET_PAINT_IMAGES")) {
            const auto* test = testing::UnitTest::GetInstance()->current_test_info();
            SaveImage(control, std::string(folder) + "\\" + test->name() + ".bmp");
        }
        Nimbet().NimbetDelete(0);
    }

    void addHostRules() {
        auto& n = Nimbet();
        ASSERT_EQ(n.NimbetAddEmphasis(0, "<!--", "-->", 4, kComment, 0, 6, 0), NIMBET_OK);
        ASSERT_EQ(n.NimbetAddEmphasis(0, "<", ">", 3, kTag, 0, 2, 3), NIMBET_OK);
        ASSERT_EQ(n.NimbetAddEmphasis(0, "\"", "\"", 3, kQuote, 0, 3, 0), NIMBET_OK);
        ASSERT_EQ(n.NimbetAddEmphasis(0, "&", ";", 3, kReference, 0, 1, 0), NIMBET_OK);
    }

    void show(const char* text) {
        ASSERT_EQ(Nimbet().NimbetSetText(0, text), NIMBET_OK);
        ASSERT_EQ(Nimbet().NimbetRefresh(0), NIMBET_OK);
        PumpMessages();
    }

    COLORREF pixel(int x, int y) const {
        HDC dc = GetDC(control);
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(control, dc);
        return c;
    }

    // How many pixels of exactly `color` lie in [x0, x1) x [y0, y1).
    int countIn(int x0, int x1, int y0, int y1, COLORREF color) const {
        HDC dc = GetDC(control);
        int count = 0;
        for (int x = x0; x < x1; ++x)
            for (int y = y0; y < y1; ++y)
                count += GetPixel(dc, x, y) == color;
        ReleaseDC(control, dc);
        return count;
    }
    // The same over the cells of columns first..last of display row `row`.
    int countInCells(int first, int last, int row, COLORREF color) const {
        return countIn(kNumbers + first * kCell, kNumbers + (last + 1) * kCell, kRuler + row * kLine,
                       kRuler + (row + 1) * kLine, color);
    }

    // The control's client area as the window shows it.
    std::vector<COLORREF> image() const {
        RECT r;
        GetClientRect(control, &r);
        std::vector<COLORREF> pixels;
        HDC dc = GetDC(control);
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, r.right, r.bottom);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
        for (int y = 0; y < r.bottom; ++y)
            for (int x = 0; x < r.right; ++x)
                pixels.push_back(GetPixel(memory, x, y));
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(control, dc);
        return pixels;
    }

    static RecordingParent* shared;
    RecordingParent& parent = *shared;
    HWND control = nullptr;
};

RecordingParent* Paint::shared = nullptr;

TEST_F(Paint, EmphasisColoursInTheirCells) {
    addHostRules();
    show("<TABLE border=\"HELLO\">&amp;\r\n<!-- HEAD\r\nLINE -->\r\nTEXT");
    struct Cell {
        int first, last, row;
        COLORREF color;
        const char* what;
    } cells[] = {
        {1, 5, 0, kTag, "the tag name"},
        {15, 19, 0, kQuote, "the quoted value"},
        {22, 25, 0, kReference, "the character reference"},
        {5, 8, 1, kComment, "the comment's first line"},
        {0, 3, 2, kComment, "the comment continued on a later line"},
        {0, 3, 3, RGB(0, 0, 0), "normal text"},
    };
    for (const Cell& c : cells) {
        SCOPED_TRACE(c.what);
        EXPECT_GT(countInCells(c.first, c.last, c.row, c.color), 8);
        // None of the other colours shows there.
        for (COLORREF other : {kTag, kQuote, kComment, kReference}) {
            if (other != c.color) {
                EXPECT_EQ(countInCells(c.first, c.last, c.row, other), 0);
            }
        }
    }
}

TEST_F(Paint, RulerLineNumbersAndSeparator) {
    auto& n = Nimbet();
    ASSERT_EQ(n.NimbetSetColor(0, 18, RGB(250, 250, 230), 0), NIMBET_OK);
    ASSERT_EQ(n.NimbetSetColor(0, 11, RGB(200, 220, 240), 0), NIMBET_OK);
    show("one\r\ntwo\r\nthree");
    ASSERT_EQ(n.NimbetSetSelA(0, 1, 4, 1, 4), 1);
    // Ruler background between two short ticks, and the caret column's cell.
    EXPECT_EQ(pixel(kNumbers + 6 * kCell + 4, 2), RGB(200, 220, 240));
    EXPECT_EQ(pixel(kNumbers + 3 * kCell + 4, 2), RGB(0x00, 0xC8, 0xC8));
    // A full-height tick at column 10, a short one at column 3.
    EXPECT_EQ(pixel(kNumbers + 10 * kCell, 1), RGB(0, 0, 0));
    EXPECT_EQ(pixel(kNumbers + 3 * kCell, 9), RGB(0, 0, 0));
    EXPECT_NE(pixel(kNumbers + 3 * kCell, 2), RGB(0, 0, 0));
    // The line-number area: the caret row's marker, then the background.
    EXPECT_EQ(pixel(10, kRuler + 3), RGB(0xEF, 0xE6, 0x36));
    EXPECT_EQ(pixel(10, kRuler + kLine + 3), RGB(250, 250, 230));
    // The separator line at x = 46 from top to bottom.
    for (int y : {0, 5, kRuler + 3, 150, 250}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(pixel(46, y), RGB(0x29, 0xB1, 0x85));
        EXPECT_NE(pixel(45, y), RGB(0x29, 0xB1, 0x85));
    }
    // The line numbers in their colour, right-aligned before the separator.
    EXPECT_GT(countIn(30, 46, kRuler + kLine, kRuler + 2 * kLine, RGB(0x30, 0x74, 0xB8)), 4)
        << "the 2 of line 2";
    EXPECT_EQ(countIn(46, 60, kRuler, kRuler + 2 * kLine, RGB(0x30, 0x74, 0xB8)), 0);
}

TEST_F(Paint, UrlUnderlineAndHighlightBackground) {
    auto& n = Nimbet();
    ASSERT_EQ(n.NimbetSetMetrics(0, 9, 0, 0), NIMBET_OK); // solid URL underlines
    ASSERT_EQ(n.NimbetSetHighlight(0, "MID", 1, 0), NIMBET_OK);
    show("see http://abc.jp/x now\r\nA MID B");
    const int underlineY = kRuler + kLine - 1;
    for (int x = kNumbers + 4 * kCell; x < kNumbers + 19 * kCell; ++x)
        ASSERT_EQ(pixel(x, underlineY), RGB(0, 0, 255)) << x;
    EXPECT_NE(pixel(kNumbers + 4 * kCell - 1, underlineY), RGB(0, 0, 255));
    EXPECT_NE(pixel(kNumbers + 19 * kCell, underlineY), RGB(0, 0, 255));

    // The highlighted cells have the highlight background at their corners.
    const COLORREF highlight = RGB(0xFF, 0xB2, 0x00);
    // (The top pixel row of the cells carries the caret-line underline of row 1.)
    for (int column : {2, 3, 4}) {
        SCOPED_TRACE(column);
        EXPECT_EQ(pixel(kNumbers + column * kCell, kRuler + kLine + 1), highlight);
        EXPECT_GT(countInCells(column, column, 1, RGB(0, 0, 255)), 4) << "highlight text colour";
    }
    EXPECT_NE(pixel(kNumbers + 1 * kCell, kRuler + kLine + 1), highlight);
}

TEST_F(Paint, JapaneseTextTakesTwoCellsPerCharacterAndTabsAlignColumns) {
    auto& n = Nimbet();
    ASSERT_EQ(n.NimbetSetMarkVisible(0, 0, 0, 0), NIMBET_OK); // no tab mark
    show("日本語\tI\r\n全角　空白I");
    // Every double-byte character leaves ink in both of its cells' span, and
    // the I after the tab sits in column 8.
    for (int column : {0, 2, 4}) {
        SCOPED_TRACE(column);
        EXPECT_GT(countInCells(column, column + 1, 0, RGB(0, 0, 0)), 10);
    }
    EXPECT_EQ(countInCells(6, 7, 0, RGB(0, 0, 0)), 0) << "the tab's cells are empty";
    EXPECT_GT(countInCells(8, 8, 0, RGB(0, 0, 0)), 5);
    // The full-width space shows its mark in its colour; the I after it is in column 10.
    EXPECT_GT(countInCells(4, 5, 1, RGB(0xFF, 0x96, 0x96)), 5);
    EXPECT_GT(countInCells(10, 10, 1, RGB(0, 0, 0)), 5);
}

TEST_F(Paint, WrappedRowsSelectionAndMarks) {
    auto& n = Nimbet();
    const int width = GetSystemMetrics(SM_CXVSCROLL) + kNumbers + 4 + 40 * kCell;
    ASSERT_EQ(n.NimbetSetPos(0, 0, 0, width, 300), NIMBET_OK);
    ASSERT_EQ(n.NimbetSetLapel(0, 1, 0, 0), NIMBET_OK);
    show((std::string(39, 'I') + "表示I\r\nnext").c_str());
    ASSERT_EQ(n.NimbetSetMark(0, 1, 1, 0), 0);
    ASSERT_EQ(n.NimbetSetMark(0, 2, 3, 0), 0);
    ASSERT_EQ(n.NimbetSetSelA(0, 1, 3, 1, 5), 1); // columns 2 and 3 of the first row
    PumpMessages();
    // The double-byte character that would take columns 39 and 40 opens row 2.
    EXPECT_EQ(countInCells(39, 39, 0, RGB(0, 0, 0)), 0);
    EXPECT_GT(countInCells(0, 1, 1, RGB(0, 0, 0)), 10);
    EXPECT_GT(countInCells(4, 4, 1, RGB(0, 0, 0)), 5) << "the I after two double-byte characters";
    // Display-row numbers: 1, 2 for the first line, 3 for the second.
    EXPECT_GT(countIn(30, 46, kRuler + 2 * kLine, kRuler + 3 * kLine, RGB(0x30, 0x74, 0xB8)), 4);
    // Mark bars at the left edge over every row of their line.
    EXPECT_EQ(pixel(0, kRuler + 3), RGB(0, 0, 255));
    EXPECT_EQ(pixel(1, kRuler + kLine + 3), RGB(0, 0, 255));
    EXPECT_EQ(pixel(2, kRuler + kLine + 3), RGB(255, 255, 255));
    EXPECT_EQ(pixel(1, kRuler + 2 * kLine + 3), RGB(0, 255, 0));
    // The selection inverts its cells: white background turns black. (The
    // caret stands at the left edge of column 4.)
    EXPECT_EQ(pixel(kNumbers + 2 * kCell, kRuler + 1), RGB(0, 0, 0));
    EXPECT_EQ(pixel(kNumbers + 4 * kCell - 1, kRuler + 1), RGB(0, 0, 0));
    EXPECT_EQ(pixel(kNumbers + 5 * kCell, kRuler + 1), RGB(255, 255, 255));
}

TEST_F(Paint, SettingsExportsCheckTheirKinds) {
    auto& n = Nimbet();
    EXPECT_EQ(n.NimbetSetColor(0, -1, 0, 0), NIMBET_BADARG);
    EXPECT_EQ(n.NimbetSetColor(0, 21, 0, 0), NIMBET_BADARG);
    EXPECT_EQ(n.NimbetSetColor(0, 20, 0, 1), NIMBET_OK);
    EXPECT_EQ(n.NimbetSetColor(1, 0, 0, 0), NIMBET_BADID);
    EXPECT_EQ(n.NimbetSetMarkVisible(0, 6, 1, 0), NIMBET_BADARG);
    EXPECT_EQ(n.NimbetSetMarkVisible(0, -1, 1, 0), NIMBET_BADARG);
    EXPECT_EQ(n.NimbetSetMarkVisible(0, 5, 0, 1), NIMBET_OK);
    EXPECT_EQ(n.NimbetSetMarkVisible(1, 0, 0, 0), NIMBET_BADID);
    EXPECT_EQ(n.NimbetSetLapel(1, 1, 0, 0), NIMBET_BADID);
    EXPECT_EQ(n.NimbetSetFont(1, "x", 12, 0), NIMBET_BADID);
    EXPECT_EQ(n.NimbetFontDialog(1, nullptr, 0), NIMBET_BADID);
}

TEST_F(Paint, ColourAndMetricsChangesShowAfterARepaint) {
    auto& n = Nimbet();
    show("abc");
    ASSERT_EQ(n.NimbetSetColor(0, 11, RGB(10, 20, 30), 1), NIMBET_OK);
    EXPECT_EQ(pixel(kNumbers + 3 * kCell + 4, 2), RGB(10, 20, 30));
    // Without ruler and line numbers the text starts at the top-left corner.
    ASSERT_EQ(n.NimbetSetMetrics(0, 1, 0, 0), NIMBET_OK);
    ASSERT_EQ(n.NimbetSetMetrics(0, 2, 0, 1), NIMBET_OK);
    EXPECT_GT(countIn(0, 3 * kCell, 0, kLine, RGB(0, 0, 0)), 10);
    EXPECT_EQ(countIn(0, 3 * kCell, 0, kLine, RGB(10, 20, 30)), 0);
}

// Where the system caret stands, in client coordinates.
POINT CaretPoint() {
    POINT p{-1, -1};
    GetCaretPos(&p);
    return p;
}

TEST_F(Paint, SetFontKeepsTheOldFontWhenTheNewOneIsRefused) {
    auto& n = Nimbet();
    SetFocus(control);
    show("abc");
    ASSERT_EQ(n.NimbetSetSelA(0, 1, 4, 1, 4), 1);
    EXPECT_EQ(CaretPoint().x, kNumbers + 3 * kCell);
    EXPECT_EQ(n.NimbetSetFont(0, nullptr, 12, 1), NIMBET_BADARG);
    EXPECT_EQ(n.NimbetSetFont(0, "ＭＳ ゴシック", 0, 1), NIMBET_BADARG);
    EXPECT_EQ(n.NimbetSetFont(0, "ＭＳ ゴシック", -3, 1), NIMBET_BADARG);
    ASSERT_EQ(n.NimbetSetFont(0, "ＭＳ ゴシック", 24, 1), NIMBET_OK);
    const int wide = CaretPoint().x - kNumbers;
    EXPECT_GT(wide, 3 * kCell);
    EXPECT_EQ(wide % 3, 0);
    // A proportional face fails the "i" and "w" test.
    // (Wine serves "ＭＳ Ｐゴシック" with a fixed-pitch font; its own
    // proportional Japanese face is IPAPGothic.)
    EXPECT_EQ(n.NimbetSetFont(0, "IPAPGothic", 12, 1), NIMBET_FAILED);
    EXPECT_EQ(CaretPoint().x - kNumbers, wide);
    ASSERT_EQ(n.NimbetSetFont(0, "ＭＳ ゴシック", 12, 1), NIMBET_OK);
    EXPECT_EQ(CaretPoint().x, kNumbers + 3 * kCell);
}

// Presses a button of the font dialog as soon as it shows.
UINT_PTR g_dialogTimer = 0;
int g_dialogButton = IDCANCEL;

BOOL CALLBACK PressIfDialog(HWND hwnd, LPARAM) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(hwnd)) {
        PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(g_dialogButton, BN_CLICKED), 0);
        return FALSE;
    }
    return TRUE;
}

void CALLBACK DialogTimer(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), PressIfDialog, 0);
}

int RunFontDialog(char* face, int button) {
    g_dialogButton = button;
    g_dialogTimer = SetTimer(nullptr, 0, 200, DialogTimer);
    const int result = Nimbet().NimbetFontDialog(0, face, 1);
    KillTimer(nullptr, g_dialogTimer);
    return result;
}

TEST_F(Paint, FontDialog) {
    char face[261];
    std::memset(face, 'x', sizeof face);
    EXPECT_EQ(RunFontDialog(face, IDCANCEL), NIMBET_CANCELLED);
    EXPECT_STREQ(face, "");
    EXPECT_EQ(Nimbet().NimbetFontDialog(0, nullptr, 0), NIMBET_BADARG);

    const int points = RunFontDialog(face, IDOK);
    EXPECT_GT(points, 0);
    EXPECT_GT(std::strlen(face), 0u);
    // The chosen font is in use: setting it by name works too.
    EXPECT_EQ(Nimbet().NimbetSetFont(0, face, points, 1), NIMBET_OK);
}

TEST_F(Paint, LapelSwitchesWrappingAndKeepsTheTopLine) {
    auto& n = Nimbet();
    // 40 visible columns: the scroll bar, the line numbers and 4 pixels aside.
    const int width = GetSystemMetrics(SM_CXVSCROLL) + kNumbers + 4 + 40 * kCell;
    ASSERT_EQ(n.NimbetSetPos(0, 0, 0, width, 300), NIMBET_OK);
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += std::string(100, 'x') + "\r\n";
    show(text.c_str());
    ASSERT_EQ(n.NimbetSetSelA(0, 1, 101, 1, 101), 1);
    EXPECT_EQ(n.NimbetGetCaretVPos(0), 100);

    ASSERT_EQ(n.NimbetSetLapel(0, 1, 80, 1), NIMBET_OK);
    EXPECT_EQ(n.NimbetGetCaretVPos(0), 20) << "the column within the third row";
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(control, SB_HORZ, &info);
    EXPECT_EQ(info.nMax, 0);
    EXPECT_EQ(info.nPage, 0u);

    // Line 20 at the top shows as its first display row, and back.
    ASSERT_EQ(n.NimbetSetLapel(0, 0, 0, 0), NIMBET_OK);
    ASSERT_EQ(n.NimbetSetCaretLine(0, 31), NIMBET_OK);
    ASSERT_EQ(n.NimbetSetCaretLine(0, 20), NIMBET_OK);
    GetScrollInfo(control, SB_VERT, &info);
    const int topLine = info.nPos + 1;
    ASSERT_GT(topLine, 1);
    ASSERT_EQ(n.NimbetSetLapel(0, 1, 0, 1), NIMBET_OK);
    GetScrollInfo(control, SB_VERT, &info);
    EXPECT_EQ(info.nPos, (topLine - 1) * 3);
    ASSERT_EQ(n.NimbetSetLapel(0, 0, 0, 1), NIMBET_OK);
    GetScrollInfo(control, SB_VERT, &info);
    EXPECT_EQ(info.nPos + 1, topLine);
    GetScrollInfo(control, SB_HORZ, &info);
    EXPECT_EQ(info.nMax, 1024);
}

TEST_F(Paint, PositionVisibilityAndOddSizes) {
    auto& n = Nimbet();
    show("abc");
    RECT r;
    for (const auto& size : {SIZE{0, 0}, SIZE{-5, -7}, SIZE{1, 1}, SIZE{300, 200}}) {
        SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy);
        ASSERT_EQ(n.NimbetSetPos(0, 5, 6, size.cx, size.cy), NIMBET_OK);
        ASSERT_EQ(n.NimbetRefresh(0), NIMBET_OK);
        PumpMessages();
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, parent.hwnd(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.right - r.left, std::max(size.cx, 0L));
        EXPECT_EQ(r.bottom - r.top, std::max(size.cy, 0L));
    }
    EXPECT_GT(countInCells(0, 2, 0, RGB(0, 0, 0)), 10) << "painted again at full size";

    ASSERT_EQ(n.NimbetSetVisible(0, 0), NIMBET_OK);
    EXPECT_FALSE(IsWindowVisible(control));
    EXPECT_EQ(n.NimbetRefresh(0), NIMBET_OK);
    EXPECT_EQ(n.NimbetSetText(0, "changed while hidden"), NIMBET_OK);
    ASSERT_EQ(n.NimbetSetVisible(0, 1), NIMBET_OK);
    PumpMessages();
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_GT(countInCells(0, 6, 0, RGB(0, 0, 0)), 10);
}

TEST_F(Paint, ScrollBarsFollowTheView) {
    std::string text;
    for (int i = 0; i < 50; ++i)
        text += "line\r\n";
    show(text.c_str());
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(control, SB_VERT, &info);
    RECT client;
    GetClientRect(control, &client);
    const int page = (client.bottom - kRuler) / kLine + 1;
    EXPECT_EQ(static_cast<int>(info.nPage), page);
    EXPECT_EQ(info.nMax, page + 51 - 2);
    EXPECT_EQ(info.nPos, 0);
    GetScrollInfo(control, SB_HORZ, &info);
    EXPECT_EQ(info.nMax, 1024);
    EXPECT_EQ(static_cast<int>(info.nPage), (420 - GetSystemMetrics(SM_CXVSCROLL) - kNumbers - 4) / kCell);
}

} // namespace

// Frames that repaint only some lines and copy only what they changed to the
// window leave it as a whole repaint would: after typing, moving, selecting,
// clicking a line number, a mark set without a repaint and a comment opened.
TEST_F(Paint, PartialFramesLeaveWhatAWholeRepaintShows) {
    auto& n = Nimbet();
    addHostRules();
    std::string text;
    for (int i = 1; i <= 30; ++i)
        text += "<p class=\"c" + std::to_string(i) + "\">行 &amp; 表示 " + std::to_string(i) + "</p>\r\n";
    show(text.c_str());
    ASSERT_EQ(n.NimbetSetCaretLine(0, 3), NIMBET_OK);
    const auto key = [&](int virtualKey, bool shift = false) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        SendMessageA(control, WM_KEYDOWN, virtualKey, 1);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    };
    const auto type = [&](const char* chars) {
        for (const char* c = chars; *c; ++c)
            SendMessageA(control, WM_CHAR, static_cast<unsigned char>(*c), 1);
    };
    const auto click = [&](int x, int y) {
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    };
    struct Step {
        const char* name;
        std::function<void()> act;
    } steps[] = {
        {"typing", [&] { type("<b>x&amp;"); }},
        {"moving up, down and right", [&] { key(VK_UP), key(VK_DOWN), key(VK_DOWN), key(VK_RIGHT); }},
        {"selecting with Shift", [&] { key(VK_DOWN, true), key(VK_RIGHT, true); }},
        {"typing over the selection", [&] { type("y"); }},
        {"clicking a line number", [&] { click(20, kRuler + 6 * kLine + 5); }},
        {"clicking into the text", [&] { click(kNumbers + 5 * kCell, kRuler + 2 * kLine + 5); }},
        {"a mark set without a repaint, then typing", [&] { n.NimbetSetMark(0, 3, 2, 0), type("z"); }},
        {"backspace", [&] { key(VK_BACK); }},
        {"opening a comment", [&] { type("<!--"); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        SetFocus(parent.hwnd()); // no blinking caret in the pictures
        PumpMessages();
        const std::vector<COLORREF> partial = image();
        ASSERT_EQ(n.NimbetRefresh(0), NIMBET_OK);
        PumpMessages();
        EXPECT_TRUE(partial == image());
    }
}
