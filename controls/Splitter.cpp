// Splitter bars: subclassing, drag range, the tracking loop with its ghost
// frame, and relayout of the neighbouring controls.
#include "Splitter.h"

using quiltmark::Box;
using quiltmark::SplitAxis;

namespace {

constexpr const char* kSplitterProperty = "QuiltmarkSplitter";

Box ToBox(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const Box& b) { return {b.left, b.top, b.right, b.bottom}; }

Box ScreenRect(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return ToBox(r);
}

Box ClientRectOnScreen(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return ToBox(r);
}

} // namespace

CSplitter::~CSplitter() { Detach(); }

bool CSplitter::Attach(HWND parent, int controlId) {
    HWND bar = GetDlgItem(parent, controlId);
    if (!bar || GetPropA(bar, kSplitterProperty))
        return false; // no such control, or another splitter owns it already
    Detach();
    parent_ = parent;
    bar_ = bar;
    barId_ = controlId;
    SetPropA(bar_, kSplitterProperty, this);
    originalProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(bar_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSplitter::BarProc)));
    SetWindowLongPtrA(bar_, GWL_STYLE, GetWindowLongPtrA(bar_, GWL_STYLE) | SS_NOTIFY);
    return true;
}

bool CSplitterX::Attach(HWND parent, int controlId) {
    if (!CSplitter::Attach(parent, controlId))
        return false;
    SetMargins(10, 10);
    return true;
}

void CSplitter::Detach() {
    if (!bar_)
        return;
    if (IsWindow(bar_)) {
        SetWindowLongPtrA(bar_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
        RemovePropA(bar_, kSplitterProperty);
    }
    bar_ = nullptr;
    parent_ = nullptr;
}

void CSplitter::SetMargins(int before, int after) {
    marginBefore = before;
    marginAfter = after;
}

LRESULT CALLBACK CSplitter::BarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<CSplitter*>(GetPropA(hwnd, kSplitterProperty));
    if (!self)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT CSplitter::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR: {
        const int id = axis_ == SplitAxis::X ? kHorizontalSplitCursorId : kVerticalSplitCursorId;
        HCURSOR cursor = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
        if (!cursor)
            cursor = LoadCursorA(nullptr, axis_ == SplitAxis::X ? IDC_SIZEWE : IDC_SIZENS);
        SetCursor(cursor);
        return TRUE;
    }
    case WM_ERASEBKGND: {
        // Etched statics draw only their edges; the rest of the bar gets the
        // face colour here, as the parent does not paint under its controls.
        RECT r;
        GetClientRect(bar_, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
    }
    case WM_LBUTTONDOWN:
        onLeftButtonDown(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_NCDESTROY: {
        WNDPROC original = originalProc_;
        HWND bar = bar_;
        RemovePropA(bar, kSplitterProperty);
        SetWindowLongPtrA(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        bar_ = nullptr;
        parent_ = nullptr;
        return CallWindowProcA(original, bar, message, wParam, lParam);
    }
    default:
        return CallWindowProcA(originalProc_, bar_, message, wParam, lParam);
    }
}

Box CSplitter::barInParent() const {
    RECT r;
    GetWindowRect(bar_, &r);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&r), 2);
    return ToBox(r);
}

Box CSplitter::controlInParent(int id) const {
    HWND control = GetDlgItem(parent_, id);
    if (!control)
        return {};
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&r), 2);
    return ToBox(r);
}

void CSplitter::moveControl(int id, const Box& box) const {
    if (HWND control = GetDlgItem(parent_, id))
        MoveWindow(control, box.left, box.top, box.right - box.left, box.bottom - box.top, FALSE);
}

void CSplitter::onLeftButtonDown(int grabX, int grabY) {
    if (GetCapture())
        return;
    std::vector<Box> before, after;
    for (int id : beforeIds())
        if (HWND control = GetDlgItem(parent_, id))
            before.push_back(ScreenRect(control));
    for (int id : afterIds())
        if (HWND control = GetDlgItem(parent_, id))
            after.push_back(ScreenRect(control));
    const quiltmark::DragRange range =
        quiltmark::ComputeDragRange(axis_, ClientRectOnScreen(parent_), before, after, marginBefore, marginAfter);
    if (!range.possible())
        return;
    const RECT clip = ToRect(quiltmark::CursorClip(axis_, range, ScreenRect(bar_), grabX, grabY));
    ClipCursor(&clip);

    const int distance = trackDrag(grabX, grabY);
    if (distance == 0)
        return;
    const Box moved = quiltmark::ShiftBar(axis_, barInParent(), distance);
    MoveWindow(bar_, moved.left, moved.top, moved.right - moved.left, moved.bottom - moved.top, FALSE);
    Relayout();
    SendMessageA(parent_, kSplitterMovedMessage, static_cast<WPARAM>(static_cast<INT_PTR>(distance)),
                 static_cast<LPARAM>(barId_));
}

// The ghost of the bar: an inverted rectangle of the bar's size.
void CSplitter::drawGhost(HDC dc, const Box& box) const {
    RECT r = ToRect(box);
    InvertRect(dc, &r);
}

int CSplitter::trackDrag(int grabX, int grabY) {
    SetCapture(bar_);
    HDC dc = GetDCEx(parent_, nullptr, DCX_CACHE | DCX_LOCKWINDOWUPDATE | DCX_CLIPSIBLINGS);
    const Box start = barInParent();
    Box ghost = start;
    drawGhost(dc, ghost);

    int distance = 0;
    MSG msg;
    while (GetCapture() == bar_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONDOWN)
            break;
        if (msg.message == WM_KEYDOWN) {
            if (msg.wParam == VK_ESCAPE)
                break; // ends the drag at the last tracked position
            continue;  // other keys do nothing during a drag
        }
        if (msg.message == WM_MOUSEMOVE) {
            const int x = static_cast<short>(LOWORD(msg.lParam));
            const int y = static_cast<short>(HIWORD(msg.lParam));
            distance = axis_ == SplitAxis::X ? x - grabX : y - grabY;
            drawGhost(dc, ghost);
            ghost = quiltmark::ShiftBar(axis_, start, distance);
            drawGhost(dc, ghost);
            continue;
        }
        DispatchMessageA(&msg);
    }
    if (msg.message == WM_QUIT)
        PostQuitMessage(static_cast<int>(msg.wParam));
    drawGhost(dc, ghost);
    ReleaseDC(parent_, dc);
    if (GetCapture() == bar_)
        ReleaseCapture();
    ClipCursor(nullptr);
    return distance;
}

void CSplitter::Relayout() {
    if (!bar_)
        return;
    std::vector<Box> before, after;
    for (int id : beforeIds())
        before.push_back(controlInParent(id));
    for (int id : afterIds())
        after.push_back(controlInParent(id));
    quiltmark::AlignToBar(axis_, barInParent(), before, after);
    for (size_t i = 0; i < before.size(); ++i)
        moveControl(beforeIds()[i], before[i]);
    for (size_t i = 0; i < after.size(); ++i)
        moveControl(afterIds()[i], after[i]);
    // The moves above did not repaint; the parent and every control on it
    // (the bar itself included) are drawn anew, so no trace of the ghost or
    // of the old places stays behind.
    RedrawWindow(parent_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
