// The painter's surface on GDI: drawing goes to the control's memory device
// context (the back buffer); present copies it to the window with one BitBlt.
#pragma once

#include <windows.h>

#include <vector>

#include "../core/Surface.h"
#include "EditorFonts.h"

namespace nimbet::win32 {

class GdiSurface final : public Surface {
  public:
    // The back buffer's state is saved here and restored by the destructor.
    GdiSurface(HDC backBuffer, HDC window, const EditorFonts& fonts) noexcept;
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    void fill(const PixelRect& rect, Color color) override;
    void text(int x, int y, const char* bytes, int n, const TextLook& look, int cellWidth) override;
    void line(int x1, int y1, int x2, int y2, int penStyle, Color color) override;
    void selection(const PixelRect& rect, int rop) override;
    void clip(const PixelRect* rect) override;
    int textWidth(const char* bytes, int n, FontChoice font) override;
    int fontHeight(FontChoice font) override;
    void present(const PixelRect& rect) override;
    void windowLine(int x1, int x2, int y, Color color) override;

  private:
    // Solid lines of one colour are collected and drawn with one call (the
    // ruler has a tick per column); anything else drawn first draws them.
    void flushLines() noexcept;
    void useFont(FontChoice font) noexcept;
    void usePen(int style, Color color) noexcept;

    HDC dc_;
    HDC window_;
    const EditorFonts& fonts_;
    int saved_;
    HFONT currentFont_ = nullptr;
    HPEN pen_ = nullptr; // the pen selected for lines, deleted at the end
    int penStyle_ = -1;
    Color penColor_ = 0;
    std::vector<INT> advances_;
    std::vector<POINT> linePoints_; // the end points of the collected lines
    std::vector<DWORD> lineCounts_; // 2 for each of them
    Color lineColor_ = 0;
};

} // namespace nimbet::win32
