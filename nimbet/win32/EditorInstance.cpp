// Life cycle, notifications, caret and drawing of one editor control.
#include "EditorInstance.h"

#include <imm.h>

#include <algorithm>
#include <string>

#include "../core/CharSteps.h"
#include "ControlWindow.h"
#include "Module.h"

namespace nimbet::win32 {

EditorInstance::EditorInstance(int id, HWND parent)
    : id_(id), parent_(parent), editor_(*this), clipboard_(parent) {
    editor_.setClipboard(&clipboard_);
}

EditorInstance::~EditorInstance() {
    // Teardown order: the window property first, so that messages arriving
    // while the window is destroyed no longer reach this object.
    if (hwnd_)
        DetachInstance(hwnd_);
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
}

bool EditorInstance::createWindow() {
    RegisterControlClass();
    hwnd_ = CreateWindowExA(WS_EX_CLIENTEDGE, kWindowClass, kWindowClass,
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, 200, 200, parent_, nullptr,
                            ModuleHandle(), nullptr);
    if (!hwnd_)
        return false;
    AttachInstance(hwnd_, this);
    registerWheelMessage();
    registerDropTarget();

    HDC windowDc = GetDC(hwnd_);
    memoryDc_ = CreateCompatibleDC(windowDc);
    fonts_.createDefaults(windowDc, editor_.metrics().get(kMetricBoldWeight));
    ReleaseDC(hwnd_, windowDc);

    LayoutMetrics& metrics = editor_.metrics();
    metrics.setFont(fonts_.charWidth(), fonts_.lineHeight());
    metrics.setScrollBarWidth(GetSystemMetrics(SM_CXVSCROLL));
    metrics.setWindowSize(200, 200);
    updateClientSize();

    SetFocus(hwnd_);
    rebuildBackBuffer(width_, height_);
    repaint(Repaint::Full);
    notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_EXPORT);
    return true;
}

void EditorInstance::updateClientSize() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    editor_.metrics().setClientSize(client.right, client.bottom);
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

void EditorInstance::pumpOneMessage() {
    // Looking for a message is a round trip to the window server: a long
    // change lets the first one through when it is offered, and then one per
    // interval of work rather than per count of lines.
    const DWORD now = GetTickCount();
    if (dispatchedInChange_ && now - lastDispatch_ < kDispatchIntervalMs)
        return;
    dispatchedInChange_ = true;
    lastDispatch_ = now;
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
    CreateCaret(hwnd_, nullptr, caretWidth_, fonts_.lineHeight());
    hasCaret_ = true;
    caretShown_ = false;
    caretPosKnown_ = false; // a new caret has no position yet
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
    const Editor& editor = editor_;
    const CaretState& caret = editor.caret();
    const LayoutMetrics& metrics = editor.metrics();
    const LineRecord* line = editor.buffer().lineAt(caret.caretLine);
    if (!line)
        return;

    const long long column = editor.caretColumn();
    const long long x = (column - caret.firstColumn + 1) * metrics.charWidth() + metrics.lineNumberWidth();
    const long long y =
        metrics.rulerHeight() +
        static_cast<long long>(editor.rowOfPlace(editor.caretPlace()) - caret.topLine) * metrics.rowHeight();
    const bool visible = x >= metrics.lineNumberWidth() && x < metrics.clientWidth() &&
                         y >= metrics.rulerHeight() && y < metrics.clientHeight();
    if (hasCaret_) {
        // In overwrite mode the caret covers the character it would replace.
        int width = 2;
        if (caret.overwriteMode) {
            const int bytes = CharLengthAt(*line, caret.caretPos - 1);
            width = bytes == 0 ? 2 : fonts_.charWidth() * bytes;
        }
        if (width != caretWidth_) {
            caretWidth_ = width;
            createCaret();
        }
        if (visible && (!caretPosKnown_ || caretPos_.x != x || caretPos_.y != y)) {
            SetCaretPos(static_cast<int>(x), static_cast<int>(y));
            caretPos_ = {static_cast<LONG>(x), static_cast<LONG>(y)};
            caretPosKnown_ = true;
        }
        showCaret(visible);
    }
    if (visible)
        placeComposition(static_cast<int>(x), static_cast<int>(y));
    updateScrollBars();
}

// The input method composes its text at the caret, in the text font.
void EditorInstance::placeComposition(int x, int y) {
    RECT area{};
    GetClientRect(hwnd_, &area);
    HFONT font = fonts_.text();
    CompositionState& last = composition_;
    if (last.known && last.at.x == x && last.at.y == y && EqualRect(&last.area, &area) && last.font == font)
        return;
    HIMC context = ImmGetContext(hwnd_);
    if (!context)
        return;
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = {x, y};
    form.rcArea = area;
    ImmSetCompositionWindow(context, &form);
    if (!last.known || last.font != font) {
        LOGFONTA logFont{};
        if (GetObjectA(font, sizeof logFont, &logFont))
            ImmSetCompositionFontA(context, &logFont);
    }
    ImmReleaseContext(hwnd_, context);
    last = {true, form.ptCurrentPos, area, font};
}

void EditorInstance::setScrollBar(int bar, int maximum, int page, int position) {
    ScrollBarState& last = scrollBars_[bar == SB_VERT ? 0 : 1];
    if (last.known && last.maximum == maximum && last.page == page && last.position == position)
        return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = maximum;
    info.nPage = static_cast<UINT>(page);
    info.nPos = position;
    SetScrollInfo(hwnd_, bar, &info, TRUE);
    last = {true, maximum, page, position};
}

void EditorInstance::updateScrollBars() {
    const Editor& editor = editor_;
    const CaretState& caret = editor.caret();
    const int page = editor.metrics().page();
    const int rows = editor.totalRows();
    setScrollBar(SB_VERT, rows > 1 ? page + rows - 2 : page, page, caret.topLine - 1);
    if (editor.metrics().wrap)
        setScrollBar(SB_HORZ, 0, 0, 0);
    else
        setScrollBar(SB_HORZ, kMaxColumns, editor.metrics().visibleColumns(), caret.firstColumn - 1);
}

// Input is refused while a text change is running (its message pumping may
// deliver keys); otherwise it runs marked busy, so that the parent's
// notification handlers cannot change the text under it.
template <typename Input> void EditorInstance::runInput(Input&& input) {
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
    case VK_LEFT:
        key = EditorKey::Left;
        return true;
    case VK_RIGHT:
        key = EditorKey::Right;
        return true;
    case VK_UP:
        key = EditorKey::Up;
        return true;
    case VK_DOWN:
        key = EditorKey::Down;
        return true;
    case VK_HOME:
        key = EditorKey::Home;
        return true;
    case VK_END:
        key = EditorKey::End;
        return true;
    case VK_PRIOR:
        key = EditorKey::PageUp;
        return true;
    case VK_NEXT:
        key = EditorKey::PageDown;
        return true;
    case VK_INSERT:
        key = EditorKey::Insert;
        return true;
    case VK_DELETE:
        key = EditorKey::Delete;
        return true;
    case VK_BACK:
        key = EditorKey::Backspace;
        return true;
    case VK_TAB:
        key = EditorKey::Tab;
        return true;
    case VK_RETURN:
        key = EditorKey::Enter;
        return true;
    default:
        return false;
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
        composition_.known = false; // the input context is shared by the thread's windows
        createCaret();
        placeCaret();
        repaint(Repaint::Full);
        return 0;
    case WM_KILLFOCUS:
        composition_.known = false;
        destroyCaret();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        paintFrame(Frame::All, 0, 0, dc);
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
