// The view's modes: which tab shows, the two-pane arrangements of editor and
// preview, and the layout of everything for the view's size.
#include "QuiltmarkView.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

constexpr int kFtpControls[] = {IDC_LOCAL_UP,    IDC_LOCAL_PATH,   IDC_LOCAL_LIST,   IDC_REMOTE_LIST,
                                IDC_REMOTE_PATH, IDC_REMOTE_UP,    IDC_LOCAL_BROWSE, IDC_REMOTE_GO,
                                IDC_FTP_LOG,     IDC_NO_OVERWRITE, IDC_MODE_ASCII,   IDC_MODE_BINARY,
                                IDC_MODE_AUTO};

} // namespace

void CQuiltmarkView::ShowControl(int id, bool show) {
    ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE);
}

void CQuiltmarkView::Place(int id, const Rect& r) {
    MoveWindow(Item(id), r.x, r.y, r.width, r.height, TRUE);
}

void CQuiltmarkView::ShowCurrentMode() {
    const int editor = EditorHost::kEditorId;
    editorApi_.NimbetSetVisible(editor, 1);
    editorApi_.NimbetSetFocus(editor);

    ShowControl(IDC_TAB, false);
    ShowControl(IDC_BROWSER, false);
    for (int id : kFtpControls)
        ShowControl(id, false);
    for (int bar : {IDC_SPLIT_FTP, IDC_SPLIT_SIDE, IDC_SPLIT_STACKED})
        ShowControl(bar, false);

    if (twoPaneOn_) {
        ShowControl(IDC_BROWSER, true);
        ShowControl(splitDirection_ == 1 ? IDC_SPLIT_SIDE : IDC_SPLIT_STACKED, true);
    } else {
        ShowControl(IDC_TAB, true);
        if (currentTab_ == kPreviewTab) {
            ShowControl(IDC_BROWSER, true);
            SetFocus(Item(IDC_BROWSER));
            editorApi_.NimbetSetVisible(editor, 0);
        } else if (currentTab_ == kFtpTab) {
            for (int id : kFtpControls)
                ShowControl(id, true);
            ShowControl(IDC_SPLIT_FTP, true);
            SetFocus(Item(IDC_FTP_LOG));
            editorApi_.NimbetSetVisible(editor, 0);
        }
    }
    Layout();
}

void CQuiltmarkView::Layout() {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const int w = client.right;
    const int h = client.bottom;
    const int editor = EditorHost::kEditorId;
    if (twoPaneOn_) {
        const bool sideBySide = splitDirection_ == 1;
        panes_ = sideBySide ? SideBySideGeometry(w, h) : StackedGeometry(w, h);
        const PaneRects r = sideBySide ? SideBySideRects(panes_) : StackedRects(panes_);
        editorApi_.NimbetSetPos(editor, r.editor.x, r.editor.y, r.editor.width, r.editor.height);
        Place(sideBySide ? IDC_SPLIT_SIDE : IDC_SPLIT_STACKED, r.bar);
        Place(IDC_BROWSER, r.browser);
        return;
    }
    const SinglePaneRects r = SinglePaneLayout(w, h);
    Place(IDC_TAB, r.tab);
    editorApi_.NimbetSetPos(editor, r.editor.x, r.editor.y, r.editor.width, r.editor.height);
    Place(IDC_BROWSER, r.browser);
    clientWidth_ = w;
    for (const ControlRect& c : FtpTabLayout(w, h, ftpSplit_))
        Place(c.id, c.rect);
}

void CQuiltmarkView::SelectTab(int tab) {
    currentTab_ = tab;
    SendMessageA(Item(IDC_TAB), TCM_SETCURSEL, tab, 0);
    twoPaneOn_ = false;
    twoPaneKind_ = 0;
    ShowCurrentMode();
}

void CQuiltmarkView::ToggleTwoPane(int kind) {
    // Real-time (1) and Alt+R (2) each switch off from their own kind or from
    // a two-pane display without a kind, and switch on from anything else.
    if (twoPaneOn_ && (twoPaneKind_ == 0 || twoPaneKind_ == kind)) {
        twoPaneOn_ = false;
        twoPaneKind_ = 0;
    } else {
        twoPaneOn_ = true;
        twoPaneKind_ = kind;
    }
    ShowCurrentMode();
}

void CQuiltmarkView::MovePanes(int barId, int distance) {
    const int editor = EditorHost::kEditorId;
    if (barId == IDC_SPLIT_SIDE) {
        panes_ = MoveSplit(panes_, distance);
        const PaneRects r = SideBySideRects(panes_);
        editorApi_.NimbetSetPos(editor, r.editor.x, r.editor.y, r.editor.width, r.editor.height);
        Place(IDC_BROWSER, r.browser);
    } else if (barId == IDC_SPLIT_STACKED) {
        panes_ = MoveSplit(panes_, distance);
        const PaneRects r = StackedRects(panes_);
        editorApi_.NimbetSetPos(editor, r.editor.x, r.editor.y, r.editor.width, r.editor.height);
        Place(IDC_SPLIT_STACKED, r.bar);
        Place(IDC_BROWSER, r.browser);
    } else if (barId == IDC_SPLIT_FTP) {
        ftpSplit_ += distance;
        RECT client{};
        GetClientRect(Hwnd(), &client);
        for (const ControlRect& c : FtpPathRowLayout(client.right, ftpSplit_))
            Place(c.id, c.rect);
    }
}

} // namespace quiltmark
