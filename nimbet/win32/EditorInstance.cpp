// Life cycle, notifications and drawing of one editor control.
#include "EditorInstance.h"

#include "ControlWindow.h"
#include "Module.h"

namespace nimbet::win32 {

namespace {

constexpr const char* kFontFace = "ＭＳ ゴシック";

HFONT CreateTextFont(HDC dc, const char* face, int points, int weight) {
    const int height = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, face);
}

} // namespace

EditorInstance::EditorInstance(int id, HWND parent) : id_(id), parent_(parent), editor_(*this) {}

EditorInstance::~EditorInstance() {
    // Teardown order: the window property first, so that messages arriving
    // while the window is destroyed no longer reach this object.
    if (hwnd_)
        RemovePropA(hwnd_, kInstanceProperty);
    if (memoryDc_) {
        SelectObject(memoryDc_, originalBitmap_);
        DeleteObject(backBuffer_);
        DeleteDC(memoryDc_);
    }
    if (hwnd_)
        DestroyWindow(hwnd_);
    DeleteObject(rulerFont_);
    DeleteObject(textFont_);
    DeleteObject(boldFont_);
}

bool EditorInstance::createWindow() {
    RegisterControlClass();
    hwnd_ = CreateWindowExA(WS_EX_CLIENTEDGE, kWindowClass, kWindowClass,
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, 200, 200, parent_, nullptr,
                            ModuleHandle(), nullptr);
    if (!hwnd_)
        return false;
    SetPropA(hwnd_, kInstanceProperty, this);
    SetFocus(hwnd_);

    HDC windowDc = GetDC(hwnd_);
    memoryDc_ = CreateCompatibleDC(windowDc);
    rulerFont_ = CreateTextFont(windowDc, kFontFace, 8, FW_NORMAL);
    textFont_ = CreateTextFont(windowDc, kFontFace, 12, FW_NORMAL);
    boldFont_ = CreateTextFont(windowDc, kFontFace, 12, FW_BOLD);
    HGDIOBJ previous = SelectObject(windowDc, textFont_);
    TEXTMETRICA tm{};
    GetTextMetricsA(windowDc, &tm);
    SIZE size{};
    GetTextExtentPoint32A(windowDc, "i", 1, &size);
    charWidth_ = size.cx > 0 ? size.cx : 8;
    lineHeight_ = tm.tmHeight > 0 ? tm.tmHeight : 16;
    SelectObject(windowDc, previous);
    ReleaseDC(hwnd_, windowDc);

    rebuildBackBuffer(width_, height_);
    repaint(Repaint::Full);
    notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_EXPORT);
    return true;
}

void EditorInstance::rebuildBackBuffer(int width, int height) {
    if (!memoryDc_)
        return;
    HDC windowDc = GetDC(hwnd_);
    HBITMAP fresh = CreateCompatibleBitmap(windowDc, width > 0 ? width : 1, height > 0 ? height : 1);
    ReleaseDC(hwnd_, windowDc);
    if (!fresh)
        return;
    HGDIOBJ old = SelectObject(memoryDc_, fresh);
    if (!originalBitmap_)
        originalBitmap_ = static_cast<HBITMAP>(old);
    if (backBuffer_)
        DeleteObject(backBuffer_);
    backBuffer_ = fresh;
}

void EditorInstance::setPos(int x, int y, int width, int height) {
    width_ = width;
    height_ = height;
    rebuildBackBuffer(width, height);
    MoveWindow(hwnd_, x, y, width, height, FALSE);
    repaint(Repaint::Full);
}

void EditorInstance::setVisible(bool visible) {
    visible_ = visible;
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

void EditorInstance::notify(NimbetNotify message, int code) {
    if (!parent_)
        return;
    if (message == NIMBET_NOTIFY_SELCLEARED) {
        SendMessageA(parent_, message, 0, 0);
        return;
    }
    const WPARAM wParam = static_cast<WPARAM>(static_cast<unsigned>(id_) * 65536u + static_cast<unsigned>(code));
    SendMessageA(parent_, message, wParam, 0);
}

void EditorInstance::repaint(Repaint) {
    if (!hwnd_ || !visible_)
        return;
    HDC dc = GetDC(hwnd_);
    paintInto(dc);
    ReleaseDC(hwnd_, dc);
}

void EditorInstance::pumpOneMessage() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return;
    if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam)); // leave it for the real loop
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

// A plain rendering of the visible lines: background and text. The emphasis,
// ruler and line-number drawing build on this.
void EditorInstance::paintInto(HDC target) {
    if (!memoryDc_)
        return;
    RECT client;
    GetClientRect(hwnd_, &client);
    HBRUSH background = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(memoryDc_, &client, background);
    DeleteObject(background);

    HGDIOBJ previousFont = SelectObject(memoryDc_, textFont_);
    SetBkMode(memoryDc_, TRANSPARENT);
    SetTextColor(memoryDc_, RGB(0, 0, 0));
    const TextBuffer& buffer = editor_.buffer();
    const LineRecord* line = buffer.lineAt(editor_.caret().topLine);
    for (int y = 0; line && y < client.bottom; line = line->next, y += lineHeight_)
        TextOutA(memoryDc_, 0, y, line->text, line->length);
    SelectObject(memoryDc_, previousFont);
    BitBlt(target, 0, 0, client.right, client.bottom, memoryDc_, 0, 0, SRCCOPY);
}

void EditorInstance::createCaret() {
    CreateCaret(hwnd_, nullptr, 2, lineHeight_);
    SetCaretPos(0, 0);
    ShowCaret(hwnd_);
}

LRESULT EditorInstance::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS:
        createCaret();
        repaint(Repaint::Full);
        return 0;
    case WM_KILLFOCUS:
        HideCaret(hwnd_);
        DestroyCaret();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        paintInto(dc);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_CONTEXTMENU:
        notify(NIMBET_NOTIFY_CONTEXTMENU, 0);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    default:
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

} // namespace nimbet::win32
