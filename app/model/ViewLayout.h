// Geometry of the main view: where the editor, the preview, the splitter bars
// and the FTP controls go for a client size, in the single-pane and the two
// two-pane arrangements. All divisions are integer divisions.
#pragma once

#include <vector>

namespace quiltmark {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

// Editor and preview shown together: the bar's position along the split, the
// common extent across it, and the size of the second (preview) pane.
struct TwoPaneGeometry {
    int split = 0;
    int extent = 0;
    int second = 0;
    bool operator==(const TwoPaneGeometry&) const = default;
};

struct PaneRects {
    Rect editor;
    Rect bar;
    Rect browser;
    bool operator==(const PaneRects&) const = default;
};

// Side by side (left/right) and one above the other (top/bottom).
TwoPaneGeometry SideBySideGeometry(int width, int height);
TwoPaneGeometry StackedGeometry(int width, int height);
PaneRects SideBySideRects(const TwoPaneGeometry& g);
PaneRects StackedRects(const TwoPaneGeometry& g);
// A bar dragged by distance d moves the split and shrinks the second pane.
TwoPaneGeometry MoveSplit(TwoPaneGeometry g, int distance);

// Single pane: the tab control fills the view; editor and preview sit inside it.
struct SinglePaneRects {
    Rect tab;
    Rect editor;
    Rect browser;
};
SinglePaneRects SinglePaneLayout(int width, int height);

// Controls of the FTP tab for client size W x H and divider position x.
struct ControlRect {
    int id;
    Rect rect;
};
std::vector<ControlRect> FtpTabLayout(int width, int height, int divider);
// After a divider drag only the path row is placed again.
std::vector<ControlRect> FtpPathRowLayout(int width, int divider);

// What WindowSize/cx and cy receive at close.
struct WindowExtent {
    int cx = 0;
    int cy = 0;
    bool operator==(const WindowExtent&) const = default;
};
WindowExtent WindowExtentToStore(bool maximised, bool minimised, int width, int height);

} // namespace quiltmark
