// The view's command table and the notifications from the editor: editing
// commands, bookmarks, the editor font, tabs, two-pane toggles, the preview
// refresh, the external tools and the help commands; the text-change and
// context-menu notifications; the queries that outside programs may send.
#include "QuiltmarkView.h"

#include <algorithm>
#include <cstring>

#include <shellapi.h>

#include "Automation.h"
#include "MainFrame.h"
#include "ResourceText.h"
#include "WebAddresses.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

// A shell result of 32 or less is a failure.
constexpr INT_PTR kShellFailureLimit = 32;

// The browser-call query hands its argument to the browser as an operation.
constexpr bool SameOperation(int query, int operation) { return query == operation; }
static_assert(SameOperation(automation::kBrowserNavigate, CWebBrowser2::kNavigate) &&
              SameOperation(automation::kBrowserRefresh, CWebBrowser2::kRefresh) &&
              SameOperation(automation::kBrowserBack, CWebBrowser2::kGoBack) &&
              SameOperation(automation::kBrowserForward, CWebBrowser2::kGoForward));

} // namespace

void CQuiltmarkView::AddCommands() {
    auto edit = [this](int id) { return [this, id] { host_.EditCommand(id, mode_); }; };
    commands_.Add(ID_EDIT_UNDO, "edit.undo", edit(ID_EDIT_UNDO))
        .Add(ID_EDIT_REDO, "edit.redo", edit(ID_EDIT_REDO))
        .Add(ID_EDIT_CUT, "edit.cut", edit(ID_EDIT_CUT))
        .Add(ID_EDIT_COPY, "edit.copy", edit(ID_EDIT_COPY))
        .Add(ID_EDIT_PASTE, "edit.paste", edit(ID_EDIT_PASTE))
        .Add(ID_EDIT_DELETE, "edit.delete", edit(ID_EDIT_DELETE))
        .Add(ID_EDIT_SELECT_ALL, "edit.selectAll", edit(ID_EDIT_SELECT_ALL))
        .Add(ID_EDIT_EDITOR_FONT, "edit.editorFont", [this] { host_.FontCommand(profile_, settings_); });
    commands_.AddRange(ID_BOOKMARK_SET_1, 5, "bookmark.set", [this](int n) { host_.BookmarkSlots().Set(n); });
    commands_.AddRange(ID_BOOKMARK_GO_1, 5, "bookmark.goto",
                       [this](int n) { host_.BookmarkSlots().GoTo(n); });

    commands_.Add(ID_VIEW_TAB_SOURCE, "view.tabSource", [this] { SelectTab(kSourceTab); })
        .Add(ID_VIEW_TAB_PREVIEW, "view.tabPreview", [this] { SelectTab(kPreviewTab); })
        .Add(ID_VIEW_TAB_FTP, "view.tabFtp", [this] { SelectTab(kFtpTab); })
        .Add(
            ID_VIEW_SPLIT_REALTIME, "view.splitRealTime", [this] { ToggleTwoPane(kTwoPaneRealTime); }, {},
            [this] { return mode_.twoPaneKind == kTwoPaneRealTime; })
        .Add(
            ID_VIEW_SPLIT_ALTR, "view.splitAltR", [this] { ToggleTwoPane(kTwoPaneOnDemand); }, {},
            [this] { return mode_.twoPaneKind == kTwoPaneOnDemand; })
        .Add(ID_VIEW_REFRESH_PREVIEW, "view.refreshPreview", [this] { RefreshPreviewCommand(); });
    commands_.AddRange(ID_TOOL_1, kToolCount, "tools.run", [this](int n) { RunToolCommand(n); });

    commands_.Add(ID_HELP_FAQ, "help.faq", [this] { OpenAddress(kFaqAddress, IDS_BROWSER_FAILED); })
        .Add(ID_HELP_HOMEPAGE, "help.homePage", [this] { OpenAddress(kHomePageAddress, IDS_BROWSER_FAILED); })
        .Add(ID_HELP_TUTORIAL1, "help.tutorial1",
             [this] { OpenAddress(kTutorialAddress, IDS_BROWSER_FAILED); })
        .Add(ID_HELP_TUTORIAL2, "help.tutorial2",
             [this] { OpenAddress(kReferenceAddress, IDS_BROWSER_FAILED); })
        .Add(ID_HELP_MAIL, "help.mail", [this] { OpenAddress(kMailAddress, IDS_MAILER_FAILED); });
    AddInsertionCommands();
    AddAuthoringCommands();
    AddFtpCommands();
    AddFrameCommands();
}

void CQuiltmarkView::OpenAddress(const char* address, UINT failureMessageId) {
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(Hwnd(), "open", address, nullptr, nullptr, SW_SHOW));
    if (result <= kShellFailureLimit) {
        MessageBoxA(Hwnd(), LoadResourceString(Instance(), failureMessageId).c_str(),
                    LoadResourceString(Instance(), IDS_CAPTION_ERROR).c_str(), MB_OK | MB_ICONINFORMATION);
    }
}

void CQuiltmarkView::OnTextChanged(LPARAM barId, WPARAM distance) {
    // The editor and the splitter bars share this message; both run the
    // text-change handling, and a bar then moves the panes.
    HandleTextChange();
    if (barId == IDC_SPLIT_SIDE || barId == IDC_SPLIT_STACKED || barId == IDC_SPLIT_FTP)
        MovePanes(static_cast<int>(barId), static_cast<int>(static_cast<INT_PTR>(distance)));
}

void CQuiltmarkView::ShowEditorMenu() {
    HMENU menu = LoadMenuA(Instance(), MAKEINTRESOURCEA(IDR_EDITOR_MENU));
    if (!menu)
        return;
    POINT at{};
    GetCursorPos(&at);
    // The view is the command target; the frame shows the items' states and
    // prompts (the view hands it the popup's menu messages).
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTBUTTON, at.x, at.y, 0, Hwnd(), nullptr);
    DestroyMenu(menu);
}

LRESULT CQuiltmarkView::AnswerQuery(WPARAM query, LPARAM argument) {
    const int editor = EditorHost::kEditorId;
    const int arg = static_cast<int>(argument);
    switch (static_cast<int>(query)) {
    case automation::kQueryCaretLine:
        return editorApi_.NimbetGetCaretLine(editor);
    case automation::kQueryLineMark: {
        const int lines = editorApi_.NimbetGetLines(editor);
        return arg >= 1 && arg <= lines ? editorApi_.NimbetGetMark(editor, arg) : 0;
    }
    case automation::kQueryLineCount:
        return editorApi_.NimbetGetLines(editor);
    case automation::kQueryCurrentTab:
        return mode_.currentTab;
    case automation::kQueryTwoPaneOn:
        return mode_.twoPaneOn ? 1 : 0;
    case automation::kQueryTwoPaneKind:
        return mode_.twoPaneKind;
    case automation::kQueryBookmark:
        return arg >= 0 && arg < Bookmarks::kCount ? host_.BookmarkSlots().Slot(arg) : -2;
    case automation::kQueryFtpSplit:
        return ftpSplit_;
    case automation::kQuerySelectionStart: {
        // The result only says whether a selection exists; the offsets come either way.
        int from = -2, to = -2;
        editorApi_.NimbetGetSelB(editor, &from, &to);
        return from;
    }
    case automation::kQueryBrowserCalls:
        return arg >= 0 && arg < CWebBrowser2::kOperationCount
                   ? browser_.Calls(static_cast<CWebBrowser2::Operation>(arg))
                   : -2;
    case automation::kQueryBrowserHosted:
        return browser_.HasBrowser() ? 1 : 0;
    case automation::kQueryNavigateLength:
        return static_cast<LRESULT>(browser_.LastNavigateAddress().size());
    case automation::kQueryNavigateByte: {
        const std::string& address = browser_.LastNavigateAddress();
        return arg >= 0 && static_cast<size_t>(arg) < address.size()
                   ? static_cast<unsigned char>(address[arg])
                   : -1;
    }
    case automation::kQueryPings:
        return pings_;
    case automation::kQueryModified:
        return IsModified() ? 1 : 0;
    case automation::kQuerySaveCode:
        return settings_.isCodeMode;
    case automation::kQueryTitleCheckPending:
        return titleCheckPending_ ? 1 : 0;
    case automation::kQueryChangeMicroseconds:
        return lastChangeMicroseconds_;
    default:
        if (query >= automation::kQueryUserTagItems && query < automation::kQueryModified)
            return AnswerAuthoringQuery(static_cast<int>(query), arg);
        if (query >= automation::kQueryFtpConnected && query < automation::kQueryFtpConnected + 30)
            return AnswerFtpQuery(static_cast<int>(query), arg);
        if (query >= automation::kQueryFindReplaceState && query <= automation::kQueryMenuItemText)
            return AnswerFrameQuery(static_cast<int>(query), argument);
        return -2;
    }
}

LRESULT CQuiltmarkView::CopyEditorText(WPARAM size, LPARAM buffer) {
    auto* out = reinterpret_cast<char*>(buffer);
    if (size == 0 || !out)
        return 0;
    const std::string text = EditorText();
    const size_t count = std::min<size_t>(size - 1, text.size());
    std::memcpy(out, text.data(), count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

} // namespace quiltmark
