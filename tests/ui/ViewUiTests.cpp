// End-to-end tests of the main view's display: the mode table seen through
// the windows that show, the pane rectangles in both two-pane directions,
// dragging the bars between editor and preview, the keys the view handles
// itself, and dropped files.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "AppSession.h"
#include "Automation.h"
#include "resource_ids.h"

using namespace quiltmark::automation;

namespace {

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

bool Visible(HWND window) {
    return window && IsWindowVisible(window);
}

struct Box {
    int x, y, width, height;
    bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << "(" << b.x << ", " << b.y << ", " << b.width << " x " << b.height << ")";
}

Box BoxOf(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Editor, bar and browser of a two-pane display, in the view's coordinates.
struct Panes {
    Box editor, bar, browser;
};

Panes PanesOf(const AppSession& app, int barId) {
    return {BoxOf(app.InView(app.Editor())), BoxOf(app.InView(GetDlgItem(app.View(), barId))),
            BoxOf(app.InView(GetDlgItem(app.View(), IDC_BROWSER)))};
}

// Where the panes belong for a client area of w x h with the split at `split`
// (x side by side, y one above the other) and the second pane `second` long.
Panes SideBySide(int h, int split, int second) {
    const int extent = h - 5;
    return {{3, 3, split - 7, extent}, {split - 3, 3, 5, extent}, {split + 3, 3, second, extent}};
}

Panes Stacked(int w, int split, int second) {
    const int extent = w - 4;
    return {{3, 3, extent, split - 7}, {3, split - 3, extent, 5}, {3, split + 3, extent, second}};
}

void ExpectPanes(const Panes& actual, const Panes& expected) {
    EXPECT_EQ(actual.editor, expected.editor) << "editor";
    EXPECT_EQ(actual.bar, expected.bar) << "bar";
    EXPECT_EQ(actual.browser, expected.browser) << "browser";
}

// Drags a bar with the mouse messages a real drag sends: the button goes down
// at `grab` in the bar's own coordinates, the mouse moves by `distance` along
// the bar's axis, and the button comes up there.
void DragBar(const AppSession& app, int barId, bool sideways, int distance) {
    HWND bar = GetDlgItem(app.View(), barId);
    const POINT grab{2, 40};
    const POINT end = sideways ? POINT{grab.x + distance, grab.y} : POINT{grab.x, grab.y + distance};
    PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grab.x, grab.y));
    PostMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(end.x, end.y));
    PostMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(end.x, end.y));
    ASSERT_TRUE(app.Flush());
}

} // namespace

TEST(QuiltmarkModes, TheModeTableDecidesWhatShows) {
    AppSession app;
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);
    HWND view = app.View();
    HWND tab = GetDlgItem(view, IDC_TAB);
    HWND browser = GetDlgItem(view, IDC_BROWSER);
    HWND sideBar = GetDlgItem(view, IDC_SPLIT_SIDE);
    ASSERT_NE(browser, nullptr);

    // Each sequence starts on the source tab with two-pane display off.
    enum Step { AltZ, AltX, PreviewTabClick };
    const struct {
        const char* name;
        std::vector<Step> steps;
        int twoPane, kind, tab; // after the last step
    } sequences[] = {
        {"Alt+Z twice", {AltZ, AltZ}, 0, 0, 0},
        {"Alt+Z then Alt+X", {AltZ, AltX}, 1, 2, 0},
        {"Alt+X then Alt+Z", {AltX, AltZ}, 1, 1, 0},
        {"a tab click ends two-pane display", {AltZ, PreviewTabClick}, 0, 0, 1},
    };
    for (const auto& s : sequences) {
        SCOPED_TRACE(s.name);
        app.Command(ID_VIEW_TAB_SOURCE);
        for (Step step : s.steps) {
            if (step == AltZ)
                app.Command(ID_VIEW_SPLIT_REALTIME);
            else if (step == AltX)
                app.Command(ID_VIEW_SPLIT_ALTR);
            else // the tab control selects the tab that gets the focus and tells the view
                SendMessageA(tab, TCM_SETCURFOCUS, 1, 0);
        }
        EXPECT_EQ(app.Query(kQueryTwoPaneOn), s.twoPane);
        EXPECT_EQ(app.Query(kQueryTwoPaneKind), s.kind);
        EXPECT_EQ(app.Query(kQueryCurrentTab), s.tab);
        const bool twoPane = s.twoPane == 1;
        EXPECT_EQ(Visible(tab), !twoPane);
        EXPECT_EQ(Visible(sideBar), twoPane);
        EXPECT_EQ(Visible(browser), twoPane || s.tab == 1);
        EXPECT_EQ(Visible(app.Editor()), twoPane || s.tab == 0);
    }
    ASSERT_TRUE(app.Close());
}

TEST(QuiltmarkModes, PanesAndBarsInBothDirectionsFollowTheirDrags) {
    for (const bool sideways : {true, false}) {
        SCOPED_TRACE(sideways ? "side by side" : "one above the other");
        AppSession app;
        app.SetIni("HowPreview", "isMyHowRL", sideways ? "1" : "0");
        app.SetIni("HowPreview", "isMyDev", "1");
        app.SetIni("HowPreview", "isMyRealTime", "1");
        ASSERT_TRUE(app.Start());
        ASSERT_NE(app.WaitForFrame(), nullptr);
        const int barId = sideways ? IDC_SPLIT_SIDE : IDC_SPLIT_STACKED;
        EXPECT_TRUE(Visible(GetDlgItem(app.View(), barId)));
        EXPECT_FALSE(Visible(GetDlgItem(app.View(), sideways ? IDC_SPLIT_STACKED : IDC_SPLIT_SIDE)));

        RECT client{};
        GetClientRect(app.View(), &client);
        const int w = client.right, h = client.bottom;
        int split = sideways ? w / 2 : h / 2;
        int second = sideways ? w / 2 - 4 : h / 2 - 3;
        const auto expected = [&] {
            return sideways ? SideBySide(h, split, second) : Stacked(w, split, second);
        };
        {
            SCOPED_TRACE("laid out");
            ExpectPanes(PanesOf(app, barId), expected());
        }
        for (int distance : {-60, 25}) {
            SCOPED_TRACE(distance);
            DragBar(app, barId, sideways, distance);
            split += distance;
            second -= distance;
            ExpectPanes(PanesOf(app, barId), expected());
        }
        // A click without movement moves nothing.
        DragBar(app, barId, sideways, 0);
        ExpectPanes(PanesOf(app, barId), expected());
        ASSERT_TRUE(app.Close());
    }
}

TEST(QuiltmarkModes, FtpDividerMovesTheListsAndThePathRow) {
    AppSession app;
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);
    app.Command(ID_VIEW_TAB_FTP);
    HWND view = app.View();
    ASSERT_TRUE(Visible(GetDlgItem(view, IDC_SPLIT_FTP)));
    const LRESULT split = app.Query(kQueryFtpSplit);

    DragBar(app, IDC_SPLIT_FTP, true, -40);
    EXPECT_EQ(app.Query(kQueryFtpSplit), split - 40);
    const RECT bar = app.InView(GetDlgItem(view, IDC_SPLIT_FTP));
    EXPECT_EQ(bar.left, split - 6 - 40);
    EXPECT_EQ(app.InView(GetDlgItem(view, IDC_LOCAL_LIST)).right, bar.left - 1);
    EXPECT_EQ(app.InView(GetDlgItem(view, IDC_REMOTE_LIST)).left, bar.right + 1);
    EXPECT_EQ(app.InView(GetDlgItem(view, IDC_LOCAL_BROWSE)).left, split - 40 - 60);
    EXPECT_EQ(app.InView(GetDlgItem(view, IDC_REMOTE_PATH)).left, split - 40 + 33);
    ASSERT_TRUE(app.Close());
    EXPECT_EQ(app.Ini("WindowSize", "FTP"), std::to_string(split - 40));
}

TEST(QuiltmarkKeys, TabRightAndDownAreTakenBeforeTheEditor) {
    AppSession app;
    ASSERT_TRUE(app.WriteFile("keys.html", "abc\nfghijklmnopq\nxyz\n"));
    ASSERT_TRUE(app.Start(Quoted(app.Folder() + "keys.html")));
    ASSERT_NE(app.WaitForFrame(), nullptr);
    const std::string loaded = "abc\r\nfghijklmnopq\r\nxyz\r\n";
    ASSERT_EQ(app.EditorText(), loaded);
    HWND editor = app.Editor();
    app.Command(ID_VIEW_SPLIT_REALTIME);
    ASSERT_EQ(app.Query(kQueryTwoPaneOn), 1);

    // Line starts: 1, 6, 20 and 25 (the empty last line), as through offsets.
    const struct {
        const char* name;
        int key;
        int repeat;
        int caret;
    } steps[] = {
        {"End (the editor's own)", VK_END, 1, 4},
        {"Right at the end of a line goes to the next line", VK_RIGHT, 1, 6},
        {"Right inside a line", VK_RIGHT, 9, 15},
        {"Down from column 10 onto a 3-character line goes to its end", VK_DOWN, 1, 23},
        {"Down onto the empty last line", VK_DOWN, 1, 25},
        {"Down on the last line does nothing", VK_DOWN, 1, 25},
    };
    ASSERT_EQ(app.Query(kQuerySelectionStart), 1);
    for (const auto& s : steps) {
        SCOPED_TRACE(s.name);
        for (int i = 0; i < s.repeat; ++i)
            app.PostKey(editor, s.key);
        ASSERT_TRUE(app.Flush());
        EXPECT_EQ(app.Query(kQuerySelectionStart), s.caret);
    }
    EXPECT_EQ(app.EditorText(), loaded);

    // Right over a selection steps from its start: the whole text selected
    // ends at the start of the empty last line, so the caret goes to 1 + 2.
    app.Command(ID_EDIT_SELECT_ALL);
    app.PostKey(editor, VK_RIGHT);
    ASSERT_TRUE(app.Flush());
    EXPECT_EQ(app.Query(kQuerySelectionStart), 3);

    // Tab replaces the selection by one tab character in both displays (the
    // editor's own Tab would indent the selected lines instead).
    for (int twoPane : {1, 0}) {
        SCOPED_TRACE(twoPane);
        if (!twoPane)
            app.Command(ID_VIEW_SPLIT_REALTIME);
        ASSERT_EQ(app.Query(kQueryTwoPaneOn), twoPane);
        app.Command(ID_EDIT_SELECT_ALL);
        app.PostKey(editor, VK_TAB);
        ASSERT_TRUE(app.Flush());
        EXPECT_EQ(app.EditorText(), "\t");
        app.Command(ID_EDIT_UNDO);
        EXPECT_EQ(app.EditorText(), loaded) << "one undo step";
    }
    ASSERT_TRUE(app.Close());
}

TEST(QuiltmarkDrop, OnlyTheFirstFileIsOpenedAndFoldersAreRefused) {
    AppSession app;
    ASSERT_TRUE(app.WriteFile("first.html", "<P>first</P>"));
    ASSERT_TRUE(app.WriteFile("second.html", "<P>second</P>"));
    CreateDirectoryA((app.Folder() + "pages").c_str(), nullptr);
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.WaitForFrame(), nullptr);
    const std::string first = app.Folder() + "first.html", second = app.Folder() + "second.html";

    // A folder first: refused, whatever follows it.
    ASSERT_TRUE(app.DropFiles({app.Folder() + "pages", first}));
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(AppSession::TextOf(box), "確認");
    EXPECT_EQ(AppSession::MessageText(box), "それはディレクトリです。\n利用出来ません。");
    AppSession::PressOk(box);
    EXPECT_EQ(app.EditorText(), "");

    ASSERT_TRUE(app.DropFiles({first, second}));
    ASSERT_TRUE(app.Flush());
    EXPECT_EQ(app.EditorText(), "<P>first</P>\r\n");
    EXPECT_EQ(app.Title(), first);
    EXPECT_EQ(app.ReadFile("tmp_preview.html"), "<P>first</P>\r\n");

    // On the preview tab a dropped file is not opened.
    app.Command(ID_VIEW_TAB_PREVIEW);
    ASSERT_TRUE(app.DropFiles({second}));
    ASSERT_TRUE(app.Flush());
    EXPECT_EQ(app.EditorText(), "<P>first</P>\r\n");

    // A text with unsaved changes is replaced only as the user answers.
    app.Command(ID_VIEW_TAB_SOURCE);
    app.PostChar(app.Editor(), 'x');
    ASSERT_TRUE(app.DropFiles({second}));
    box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(AppSession::TextOf(box), "-- 注意 --");
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    ASSERT_TRUE(WaitUntil([&] { return app.MessageBoxes().empty(); }));
    ASSERT_TRUE(app.Flush());
    EXPECT_EQ(app.EditorText(), "x<P>first</P>\r\n");
    EXPECT_TRUE(app.Running());
    ASSERT_TRUE(app.CloseDiscarding());
}
