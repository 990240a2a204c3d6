// What outside programs (test drivers, accessibility tools) can rely on to
// find and read Quiltmark's windows: the registered class names, and the
// integer queries the main view answers. The view also answers WM_GETTEXT and
// WM_GETTEXTLENGTH with the editor's text, which the system carries across
// processes.
#pragma once

namespace quiltmark::automation {

inline constexpr const char* kFrameClass = "QuiltmarkFrame";
inline constexpr const char* kViewClass = "QuiltmarkView";

// Sent to the view: wParam = a Query, lParam = its argument; the result is an
// integer (-2 when the editor cannot answer).
inline constexpr unsigned kQueryMessage = 0x8000 + 0x100; // WM_APP + 0x100

enum Query : int {
    kQueryCaretLine = 1,       // the editor's caret line
    kQueryLineMark = 2,        // the mark of line lParam (0 when out of range)
    kQueryLineCount = 3,       // the editor's line count
    kQueryCurrentTab = 4,      // 0 source, 1 preview, 2 FTP
    kQueryTwoPaneOn = 5,       // 1 while editor and preview are shown together
    kQueryTwoPaneKind = 6,     // 0 none, 1 real-time, 2 Alt+R
    kQueryBookmark = 7,        // the line of bookmark lParam (0-4), -1 when unset
    kQueryFtpSplit = 8,        // x position of the FTP tab's divider
    kQuerySelectionStart = 9,  // through offset of the selection start (the caret when nothing is selected)
    kQueryBrowserCalls = 10,   // how often the preview browser was asked to do lParam (a BrowserOperation)
    kQueryBrowserHosted = 11,  // 1 when the browser control object exists (it may still fail to render)
    kQueryNavigateLength = 12, // length of the address most recently navigated to
    kQueryNavigateByte = 13,   // byte lParam (from 0) of that address, -1 past its end
    kQueryPings = 14,          // how many kPingMessage the view has received

    // The main frame and its dialogs
    kQueryFindReplaceState = 80, // 0 no dialog, 1 the find dialog, 2 the replace dialog
    kQueryEditorColour = 81,     // editor colour lParam (0-7) as the editor was last given it
    kQueryCaretColumn = 82,      // display column of the caret within its row (wrapping restarts it)
    // The menu bar as last rebuilt; lParam = MenuItemArgument(...)
    kQueryMenuItemCount = 83, // items of the menu
    kQueryMenuItemId = 84,    // command id of an item (0 a separator, -1 a submenu)
    kQueryMenuItemState = 85, // its state flags (MF_GRAYED, MF_CHECKED ...), -1 without such an item
    kQueryMenuItemText = 86,  // byte `byte` (from 0) of its text, -1 past its end
    // Authoring: the menu bar's user-tag submenu as the last rebuild left it
    kQueryUserTagItems = 20,    // its number of items (the registration item included)
    kQueryUserTagItemId = 21,   // the command id of item lParam
    kQueryUserTagItemByte = 22, // byte (lParam & 0xFFFF) of the text of item (lParam >> 16), -1 past its end
    // Documents
    kQueryModified = 30,           // 1 when the document is modified (the full test, library included)
    kQuerySaveCode = 31,           // File/isCodeMode as the view holds it
    kQueryTitleCheckPending = 32,  // 1 while the title's marker still waits for the full modified test
    kQueryChangeMicroseconds = 33, // how long the view's handling of the last text change took
    // FTP tab
    kQueryFtpConnected = 50, // 1 while the FTP connection counts as open
    kQueryFtpRowCount = 51,  // rows of the local (lParam 0) or remote (1) list
    kQueryFtpViewMode = 52,  // 0 details, 1 list, 2 large icons, 3 small icons
    kQueryFtpListStyle = 53, // the view style bits (LVS_TYPEMASK) of list lParam (0 local, 1 remote)
};

// WM_COPYDATA requests to the view about the FTP lists: dwData is the request
// plus the list (0 local, 1 remote); the data holds names, each followed by
// "\n". The result: for kCopyFtpFindRow the shown position of the first name
// (-1 when absent), for kCopyFtpSelectRows how many of the names were selected
// (every other row is deselected).
inline constexpr unsigned long kCopyFtpFindRow = 0x5100;
inline constexpr unsigned long kCopyFtpSelectRows = 0x5200;
// The argument of the menu queries: item `position` of top-level menu `menu`
// (0 the File menu), or of its submenu at `submenu` when that is not -1, and
// for the text the byte `byte`.
constexpr long MenuItemArgument(int menu, int position, int byte = 0, int submenu = -1) {
    return (static_cast<long>(menu | ((submenu + 1) << 4)) << 24) | (static_cast<long>(position) << 16) |
           byte;
}

enum BrowserOperation : int {
    kBrowserNavigate = 0,
    kBrowserRefresh = 1,
    kBrowserBack = 2,
    kBrowserForward = 3
};

// Posted to the view (no parameters): counted, nothing else. Because posted
// messages are handled in order, a driver that has posted keys and then sees
// the count grow knows the keys have been handled.
inline constexpr unsigned kPingMessage = kQueryMessage + 1;

} // namespace quiltmark::automation
