// Walks the lines that show in the control, from the one holding the top row
// (which, with wrapping, may begin above the visible area) down to the last
// one that begins above the bottom of the client area.
#pragma once

#include "Editor.h"
#include "ViewGeometry.h"

namespace nimbet {

struct VisibleLine {
    LineRecord* line = nullptr;
    int number = 0;   // line number
    int firstRow = 0; // absolute display row of the line's first row (its number without wrapping)
    long long y = 0;  // y of the line's first row
    int rows = 1;     // display rows of the line
};

class VisibleLines {
  public:
    VisibleLines(const Editor& editor, const ViewGeometry& geometry) noexcept;

    bool done() const noexcept { return !current_.line || current_.y >= geometry_.clientHeight; }
    const VisibleLine& operator*() const noexcept { return current_; }
    const VisibleLine* operator->() const noexcept { return &current_; }
    void next() noexcept;

  private:
    void take(LineRecord* line) noexcept { current_.rows = geometry_.wrap() && line ? line->rows : 1; }

    const ViewGeometry& geometry_;
    VisibleLine current_;
};

} // namespace nimbet
