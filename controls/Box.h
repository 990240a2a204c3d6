// A rectangle by its edges (right and bottom exclusive, as Win32 RECTs), for
// layout code that does not include windows.h.
#pragma once

namespace quiltmark {

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;

    static Box At(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Box& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

} // namespace quiltmark
