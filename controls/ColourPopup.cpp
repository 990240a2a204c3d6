// The colour picker's palette window: creation and placement, tooltips,
// mouse and keys, the custom-colour dialog, the end of a selection and
// painting.
#include "ColourPopup.h"

#include <commctrl.h>
#include <commdlg.h>

#include <utility>

using quiltmark::kCustomBox;
using quiltmark::kDefaultBox;
using quiltmark::kNoPlace;
using quiltmark::kPaletteColourCount;
using quiltmark::kPaletteColours;
using quiltmark::PaletteLayout;

namespace {

constexpr const char* kPopupClass = "QuiltmarkColourPopup";

RECT ToRect(const quiltmark::Box& b) {
    return {b.left, b.top, b.right, b.bottom};
}

int Margin() {
    return GetSystemMetrics(SM_CXEDGE);
}

HFONT CreateMenuFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return CreateFontIndirectA(&metrics.lfMenuFont);
    return nullptr;
}

quiltmark::TextSize MeasureText(HFONT font, const std::string& text) {
    if (text.empty())
        return {};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

void RegisterPopupClass(WNDPROC windowProc) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExA(GetModuleHandleA(nullptr), kPopupClass, &wc))
        return;
    wc.cbSize = sizeof wc;
    wc.style = CS_SAVEBITS | CS_DROPSHADOW;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kPopupClass;
    RegisterClassExA(&wc);
}

// Colours of the custom-colour dialog, kept for the whole run.
COLORREF g_customColours[16] = {
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};

} // namespace

CColourPopup* CColourPopup::Open(HWND button, const RECT& buttonOnScreen, COLORREF colour,
                                 const std::string& defaultText, const std::string& customText) {
    if (!IsWindow(button))
        return nullptr;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterPopupClass(&CColourPopup::WindowProc);

    HFONT font = CreateMenuFont();
    PaletteLayout layout(Margin(), MeasureText(font, defaultText), MeasureText(font, customText));
    auto* popup = new CColourPopup(button, colour, defaultText, customText, font, layout);

    const quiltmark::Box place = quiltmark::PlacePalette(
        layout.Width(), layout.Height(),
        {buttonOnScreen.left, buttonOnScreen.top, buttonOnScreen.right, buttonOnScreen.bottom},
        GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    HWND owner = GetAncestor(button, GA_ROOT);
    HWND hwnd =
        CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClass, "", WS_POPUP, place.left, place.top,
                        place.width(), place.height(), owner, nullptr, GetModuleHandleA(nullptr), popup);
    if (!hwnd) {
        delete popup;
        return nullptr;
    }
    popup->CreatePalette();
    popup->CreateTooltips();
    ShowWindow(hwnd, SW_SHOW);
    SetFocus(hwnd);
    SetCapture(hwnd);
    return popup;
}

CColourPopup::CColourPopup(HWND button, COLORREF colour, std::string defaultText, std::string customText,
                           HFONT font, PaletteLayout layout)
    : button_(button), font_(font), layout_(layout), defaultText_(std::move(defaultText)),
      customText_(std::move(customText)), openingColour_(colour), chosenColour_(colour) {
    highlight_ = chosen_ =
        quiltmark::InitialPaletteHighlight(colour, layout_.HasDefaultBox(), layout_.HasCustomBox());
}

CColourPopup::~CColourPopup() {
    if (font_)
        DeleteObject(font_);
    if (palette_)
        DeleteObject(palette_);
}

void CColourPopup::CreatePalette() {
    // A logical palette of the 40 colours, so that palette devices show them.
    struct {
        LOGPALETTE header;
        PALETTEENTRY more[kPaletteColourCount - 1];
    } table{};
    table.header.palVersion = 0x300;
    table.header.palNumEntries = kPaletteColourCount;
    PALETTEENTRY* entries = table.header.palPalEntry;
    for (int i = 0; i < kPaletteColourCount; ++i) {
        const COLORREF c = kPaletteColours[i].colour;
        entries[i] = {GetRValue(c), GetGValue(c), GetBValue(c), 0};
    }
    palette_ = ::CreatePalette(&table.header);
}

void CColourPopup::CreateTooltips() {
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (!tooltip_)
        return;
    for (int i = 0; i < kPaletteColourCount; ++i) {
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = static_cast<UINT_PTR>(i);
        tool.rect = ToRect(layout_.Cell(i));
        tool.lpszText = const_cast<char*>(kPaletteColours[i].name);
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

LRESULT CALLBACK CColourPopup::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CColourPopup*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<CColourPopup*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return self->Handle(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

LRESULT CColourPopup::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        Paint(dc);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_MOUSEMOVE: {
        const int place =
            layout_.HitTest(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        if (place != kNoPlace && place != highlight_)
            ChangeHighlight(place);
        return 0;
    }
    case WM_LBUTTONUP: {
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        RECT client;
        GetClientRect(hwnd_, &client);
        End(PtInRect(&client, at) != FALSE);
        return 0;
    }
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_ACTIVATE:
        // The dialog under the palette keeps its active caption.
        if (LOWORD(wParam) != WA_INACTIVE)
            SendMessageA(GetWindow(hwnd_, GW_OWNER), WM_NCACTIVATE, TRUE, 0);
        return 0;
    case WM_KILLFOCUS:
        if (GetCapture() == hwnd_)
            ReleaseCapture();
        return 0;
    case WM_ACTIVATEAPP:
        if (!wParam)
            End(false);
        return 0;
    case WM_QUERYNEWPALETTE:
        InvalidateRect(hwnd_, nullptr, FALSE);
        return TRUE;
    case WM_PALETTECHANGED:
        if (reinterpret_cast<HWND>(wParam) != hwnd_)
            InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
    case WM_DESTROY:
        // Destroyed with its owner before a choice was made: the button
        // still learns that the selection ended.
        if (!ended_) {
            ended_ = true;
            if (IsWindow(button_))
                SendMessageA(button_, kColourSelEndCancel, openingColour_, 0);
        }
        return 0;
    case WM_NCDESTROY: {
        HWND hwnd = hwnd_;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        delete this;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    default:
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

void CColourPopup::OnKeyDown(WPARAM key) {
    using quiltmark::PaletteKey;
    PaletteKey move;
    switch (key) {
    case VK_LEFT:
        move = PaletteKey::Left;
        break;
    case VK_RIGHT:
        move = PaletteKey::Right;
        break;
    case VK_UP:
        move = PaletteKey::Up;
        break;
    case VK_DOWN:
        move = PaletteKey::Down;
        break;
    case VK_RETURN:
    case VK_SPACE:
        End(true);
        return;
    case VK_ESCAPE:
        chosenColour_ = openingColour_;
        End(false);
        return;
    default:
        return;
    }
    const int place =
        quiltmark::MovePaletteHighlight(highlight_, move, layout_.HasDefaultBox(), layout_.HasCustomBox());
    if (place != highlight_)
        ChangeHighlight(place);
}

void CColourPopup::ChangeHighlight(int place) {
    InvalidatePlace(highlight_);
    highlight_ = place;
    InvalidatePlace(highlight_);
    chosenColour_ = quiltmark::PaletteColourAt(place, openingColour_);
    SendMessageA(button_, kColourSelChange, chosenColour_, 0);
}

void CColourPopup::End(bool accepted) {
    if (ended_)
        return;
    ended_ = true;
    if (GetCapture() == hwnd_)
        ReleaseCapture();
    COLORREF colour = chosenColour_;
    if (accepted && highlight_ == kCustomBox)
        accepted = ChooseCustomColour(colour);
    if (!accepted)
        colour = openingColour_;
    // The button's handlers may close the dialog that owns this window, which
    // destroys it; only the handle is used after the message.
    HWND self = hwnd_;
    if (IsWindow(button_))
        SendMessageA(button_, accepted ? kColourSelEndOk : kColourSelEndCancel, colour, 0);
    if (IsWindow(self))
        DestroyWindow(self);
}

bool CColourPopup::ChooseCustomColour(COLORREF& colour) {
    ShowWindow(hwnd_, SW_HIDE);
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetWindow(hwnd_, GW_OWNER);
    dialog.rgbResult = openingColour_ == quiltmark::kDefaultColour ? RGB(0, 0, 0) : openingColour_;
    dialog.lpCustColors = g_customColours;
    dialog.Flags = CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT;
    if (!ChooseColorA(&dialog))
        return false;
    colour = dialog.rgbResult;
    return true;
}

void CColourPopup::InvalidatePlace(int place) {
    RECT r{};
    if (place >= 0 && place < kPaletteColourCount)
        r = ToRect(layout_.Cell(place));
    else if (place == kDefaultBox)
        r = ToRect(layout_.DefaultBox());
    else if (place == kCustomBox)
        r = ToRect(layout_.CustomBox());
    else
        return;
    InvalidateRect(hwnd_, &r, FALSE);
}

void CColourPopup::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);

    HPALETTE oldPalette = nullptr;
    if (palette_ && (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE)) {
        oldPalette = SelectPalette(dc, palette_, FALSE);
        RealizePalette(dc);
    }
    for (int i = 0; i < kPaletteColourCount; ++i)
        PaintCell(dc, i);
    const int margin = Margin();
    if (layout_.HasDefaultBox()) {
        RECT frame = ToRect(layout_.DefaultBox());
        InflateRect(&frame, -margin, -margin);
        PaintBox(dc, kDefaultBox, frame, defaultText_);
    }
    if (layout_.HasCustomBox()) {
        // A shadow and a highlight line part the custom box from the cells.
        const RECT box = ToRect(layout_.CustomBox());
        HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
        HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
        HGDIOBJ oldPen = SelectObject(dc, shadow);
        MoveToEx(dc, box.left, box.top + 1, nullptr);
        LineTo(dc, box.right, box.top + 1);
        SelectObject(dc, light);
        MoveToEx(dc, box.left, box.top + 2, nullptr);
        LineTo(dc, box.right, box.top + 2);
        SelectObject(dc, oldPen);
        DeleteObject(shadow);
        DeleteObject(light);
        RECT frame = box;
        frame.top += 2;
        InflateRect(&frame, -margin, -margin);
        PaintBox(dc, kCustomBox, frame, customText_);
    }
    if (oldPalette)
        SelectPalette(dc, oldPalette, FALSE);
}

// Raised while highlighted, sunken for the colour the palette opened with.
void CColourPopup::PaintEdge(HDC dc, RECT box, int place) {
    if (place == chosen_)
        DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
    else if (place == highlight_)
        DrawEdge(dc, &box, BDR_RAISEDINNER, BF_RECT);
}

void CColourPopup::PaintCell(HDC dc, int index) {
    const RECT square = ToRect(layout_.Cell(index));
    FillRect(dc, &square, GetSysColorBrush(COLOR_BTNFACE));
    PaintEdge(dc, square, index);

    const int inset = Margin() + 1;
    const COLORREF c = kPaletteColours[index].colour;
    HBRUSH fill = CreateSolidBrush(palette_ ? PALETTERGB(GetRValue(c), GetGValue(c), GetBValue(c)) : c);
    HPEN outline = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ oldBrush = SelectObject(dc, fill);
    HGDIOBJ oldPen = SelectObject(dc, outline);
    Rectangle(dc, square.left + inset, square.top + inset, square.right - inset, square.bottom - inset);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(fill);
    DeleteObject(outline);
}

void CColourPopup::PaintBox(HDC dc, int place, const RECT& frame, const std::string& text) {
    FillRect(dc, &frame, GetSysColorBrush(COLOR_BTNFACE));
    if (place == highlight_ || place == chosen_)
        PaintEdge(dc, frame, place);
    else
        FrameRect(dc, &frame, GetSysColorBrush(COLOR_BTNSHADOW));
    HGDIOBJ oldFont = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT inside = frame;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &inside,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}
