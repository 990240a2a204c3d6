// GDI drawing for the painter. Colours keep only their red, green and blue
// bytes, so that a stray high byte cannot turn a colour into a palette index.
#include "GdiSurface.h"

#include <new>

namespace nimbet::win32 {

namespace {
COLORREF Rgb(Color color) noexcept {
    return static_cast<COLORREF>(color & 0x00FFFFFF);
}
} // namespace

GdiSurface::GdiSurface(HDC backBuffer, HDC window, const EditorFonts& fonts) noexcept
    : dc_(backBuffer), window_(window), fonts_(fonts), saved_(SaveDC(backBuffer)) {
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

GdiSurface::~GdiSurface() {
    flushLines();
    RestoreDC(dc_, saved_);
    if (pen_)
        DeleteObject(pen_);
}

void GdiSurface::useFont(FontChoice font) noexcept {
    HFONT wanted = font == FontChoice::Bold    ? fonts_.bold()
                   : font == FontChoice::Ruler ? fonts_.ruler()
                                               : fonts_.text();
    if (wanted && wanted != currentFont_) {
        SelectObject(dc_, wanted);
        currentFont_ = wanted;
    }
}

void GdiSurface::usePen(int style, Color color) noexcept {
    if (pen_ && style == penStyle_ && color == penColor_)
        return;
    HPEN fresh = CreatePen(style, 1, Rgb(color));
    if (!fresh)
        fresh = CreatePen(PS_SOLID, 1, Rgb(color)); // a style GDI does not know
    if (!fresh)
        return;
    SelectObject(dc_, fresh);
    if (pen_)
        DeleteObject(pen_);
    pen_ = fresh;
    penStyle_ = style;
    penColor_ = color;
}

void GdiSurface::flushLines() noexcept {
    if (linePoints_.empty())
        return;
    usePen(PS_SOLID, lineColor_);
    PolyPolyline(dc_, linePoints_.data(), lineCounts_.data(), static_cast<DWORD>(lineCounts_.size()));
    linePoints_.clear();
    lineCounts_.clear();
}

void GdiSurface::fill(const PixelRect& rect, Color color) {
    flushLines();
    if (rect.empty())
        return;
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    SetBkColor(dc_, Rgb(color));
    ExtTextOutA(dc_, 0, 0, ETO_OPAQUE, &r, "", 0, nullptr);
}

void GdiSurface::text(int x, int y, const char* bytes, int n, const TextLook& look, int cellWidth) {
    flushLines();
    if (n <= 0)
        return;
    useFont(look.font);
    SetTextColor(dc_, Rgb(look.color));
    SetBkMode(dc_, look.opaque ? OPAQUE : TRANSPARENT);
    if (look.opaque)
        SetBkColor(dc_, Rgb(look.background));
    const INT* advances = nullptr;
    if (cellWidth > 0) {
        // One cell per byte: a double-byte character takes the sum of its two.
        advances_.assign(static_cast<size_t>(n), cellWidth);
        advances = advances_.data();
    }
    ExtTextOutA(dc_, x, y, 0, nullptr, bytes, static_cast<UINT>(n), advances);
}

void GdiSurface::line(int x1, int y1, int x2, int y2, int penStyle, Color color) {
    if (penStyle == PS_SOLID) {
        if (!linePoints_.empty() && color != lineColor_)
            flushLines();
        try {
            linePoints_.reserve(linePoints_.size() + 2);
            lineCounts_.reserve(lineCounts_.size() + 1);
            lineColor_ = color;
            linePoints_.push_back({x1, y1});
            linePoints_.push_back({x2, y2});
            lineCounts_.push_back(2);
            return;
        } catch (const std::bad_alloc&) {
            // drawn on its own below
        }
    }
    flushLines();
    usePen(penStyle, color);
    SetBkMode(dc_, TRANSPARENT); // the gaps of a dotted line show what lies below
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
}

void GdiSurface::selection(const PixelRect& rect, int rop) {
    flushLines();
    if (rect.empty())
        return;
    // An unknown raster operation would leave the copy mode and paint the
    // text over in white; inverting keeps it readable.
    const int previous = SetROP2(dc_, rop >= R2_BLACK && rop <= R2_WHITE ? rop : R2_XORPEN);
    HGDIOBJ pen = SelectObject(dc_, GetStockObject(WHITE_PEN));
    HGDIOBJ brush = SelectObject(dc_, GetStockObject(WHITE_BRUSH));
    Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(dc_, brush);
    SelectObject(dc_, pen);
    SetROP2(dc_, previous);
}

void GdiSurface::clip(const PixelRect* rect) {
    flushLines();
    SelectClipRgn(dc_, nullptr);
    if (rect)
        IntersectClipRect(dc_, rect->left, rect->top, rect->right, rect->bottom);
}

int GdiSurface::textWidth(const char* bytes, int n, FontChoice font) {
    useFont(font);
    SIZE size{};
    return GetTextExtentPoint32A(dc_, bytes, n, &size) ? size.cx : 0;
}

int GdiSurface::fontHeight(FontChoice font) {
    useFont(font);
    SIZE size{};
    return GetTextExtentPoint32A(dc_, "i", 1, &size) ? size.cy : 0;
}

void GdiSurface::present(const PixelRect& rect) {
    flushLines();
    if (window_ && !rect.empty())
        BitBlt(window_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, dc_, rect.left,
               rect.top, SRCCOPY);
}

void GdiSurface::windowLine(int x1, int x2, int y, Color color) {
    flushLines();
    if (!window_)
        return;
    HPEN pen = CreatePen(PS_SOLID, 1, Rgb(color));
    if (!pen)
        return;
    HGDIOBJ previous = SelectObject(window_, pen);
    MoveToEx(window_, x1, y, nullptr);
    LineTo(window_, x2, y);
    SelectObject(window_, previous);
    DeleteObject(pen);
}

} // namespace nimbet::win32
