// Draws what frames the text: the line-number area with the caret-row marker
// and the line marks, the ruler with its ticks, labels and caret-column cell,
// and the separator line between the numbers and the text.
#pragma once

#include <vector>

#include "PaintSettings.h"
#include "Surface.h"
#include "ViewGeometry.h"

namespace nimbet {

// One visible row of the line-number area.
struct NumberRow {
    int y = 0;
    int row = 0;  // the number shown: the line number, or the display row when wrapping
    int mark = 0; // the mark of the row's line
    bool operator==(const NumberRow&) const = default;
};

class MarginPainter {
  public:
    MarginPainter(const ViewGeometry& geometry, const PaintSettings& settings, const LayoutMetrics& metrics,
                  Surface& surface) noexcept
        : geometry_(geometry), settings_(settings), metrics_(metrics), surface_(surface) {}

    // `caretRow` is the caret's row in the numbering of NumberRow::row.
    void paintLineNumbers(const std::vector<NumberRow>& rows, int caretRow);
    // `caretColumn` is the caret's display column within its row (0-based).
    void paintRuler(long long caretColumn);
    void paintSeparator();

  private:
    const ViewGeometry& geometry_;
    const PaintSettings& settings_;
    const LayoutMetrics& metrics_;
    Surface& surface_;
};

// The colours of line marks 1, 2 and 3: blue, red and green.
Color MarkBarColor(int mark) noexcept;

} // namespace nimbet
