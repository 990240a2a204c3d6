// Which part of the main view is showing: one of the three tabs, or editor
// and preview together (two-pane display) refreshed on every change or on
// Alt+R. The rules of switching between them, and what a dropped file does in
// each, live here so that they are tested without windows.
#pragma once

namespace quiltmark {

enum ViewTab { kSourceTab = 0, kPreviewTab = 1, kFtpTab = 2 };
enum TwoPaneKind { kTwoPaneNone = 0, kTwoPaneRealTime = 1, kTwoPaneOnDemand = 2 };

struct ViewMode {
    int currentTab = kSourceTab;
    bool twoPaneOn = false;
    int twoPaneKind = kTwoPaneNone;

    // The editor takes edits on the source tab and whenever two panes show.
    bool EditorActive() const { return currentTab == kSourceTab || twoPaneOn; }
    // Any tab change ends two-pane display.
    void SelectTab(int tab);
    // Alt+Z (real-time) and Alt+X (on demand): each switches two-pane display
    // off from its own kind or from a two-pane display without a kind (as a
    // settings file may leave it), and on with its kind from anything else.
    void ToggleTwoPane(int kind);

    bool RefreshesOnEveryChange() const { return twoPaneOn && twoPaneKind == kTwoPaneRealTime; }
    bool RefreshesOnAltR() const { return twoPaneOn && twoPaneKind == kTwoPaneOnDemand; }
};

// What the view does with the first dropped path.
enum class DropAction {
    RefuseFolder, // the folder message, in every mode
    OpenDocument, // the source editor shows
    Upload,       // the FTP tab shows and a connection is open
    Ignore,       // the preview tab, or the FTP tab without a connection
};
DropAction DecideDrop(const ViewMode& mode, bool isFolder, bool ftpConnected);

} // namespace quiltmark
