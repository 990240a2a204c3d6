// Geometry of the main view.
#include "ViewLayout.h"

#include "Settings.h"
#include "resource_ids.h"

namespace quiltmark {

TwoPaneGeometry SideBySideGeometry(int width, int height) {
    return {width / 2, height - 5, width / 2 - 4};
}

TwoPaneGeometry StackedGeometry(int width, int height) {
    return {height / 2, width - 4, height / 2 - 3};
}

PaneRects SideBySideRects(const TwoPaneGeometry& g) {
    return {
        {3, 3, g.split - 7, g.extent}, {g.split - 3, 3, 5, g.extent}, {g.split + 3, 3, g.second, g.extent}};
}

PaneRects StackedRects(const TwoPaneGeometry& g) {
    return {
        {3, 3, g.extent, g.split - 7}, {3, g.split - 3, g.extent, 5}, {3, g.split + 3, g.extent, g.second}};
}

TwoPaneGeometry MoveSplit(TwoPaneGeometry g, int distance) {
    g.split += distance;
    g.second -= distance;
    return g;
}

SinglePaneRects SinglePaneLayout(int width, int height) {
    const Rect inner{6, 30, width - 13, height - 36};
    return {{0, 0, width, height}, inner, inner};
}

std::vector<ControlRect> FtpPathRowLayout(int width, int x) {
    return {
        {IDC_LOCAL_PATH, {40, 36, x - 107, 21}},
        {IDC_LOCAL_BROWSE, {x - 60, 35, 51, 22}},
        {IDC_REMOTE_UP, {x + 2, 35, 25, 22}},
        {IDC_REMOTE_PATH, {x + 33, 36, width - x - 98, 21}},
    };
}

std::vector<ControlRect> FtpTabLayout(int width, int height, int x) {
    std::vector<ControlRect> rects = {
        {IDC_SPLIT_FTP, {x - 6, 35, 5, height - 165}},
        {IDC_LOCAL_UP, {8, 35, 25, 22}},
    };
    for (const ControlRect& r : FtpPathRowLayout(width, x))
        rects.push_back(r);
    const std::vector<ControlRect> rest = {
        {IDC_REMOTE_GO, {width - 58, 35, 48, 22}},
        {IDC_LOCAL_LIST, {8, 70, x - 15, height - 200}},
        {IDC_REMOTE_LIST, {x - 1, 70, width - x - 9, height - 200}},
        {IDC_NO_OVERWRITE, {10, height - 120, 140, 20}},
        {IDC_MODE_ASCII, {10, height - 95, 140, 20}},
        {IDC_MODE_BINARY, {10, height - 70, 140, 20}},
        {IDC_MODE_AUTO, {10, height - 45, 140, 20}},
        {IDC_FTP_LOG, {170, height - 120, 2 * (width / 2) - 179, 112}},
    };
    rects.insert(rects.end(), rest.begin(), rest.end());
    return rects;
}

WindowExtent WindowExtentToStore(bool maximised, bool minimised, int width, int height) {
    if (maximised || minimised)
        return {kDefaultWindowWidth, kDefaultWindowHeight};
    return {width, height};
}

} // namespace quiltmark
