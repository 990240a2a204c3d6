// Life cycle, notifications, caret and drawing of one editor control.
#include "EditorInstance.h"

#include <imm.h>

#include <algorithm>
#include <string>

#include "../core/CharSteps.h"
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

EditorInstance::EditorInstance(int id, HWND parent)
    : id_(id), parent_(parent), editor_(*this), clipboard_(parent) {
    editor_.setClipboard(&clipboard_);
}

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
    if (hwnd_) {
        revokeDropTarget();
        destroyCaret();
        DestroyWindow(hwnd_);
    }
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
    registerWheelMessage();
    registerDropTarget();

    HDC windowDc = GetDC(hwnd_);
    memoryDc_ = CreateCompatibleDC(windowDc);
    rulerFont_ = CreateTextFont(windowDc, kFontFace, 8, FW_NORMAL);
    textFont_ = CreateTextFont(windowDc, kFontFace, 12, FW_NORMAL);
    boldFont_ = CreateTextFont(windowDc, kFontFace, 12, editor_.metrics().get(kMetricBoldWeight));
    HGDIOBJ previous = SelectObject(windowDc, textFont_);
    TEXTMETRICA tm{};
    GetTextMetricsA(windowDc, &tm);
    SIZE size{};
    GetTextExtentPoint32A(windowDc, "i", 1, &size);
    charWidth_ = size.cx > 0 ? size.cx : 8;
    lineHeight_ = tm.tmHeight > 0 ? tm.tmHeight : 16;
    SelectObject(windowDc, previous);
    ReleaseDC(hwnd_, windowDc);

    LayoutMetrics& metrics = editor_.metrics();
    metrics.setFont(charWidth_, lineHeight_);
    metrics.setScrollBarWidth(GetSystemMetrics(SM_CXVSCROLL));
    metrics.setWindowSize(200, 200);
    updateClientSize();

    SetFocus(hwnd_);
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

void EditorInstance::updateClientSize() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    editor_.metrics().setClientSize(client.right, client.bottom);
}

void EditorInstance::setPos(int x, int y, int width, int height) {
    width_ = width;
    height_ = height;
    rebuildBackBuffer(width, height);
    editor_.metrics().setWindowSize(width, height);
    MoveWindow(hwnd_, x, y, width, height, FALSE);
    updateClientSize();
    placeCaret();
    repaint(Repaint::Full);
}

void EditorInstance::setVisible(bool visible) {
    visible_ = visible;
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

NimbetResult EditorInstance::setMetrics(int kind, int value, bool redraw) {
    if (kind == kMetricOverwrite) {
        if ((value != 0) != editor_.caret().overwriteMode)
            SendMessageA(hwnd_, WM_KEYDOWN, VK_INSERT, 0);
    } else if (const NimbetResult result = editor_.setMetric(kind, value); result != NIMBET_OK) {
        return result;
    }
    placeCaret();
    if (redraw)
        repaint(Repaint::Full);
    return NIMBET_OK;
}

void EditorInstance::notify(NimbetNotify message, int code) {
    if (!parent_)
        return;
    if (message == NIMBET_NOTIFY_SELCLEARED) {
        SendMessageA(parent_, message, 0, 0);
        return;
    }
    const WPARAM wParam =
        static_cast<WPARAM>(static_cast<unsigned>(id_) * 65536u + static_cast<unsigned>(code));
    SendMessageA(parent_, message, wParam, 0);
}

void EditorInstance::repaint(Repaint) {
    // Partial repaints are drawn as whole ones: the back buffer makes that
    // flicker-free.
    if (!hwnd_ || !visible_)
        return;
    const bool wasShown = caretShown_;
    showCaret(false);
    HDC dc = GetDC(hwnd_);
    paintInto(dc);
    ReleaseDC(hwnd_, dc);
    if (wasShown)
        showCaret(true);
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

// A plain rendering of the visible lines at their columns, with the selection
// inverted. The emphasis, ruler and line-number drawing build on this.
void EditorInstance::paintInto(HDC target) {
    if (!memoryDc_)
        return;
    RECT client;
    GetClientRect(hwnd_, &client);
    HBRUSH background = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(memoryDc_, &client, background);
    DeleteObject(background);

    const LayoutMetrics& metrics = editor_.metrics();
    const CaretState& caret = editor_.caret();
    const RowRule rule = editor_.rowRule();
    const int left = metrics.lineNumberWidth();
    const int x0 = left - (caret.firstColumn - 1) * charWidth_;
    const int rowHeight = metrics.rowHeight();
    int tabStop = rule.tabWidth * charWidth_;
    const SelectionRange selection = editor_.selection();

    const int saved = SaveDC(memoryDc_);
    IntersectClipRect(memoryDc_, left, metrics.rulerHeight(), client.right, client.bottom);
    SelectObject(memoryDc_, textFont_);
    SetBkMode(memoryDc_, TRANSPARENT);
    SetTextColor(memoryDc_, RGB(0, 0, 0));
    int n = caret.topLine;
    const LineRecord* line = editor_.buffer().lineAt(n);
    for (int y = metrics.rulerHeight(); line && y < client.bottom; line = line->next, ++n, y += rowHeight) {
        TabbedTextOutA(memoryDc_, x0, y, line->text, line->length, 1, &tabStop, x0);
        if (selection.exists && n >= selection.start.line && n <= selection.finish.line) {
            const long long from =
                n == selection.start.line ? LocateIndex(*line, rule, selection.start.pos - 1).column : 0;
            const long long to = n == selection.finish.line
                                     ? LocateIndex(*line, rule, selection.finish.pos - 1).column
                                     : LocateIndex(*line, rule, line->length).column + 2;
            if (to > from)
                PatBlt(memoryDc_, x0 + static_cast<int>(from) * charWidth_, y,
                       static_cast<int>(to - from) * charWidth_, rowHeight, DSTINVERT);
        }
    }
    RestoreDC(memoryDc_, saved);
    BitBlt(target, 0, 0, client.right, client.bottom, memoryDc_, 0, 0, SRCCOPY);
}

void EditorInstance::showCaret(bool show) {
    if (!hasCaret_ || show == caretShown_)
        return;
    if (show)
        ShowCaret(hwnd_);
    else
        HideCaret(hwnd_);
    caretShown_ = show;
}

void EditorInstance::createCaret() {
    destroyCaret();
    CreateCaret(hwnd_, nullptr, caretWidth_, lineHeight_);
    hasCaret_ = true;
    caretShown_ = false;
}

void EditorInstance::destroyCaret() {
    if (!hasCaret_)
        return;
    showCaret(false);
    DestroyCaret();
    hasCaret_ = false;
}

void EditorInstance::placeCaret() {
    if (!hwnd_)
        return;
    updateScrollBars();
    if (!hasCaret_)
        return;
    const Editor& editor = editor_;
    const CaretState& caret = editor.caret();
    const LayoutMetrics& metrics = editor.metrics();
    const LineRecord* line = editor.buffer().lineAt(caret.caretLine);
    if (!line)
        return;

    // In overwrite mode the caret covers the character it would replace.
    int width = 2;
    if (caret.overwriteMode) {
        const int bytes = CharLengthAt(*line, caret.caretPos - 1);
        width = bytes == 0 ? 2 : charWidth_ * bytes;
    }
    if (width != caretWidth_) {
        caretWidth_ = width;
        createCaret();
    }

    const long long column = editor.caretColumn();
    const long long x = (column - caret.firstColumn + 1) * charWidth_ + metrics.lineNumberWidth();
    const long long y =
        metrics.rulerHeight() +
        static_cast<long long>(editor.rowOfPlace(editor.caretPlace()) - caret.topLine) * metrics.rowHeight();
    const bool visible = x >= metrics.lineNumberWidth() && x < metrics.clientWidth() &&
                         y >= metrics.rulerHeight() && y < metrics.clientHeight();
    if (!visible) {
        showCaret(false);
        return;
    }
    SetCaretPos(static_cast<int>(x), static_cast<int>(y));
    showCaret(true);

    // The input method composes its text at the caret, in the text font.
    if (HIMC context = ImmGetContext(hwnd_)) {
        COMPOSITIONFORM form{};
        form.dwStyle = CFS_POINT;
        form.ptCurrentPos = {static_cast<LONG>(x), static_cast<LONG>(y)};
        GetClientRect(hwnd_, &form.rcArea);
        ImmSetCompositionWindow(context, &form);
        LOGFONTA font{};
        if (GetObjectA(textFont_, sizeof font, &font))
            ImmSetCompositionFontA(context, &font);
        ImmReleaseContext(hwnd_, context);
    }
}

void EditorInstance::updateScrollBars() {
    const Editor& editor = editor_;
    const CaretState& caret = editor.caret();
    const int page = editor.metrics().page();
    const int rows = editor.totalRows();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = rows > 1 ? page + rows - 2 : page;
    info.nPage = static_cast<UINT>(page);
    info.nPos = caret.topLine - 1;
    SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
    if (editor.metrics().wrap) {
        info.nMax = 0;
        info.nPage = 0;
        info.nPos = 0;
    } else {
        info.nMax = kMaxColumns;
        info.nPage = static_cast<UINT>(editor.metrics().visibleColumns());
        info.nPos = caret.firstColumn - 1;
    }
    SetScrollInfo(hwnd_, SB_HORZ, &info, TRUE);
}

// Input is refused while a text change is running (its message pumping may
// deliver keys); otherwise it runs marked busy, so that the parent's
// notification handlers cannot change the text under it.
template <typename Input>
void EditorInstance::runInput(Input&& input) {
    if (busy())
        return;
    struct Busy {
        EditorInstance& self;
        explicit Busy(EditorInstance& s) : self(s) { self.enter(); }
        ~Busy() { self.leave(); }
    } guard(*this);
    input();
}

namespace {
bool KeyOf(WPARAM virtualKey, EditorKey& key) {
    switch (virtualKey) {
    case VK_LEFT: key = EditorKey::Left; return true;
    case VK_RIGHT: key = EditorKey::Right; return true;
    case VK_UP: key = EditorKey::Up; return true;
    case VK_DOWN: key = EditorKey::Down; return true;
    case VK_HOME: key = EditorKey::Home; return true;
    case VK_END: key = EditorKey::End; return true;
    case VK_PRIOR: key = EditorKey::PageUp; return true;
    case VK_NEXT: key = EditorKey::PageDown; return true;
    case VK_INSERT: key = EditorKey::Insert; return true;
    case VK_DELETE: key = EditorKey::Delete; return true;
    case VK_BACK: key = EditorKey::Backspace; return true;
    case VK_TAB: key = EditorKey::Tab; return true;
    case VK_RETURN: key = EditorKey::Enter; return true;
    default: return false;
    }
}
} // namespace

LRESULT EditorInstance::onKeyDown(WPARAM virtualKey, LPARAM lParam) {
    EditorKey key;
    if (!KeyOf(virtualKey, key))
        return DefWindowProcA(hwnd_, WM_KEYDOWN, virtualKey, lParam);
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    runInput([&] { editor_.keyDown(key, shift, ctrl); });
    placeCaret();
    return 0;
}

void EditorInstance::onImeComposition(LPARAM lParam) {
    if (!(lParam & GCS_RESULTSTR) || busy())
        return;
    std::string result;
    if (HIMC context = ImmGetContext(hwnd_)) {
        const LONG bytes = ImmGetCompositionStringA(context, GCS_RESULTSTR, nullptr, 0);
        if (bytes > 0) {
            result.resize(static_cast<size_t>(bytes));
            const LONG got =
                ImmGetCompositionStringA(context, GCS_RESULTSTR, result.data(), static_cast<DWORD>(bytes));
            result.resize(got > 0 ? std::min(static_cast<size_t>(got), result.size()) : 0);
        }
        ImmReleaseContext(hwnd_, context);
    }
    if (result.empty())
        return;
    runInput([&] { editor_.inputMethodResult(result); });
    placeCaret();
}

LRESULT EditorInstance::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS:
        createCaret();
        placeCaret();
        repaint(Repaint::Full);
        return 0;
    case WM_KILLFOCUS:
        destroyCaret();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        paintInto(dc);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_SIZE:
        updateClientSize();
        return 0;
    case WM_CONTEXTMENU:
        notify(NIMBET_NOTIFY_CONTEXTMENU, 0);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        return onKeyDown(wParam, lParam);
    case WM_CHAR:
        runInput([&] { editor_.typeChar(static_cast<unsigned char>(wParam & 0xFF)); });
        placeCaret();
        return 0;
    case WM_IME_COMPOSITION:
        onImeComposition(lParam);
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return onMouse(message, wParam, lParam);
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd_)
            mouse_.captureLost();
        return 0;
    case WM_SETCURSOR:
        if (onSetCursor(lParam))
            return TRUE;
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    case WM_MOUSEWHEEL:
        onWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_VSCROLL:
        onVerticalScroll(LOWORD(wParam));
        return 0;
    case WM_HSCROLL:
        onHorizontalScroll(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        onTimer(wParam);
        return 0;
    default:
        if (wheelMessage_ && message == wheelMessage_) {
            onWheel(static_cast<int>(wParam)); // the registered message carries the delta in wParam
            return 0;
        }
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

} // namespace nimbet::win32
