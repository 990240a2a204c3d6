// Link labels: painting, cursor and the click that opens the address.
#include "HyperlinkLabel.h"

#include <commctrl.h>
#include <shellapi.h>

namespace {

constexpr UINT_PTR kSubclassId = 0x4C4B; // "LK"
constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr INT_PTR kShellFailureLimit = 32; // ShellExecute results up to 32 are failures

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(length > 0 ? length + 1 : 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(copied > 0 && copied <= length ? copied : 0);
    return text;
}

} // namespace

CHyperlinkLabel::~CHyperlinkLabel() {
    Detach();
}

bool CHyperlinkLabel::Attach(HWND label, std::string address, HCURSOR cursor, std::string failureText,
                             std::string failureCaption) {
    Detach();
    if (!label)
        return false;
    label_ = label;
    address_ = std::move(address);
    cursor_ = cursor;
    failureText_ = std::move(failureText);
    failureCaption_ = std::move(failureCaption);
    // A static only receives the mouse with SS_NOTIFY.
    SetWindowLongA(label_, GWL_STYLE, GetWindowLongA(label_, GWL_STYLE) | SS_NOTIFY);
    LOGFONTA font{};
    HFONT base = reinterpret_cast<HFONT>(SendMessageA(label_, WM_GETFONT, 0, 0));
    if (GetObjectA(base ? base : GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font)) {
        font.lfUnderline = TRUE;
        underlined_ = CreateFontIndirectA(&font);
    }
    SetWindowSubclass(label_, LabelProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    InvalidateRect(label_, nullptr, TRUE);
    return true;
}

void CHyperlinkLabel::Detach() {
    if (label_ && IsWindow(label_))
        RemoveWindowSubclass(label_, LabelProc, kSubclassId);
    label_ = nullptr;
    if (underlined_)
        DeleteObject(underlined_);
    underlined_ = nullptr;
}

void CHyperlinkLabel::Open() {
    if (!label_ || address_.empty())
        return;
    HWND owner = GetParent(label_);
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "open", address_.c_str(), nullptr, nullptr, SW_SHOW));
    if (result <= kShellFailureLimit)
        MessageBoxA(owner, failureText_.c_str(), failureCaption_.c_str(), MB_OK | MB_ICONINFORMATION);
}

void CHyperlinkLabel::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(label_, &ps);
    RECT client{};
    GetClientRect(label_, &client);
    // The parent's background, as for any static on it.
    HWND parent = GetParent(label_);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label_)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ old = SelectObject(dc, underlined_ ? underlined_ : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kLinkColour);
    const std::string text = WindowText(label_);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    EndPaint(label_, &ps);
}

LRESULT CALLBACK CHyperlinkLabel::LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR /*id*/, DWORD_PTR self) {
    auto* link = reinterpret_cast<CHyperlinkLabel*>(self);
    switch (message) {
    case WM_PAINT:
        link->Paint();
        return 0;
    case WM_SETCURSOR:
        if (link->cursor_) {
            SetCursor(link->cursor_);
            return TRUE;
        }
        break;
    case WM_LBUTTONUP:
        link->Open();
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, LabelProc, kSubclassId);
        link->label_ = nullptr;
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
