// The colour button: subclassing, painting, opening the palette and passing
// its notifications on to the parent.
#include "ColourPicker.h"

#include <algorithm>

namespace {

constexpr const char* kPickerProperty = "QuiltmarkColourPicker";
// The palette's box texts until the owner sets others.
constexpr const char* kDefaultBoxText = "標準色";
constexpr const char* kCustomBoxText = "その他の色...";

int Edge() {
    return GetSystemMetrics(SM_CXEDGE);
}

} // namespace

CColourPicker::CColourPicker()
    : backgroundColour_(GetSysColor(COLOR_BTNFACE)), textColour_(GetSysColor(COLOR_BTNTEXT)),
      defaultText_(kDefaultBoxText), customText_(kCustomBoxText) {}

CColourPicker::~CColourPicker() {
    Detach();
}

bool CColourPicker::Attach(HWND dialog, int controlId) {
    return SubclassButton(GetDlgItem(dialog, controlId));
}

bool CColourPicker::SubclassButton(HWND button) {
    if (!button || GetPropA(button, kPickerProperty))
        return false;
    Detach();
    button_ = button;
    SetPropA(button_, kPickerProperty, this);
    originalProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CColourPicker::ButtonProc)));
    // The button draws itself; the owner-draw style keeps the system from
    // drawing a push button over it.
    const LONG_PTR style = GetWindowLongPtrA(button_, GWL_STYLE);
    SetWindowLongPtrA(button_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    FitArrow();
    Repaint();
    return true;
}

void CColourPicker::Detach() {
    if (!button_)
        return;
    if (IsWindow(palette_))
        DestroyWindow(palette_);
    palette_ = nullptr;
    if (IsWindow(button_)) {
        SetWindowLongPtrA(button_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
        RemovePropA(button_, kPickerProperty);
    }
    button_ = nullptr;
    open_ = false;
}

int CColourPicker::ArrowWidth() const {
    return std::max(5 * Edge(), GetSystemMetrics(SM_CXHTHUMB));
}

// The arrow area at the right needs room: the button is made at least wide
// enough for two margins and the arrow.
void CColourPicker::FitArrow() {
    RECT r;
    GetWindowRect(button_, &r);
    const int width = r.right - r.left;
    const int needed = 2 * Edge() + ArrowWidth();
    if (width < needed)
        SetWindowPos(button_, nullptr, 0, 0, needed, r.bottom - r.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CColourPicker::SetColour(COLORREF colour) {
    if (mode_ == kTextColourMode)
        SetTextColour(colour);
    else
        SetBkColour(colour);
}

void CColourPicker::SetBkColour(COLORREF colour) {
    backgroundColour_ = colour;
    Repaint();
}

void CColourPicker::SetTextColour(COLORREF colour) {
    textColour_ = colour;
    Repaint();
}

CColourPopup* CColourPicker::Palette() const {
    if (!IsWindow(palette_))
        return nullptr;
    return reinterpret_cast<CColourPopup*>(GetWindowLongPtrA(palette_, GWLP_USERDATA));
}

void CColourPicker::Repaint() {
    if (!button_)
        return;
    InvalidateRect(button_, nullptr, FALSE);
    UpdateWindow(button_);
}

LRESULT CALLBACK CColourPicker::ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<CColourPicker*>(GetPropA(hwnd, kPickerProperty));
    if (!self)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return self->Handle(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT CColourPicker::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(originalProc_, button_, message, wParam, lParam);
}

LRESULT CColourPicker::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(button_, &ps);
        RECT client;
        GetClientRect(button_, &client);
        // Drawn off screen first, so the field does not flicker.
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
        HGDIOBJ old = SelectObject(memory, bitmap);
        Paint(memory, client);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        EndPaint(button_, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return TRUE;
    case WM_LBUTTONUP:
    case WM_KEYUP: {
        // A release while the button is pushed is a click (mouse, Space or BM_CLICK).
        const bool press = message == WM_LBUTTONUP ? GetCapture() == button_ : wParam == VK_SPACE;
        const bool click = press && (CallOriginal(BM_GETSTATE, 0, 0) & BST_PUSHED);
        inRelease_ = true;
        clickReported_ = false;
        const LRESULT result = CallOriginal(message, wParam, lParam);
        inRelease_ = false;
        Repaint();
        if (click || clickReported_)
            OnClicked();
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFONT:
    case BM_SETSTATE:
    case WM_SYSCOLORCHANGE: {
        // The system would draw these through the parent; the button draws itself.
        const LRESULT result = CallOriginal(message, wParam, lParam);
        Repaint();
        return result;
    }
    case kColourSelChange:
    case kColourSelEndOk:
    case kColourSelEndCancel:
        OnPaletteMessage(message, static_cast<COLORREF>(wParam));
        return TRUE;
    case WM_NCDESTROY: {
        WNDPROC original = originalProc_;
        HWND button = button_;
        RemovePropA(button, kPickerProperty);
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        button_ = nullptr;
        return CallWindowProcA(original, button, message, wParam, lParam);
    }
    default:
        return CallOriginal(message, wParam, lParam);
    }
}

bool CColourPicker::OnParentCommand(WPARAM wParam) {
    if (!button_ || HIWORD(wParam) != BN_CLICKED || LOWORD(wParam) != GetDlgCtrlID(button_))
        return false;
    if (!IsWindowEnabled(button_))
        return true; // a disabled button opens nothing, however the click came
    if (inRelease_)
        clickReported_ = true;
    else
        OnClicked();
    return true;
}

void CColourPicker::OnClicked() {
    if (open_)
        return;
    open_ = true;
    Repaint();
    RECT r;
    GetWindowRect(button_, &r);
    const COLORREF colour = GetColour();
    CColourPopup* palette = CColourPopup::Open(button_, r, colour, defaultText_, customText_);
    if (!palette) {
        open_ = false;
        Repaint();
        return;
    }
    palette_ = palette->GetSafeHwnd();
    NotifyParent(kColourDropDown, colour);
}

void CColourPicker::OnPaletteMessage(UINT message, COLORREF colour) {
    if (message == kColourSelChange) {
        if (trackSelection_)
            SetColour(colour);
        NotifyParent(kColourSelChange, colour);
        return;
    }
    // The end of a selection: the palette is closing.
    open_ = false;
    palette_ = nullptr;
    SetColour(colour);
    NotifyParent(kColourCloseUp, colour);
    NotifyParent(message, colour);
}

void CColourPicker::NotifyParent(UINT message, COLORREF colour) {
    HWND parent = GetParent(button_);
    if (parent)
        SendMessageA(parent, message, colour, static_cast<LPARAM>(GetDlgCtrlID(button_)));
}

void CColourPicker::Paint(HDC dc, const RECT& client) {
    const bool enabled = IsWindowEnabled(button_) != FALSE;
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

    // The drop-down arrow at the right, pushed while the palette is open.
    RECT arrow = client;
    arrow.left = std::max(client.left, client.right - ArrowWidth());
    DrawFrameControl(dc, &arrow, DFC_SCROLL,
                     DFCS_SCROLLDOWN | (open_ ? DFCS_PUSHED | DFCS_FLAT : 0) | (enabled ? 0 : DFCS_INACTIVE));

    // The colour field in a sunken edge.
    RECT field = client;
    field.right = arrow.left;
    DrawEdge(dc, &field, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const bool isDefault = backgroundColour_ == quiltmark::kDefaultColour;
    HBRUSH fill = CreateSolidBrush(!enabled || isDefault ? GetSysColor(COLOR_BTNFACE) : backgroundColour_);
    FillRect(dc, &field, fill);
    DeleteObject(fill);

    const int length = GetWindowTextLengthA(button_);
    if (length > 0) {
        std::string text(static_cast<size_t>(length) + 1, '\0');
        text.resize(static_cast<size_t>(std::max(0, GetWindowTextA(button_, text.data(), length + 1))));
        HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(button_, WM_GETFONT, 0, 0));
        HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
        RECT r = field;
        if (enabled) {
            SetTextColor(dc, textColour_ == quiltmark::kDefaultColour ? RGB(0, 0, 0) : textColour_);
            DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
        } else {
            // Embossed: a highlight copy one pixel down and right under a shadow copy.
            OffsetRect(&r, 1, 1);
            SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
            DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
            OffsetRect(&r, -1, -1);
            SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
            DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
        }
        SelectObject(dc, oldFont);
    }

    if (GetFocus() == button_) {
        RECT focus = field;
        InflateRect(&focus, -1, -1);
        DrawFocusRect(dc, &focus);
    }
}
