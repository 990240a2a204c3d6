// Placement and painting of the control: the back buffer, the window's size
// and visibility, and the repaints the editor asks for, drawn by the painter
// on a GDI surface and copied to the window with one BitBlt.
#include "EditorInstance.h"

#include <algorithm>

#include "../core/Painter.h"
#include "GdiSurface.h"

namespace nimbet::win32 {

void EditorInstance::rebuildBackBuffer(int width, int height) {
    if (!memoryDc_)
        return;
    // A bitmap of zero pixels cannot be created; the smallest one stands in.
    width = std::max(width, 1);
    height = std::max(height, 1);
    HDC windowDc = GetDC(hwnd_);
    HBITMAP fresh = CreateCompatibleBitmap(windowDc, width, height);
    ReleaseDC(hwnd_, windowDc);
    if (!fresh)
        return; // the old buffer stays in use

    // The new buffer starts as the old image on the background, so that a
    // light repaint before the next whole one shows nothing undefined.
    HDC copyDc = CreateCompatibleDC(memoryDc_);
    if (copyDc) {
        HGDIOBJ previous = SelectObject(copyDc, fresh);
        const RECT all{0, 0, width, height};
        SetBkColor(copyDc, static_cast<COLORREF>(paint_.colors[kColorBackground] & 0x00FFFFFF));
        ExtTextOutA(copyDc, 0, 0, ETO_OPAQUE, &all, "", 0, nullptr);
        BITMAP old{};
        if (backBuffer_ && GetObjectA(backBuffer_, sizeof old, &old))
            BitBlt(copyDc, 0, 0, std::min<int>(old.bmWidth, width), std::min<int>(old.bmHeight, height),
                   memoryDc_, 0, 0, SRCCOPY);
        SelectObject(copyDc, previous);
        DeleteDC(copyDc);
    }

    HGDIOBJ old = SelectObject(memoryDc_, fresh);
    if (!originalBitmap_)
        originalBitmap_ = static_cast<HBITMAP>(old);
    if (backBuffer_)
        DeleteObject(backBuffer_);
    backBuffer_ = fresh;
    overlay_.numbersKnown = false; // the number column is painted afresh into the new buffer
}

void EditorInstance::setPos(int x, int y, int width, int height) {
    // A negative size is taken as none.
    width = std::max(width, 0);
    height = std::max(height, 0);
    width_ = width;
    height_ = height;
    rebuildBackBuffer(width, height);
    LayoutMetrics& metrics = editor_.metrics();
    const int columns = metrics.visibleColumns();
    metrics.setWindowSize(width, height);
    if (metrics.wrap && columns != metrics.visibleColumns())
        editor_.relayoutRows();
    MoveWindow(hwnd_, x, y, width, height, TRUE);
    updateClientSize();
    placeCaret();
    repaint(Repaint::Full);
}

void EditorInstance::setVisible(bool visible) {
    const bool wasVisible = visible_;
    visible_ = visible;
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
    // Nothing was painted while hidden: the back buffer is brought up to date
    // before any partial repaint could copy it to the screen.
    if (visible && !wasVisible)
        repaint(Repaint::Full);
}

void EditorInstance::repaint(Repaint what) {
    // The editor repaints after every change of the caret, the view or the
    // text, and the scroll bars, the caret and the composition window follow
    // them: the bars first, since they may change the client area the frame
    // is painted for.
    updateScrollBars();
    switch (what) {
    case Repaint::Full:
        paintFrame(Frame::All, 0, 0);
        break;
    case Repaint::CaretLine:
        paintFrame(Frame::Lines, editor_.caret().caretLine, editor_.caret().caretLine);
        break;
    case Repaint::Light:
        paintFrame(Frame::Light, 0, 0);
        break;
    }
}

void EditorInstance::repaintLines(int first, int last) {
    updateScrollBars();
    if (first > last)
        std::swap(first, last);
    paintFrame(Frame::Lines, first, last);
}

void EditorInstance::paintFrame(Frame frame, int first, int last, HDC target) {
    // A frame of the editor's own (not of WM_PAINT) also places the caret,
    // while the caret is hidden for the frame anyway.
    const bool placesCaret = !target;
    if (!hwnd_ || !memoryDc_ || !visible_) {
        if (placesCaret)
            placeCaret();
        return;
    }
    // The caret is drawn by inverting: it is taken away while the window's
    // pixels change and put back afterwards, also when painting fails.
    struct Scope {
        EditorInstance& self;
        HDC dc;
        bool ownDc;
        bool restoreCaret;
        Scope(EditorInstance& s, HDC target)
            : self(s), dc(target ? target : GetDC(s.hwnd_)), ownDc(!target), restoreCaret(s.caretShown_) {
            self.showCaret(false);
        }
        ~Scope() {
            if (ownDc)
                ReleaseDC(self.hwnd_, dc);
            if (restoreCaret)
                self.showCaret(true);
        }
    } scope(*this, target);
    if (scope.dc) {
        GdiSurface surface(memoryDc_, scope.dc, fonts_);
        Painter painter(editor_, paint_, surface, &overlay_);
        switch (frame) {
        case Frame::All:
            painter.paintAll();
            break;
        case Frame::Lines:
            painter.paintLines(first, last);
            break;
        case Frame::Light:
            painter.paintLight();
            break;
        }
    }
    if (placesCaret) {
        scope.restoreCaret = false; // placing decides whether it shows
        placeCaret();
    }
}

} // namespace nimbet::win32
