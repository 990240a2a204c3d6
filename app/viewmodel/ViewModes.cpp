// Mode changes and pane arithmetic of the main view. All divisions are
// integer divisions.
#include "ViewModes.h"

namespace quiltmark {

void ViewMode::selectTab(int tab) {
    currentTab = tab;
    twoPane = false;
    kind = kTwoPaneNone;
}

void ViewMode::toggleRealTime() {
    if (twoPane && (kind == kTwoPaneNone || kind == kTwoPaneRealTime)) {
        twoPane = false;
        kind = kTwoPaneNone;
    } else {
        twoPane = true;
        kind = kTwoPaneRealTime;
    }
}

void ViewMode::toggleOnDemand() {
    if (twoPane && (kind == kTwoPaneNone || kind == kTwoPaneOnDemand)) {
        twoPane = false;
        kind = kTwoPaneNone;
    } else {
        twoPane = true;
        kind = kTwoPaneOnDemand;
    }
}

namespace {

void PlacePanes(PaneLayout& layout) {
    if (layout.leftRight) {
        layout.editor = Box::At(3, 3, layout.split - 7, layout.extent);
        layout.bar = Box::At(layout.split - 3, 3, 5, layout.extent);
        layout.browser = Box::At(layout.split + 3, 3, layout.second, layout.extent);
    } else {
        layout.editor = Box::At(3, 3, layout.extent, layout.split - 7);
        layout.bar = Box::At(3, layout.split - 3, layout.extent, 5);
        layout.browser = Box::At(3, layout.split + 3, layout.extent, layout.second);
    }
}

} // namespace

PaneLayout LayoutPanes(const ViewMode& mode, int width, int height) {
    PaneLayout layout;
    layout.twoPane = mode.twoPane;
    layout.leftRight = mode.leftRight;
    if (mode.twoPane) {
        if (mode.leftRight) {
            layout.split = width / 2;
            layout.extent = height - 5;
            layout.second = width / 2 - 4;
        } else {
            layout.split = height / 2;
            layout.extent = width - 4;
            layout.second = height / 2 - 3;
        }
        PlacePanes(layout);
        return layout;
    }
    layout.tabControl = Box::At(0, 0, width, height);
    layout.editor = Box::At(6, 30, width - 13, height - 36);
    layout.browser = layout.editor;
    return layout;
}

void PaneLayout::moveBar(int distance) {
    split += distance;
    second -= distance;
    PlacePanes(*this);
}

} // namespace quiltmark
