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
    kQueryCaretLine = 1,   // the editor's caret line
    kQueryLineMark = 2,    // the mark of line lParam (0 when out of range)
    kQueryLineCount = 3,   // the editor's line count
    kQueryCurrentTab = 4,  // 0 source, 1 preview, 2 FTP
    kQueryTwoPaneOn = 5,   // 1 while editor and preview are shown together
    kQueryTwoPaneKind = 6, // 0 none, 1 real-time, 2 Alt+R
    kQueryBookmark = 7,    // the line of bookmark lParam (0-4), -1 when unset
    kQueryFtpSplit = 8,    // x position of the FTP tab's divider
};

} // namespace quiltmark::automation
