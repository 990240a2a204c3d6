// Draws one line of text from its styled runs: rule, link and highlight
// colours, bold, link underlines, the marks of tabs, spaces, full-width spaces,
// line ends and the end of the text, and the selection over the line.
#pragma once

#include <string>
#include <vector>

#include "Editor.h"
#include "LineStyler.h"
#include "PaintSettings.h"
#include "Surface.h"
#include "ViewGeometry.h"

namespace nimbet {

// The bytes of the marks in Shift_JIS.
inline constexpr char kTabMark[] = ">";
inline constexpr char kSpaceMark[] = "`";
inline constexpr char kWideSpaceMark[] = "\x81\xA0"; // a white square
inline constexpr char kLineEndMark[] = "\x81\xAB";   // a down arrow
inline constexpr char kEndOfTextMark[] = "[EOF]";

class LinePainter {
  public:
    LinePainter(const ViewGeometry& geometry, const PaintSettings& settings, const LayoutMetrics& metrics,
                Surface& surface) noexcept;

    // Draws `line`, whose first row lies at y, covered by `runs` in order.
    void paint(const LineRecord& line, bool hasNext, long long y, const std::vector<StyledRun>& runs);

    // Draws the part of the selection that lies on line `number`.
    void paintSelection(const LineRecord& line, int number, long long y, const SelectionRange& selection);

  private:
    // Text is collected into one call per stretch of equal look on a row.
    struct Pending {
        int x = 0, y = 0, nextX = 0;
        TextLook look;
        std::string bytes;
    };
    struct OpenLink {
        bool open = false;
        int end = 0; // byte after the link
        int startX = 0;
        int penStyle = 0;
        Color color = 0;
    };

    bool rowShows(long long y) const noexcept {
        return y >= geometry_.rulerHeight && y < geometry_.clientHeight;
    }
    void add(int x, int y, const char* bytes, int n, const TextLook& look);
    void flush();
    void mark(int x, int y, const char* bytes, Color color, Color background);
    void underline(int fromX, int toX, int y);

    const ViewGeometry& geometry_;
    const PaintSettings& settings_;
    const LayoutMetrics& metrics_;
    Surface& surface_;
    Pending pending_;
    OpenLink link_;
};

} // namespace nimbet
