// The main view's display modes (three tabs, two-pane real-time or on-demand)
// and the layout of editor, splitter bar and browser in each. Free of
// windows.h so the rules are unit-tested natively.
#pragma once

#include "Box.h"

namespace quiltmark {

enum ViewTab { kSourceTab = 0, kPreviewTab = 1, kFtpTab = 2 };
enum TwoPaneKind { kTwoPaneNone = 0, kTwoPaneRealTime = 1, kTwoPaneOnDemand = 2 };

constexpr int kSideBySideBarId = 1050; // editor | preview
constexpr int kStackedBarId = 1054;    // editor over preview
constexpr int kFtpBarId = 1049;        // between the FTP lists

struct ViewMode {
    int currentTab = kSourceTab;
    bool twoPane = false;
    int kind = kTwoPaneNone;
    bool leftRight = true; // split direction: left/right, otherwise top/bottom

    // A tab chosen by command or in the tab control ends two-pane display.
    void selectTab(int tab);
    // Alt+Z: real-time two-pane on, or off when it (or a kind-less two-pane) is on.
    void toggleRealTime();
    // Alt+X: on-demand two-pane on, or off when it (or a kind-less two-pane) is on.
    void toggleOnDemand();

    bool refreshesOnEveryChange() const { return twoPane && kind == kTwoPaneRealTime; }
    bool refreshesOnAltR() const { return twoPane && kind == kTwoPaneOnDemand; }
};

// Where everything goes for a client area of w x h.
struct PaneLayout {
    bool twoPane = false;
    bool leftRight = true;
    int split = 0;  // x (left/right) or y (top/bottom) of the bar
    int extent = 0; // common height (left/right) or width (top/bottom) of the panes
    int second = 0; // browser width (left/right) or height (top/bottom)
    Box editor;
    Box bar;       // two-pane only
    Box browser;
    Box tabControl; // single pane only

    int barId() const { return leftRight ? kSideBySideBarId : kStackedBarId; }
    // Moves the panes after bar `barId` was dragged by `distance` pixels.
    void moveBar(int distance);
};

PaneLayout LayoutPanes(const ViewMode& mode, int width, int height);

} // namespace quiltmark
