// The view's modes: which tab shows, the two-pane arrangements of editor and
// preview, the layout of everything for the view's size, and the splitter
// bars that move the panes.
#include "QuiltmarkView.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

// Every bar keeps this many pixels from the edges and the neighbours it moves.
constexpr int kSplitterMargin = 50;

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

void CQuiltmarkView::AttachSplitters() {
    // The FTP divider resizes the two lists on either side of it; the bars
    // between editor and preview move the panes through the view's 2024
    // handler instead.
    ftpBar_.Attach(Hwnd(), IDC_SPLIT_FTP);
    ftpBar_.AddBefore(IDC_LOCAL_LIST);
    ftpBar_.AddAfter(IDC_REMOTE_LIST);
    sideBar_.Attach(Hwnd(), IDC_SPLIT_SIDE);
    stackedBar_.Attach(Hwnd(), IDC_SPLIT_STACKED);
    for (CSplitter* bar : {static_cast<CSplitter*>(&ftpBar_), static_cast<CSplitter*>(&sideBar_),
                           static_cast<CSplitter*>(&stackedBar_)}) {
        bar->SetMargins(kSplitterMargin, kSplitterMargin);
        bar->Relayout();
    }
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

    if (mode_.twoPaneOn) {
        ShowControl(IDC_BROWSER, true);
        ShowControl(splitDirection_ == 1 ? IDC_SPLIT_SIDE : IDC_SPLIT_STACKED, true);
        WritePreview();
    } else {
        ShowControl(IDC_TAB, true);
        if (mode_.currentTab == kPreviewTab) {
            WritePreview();
            ShowControl(IDC_BROWSER, true);
            SetFocus(Item(IDC_BROWSER));
            browser_.Refresh();
            editorApi_.NimbetSetVisible(editor, 0);
        } else if (mode_.currentTab == kFtpTab) {
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
    if (mode_.twoPaneOn) {
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
    ArrangeFtpIcons();
}

void CQuiltmarkView::ArrangeFtpIcons() {
    // In the icon views the icons flow again to fit the lists' new widths.
    for (int list : {IDC_LOCAL_LIST, IDC_REMOTE_LIST})
        SendMessageA(Item(list), LVM_ARRANGE, LVA_DEFAULT, 0);
}

void CQuiltmarkView::SelectTab(int tab) {
    mode_.SelectTab(tab);
    SendMessageA(Item(IDC_TAB), TCM_SETCURSEL, tab, 0);
    ShowCurrentMode();
}

void CQuiltmarkView::ToggleTwoPane(int kind) {
    mode_.ToggleTwoPane(kind);
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
        ArrangeFtpIcons();
    }
}

} // namespace quiltmark
