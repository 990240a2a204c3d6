// One editor control: the platform-free Editor plus its child window, fonts,
// back buffer, caret and clipboard. It is the Editor's link to the window
// system.
#pragma once

#include <windows.h>

#include <ole2.h>

#include "../core/DragDropSession.h"
#include "../core/Editor.h"
#include "../core/MouseInput.h"
#include "../core/PaintSettings.h"
#include "../core/Painter.h"
#include "../core/ScrollInput.h"
#include "EditorFonts.h"
#include "Win32Clipboard.h"

namespace nimbet::win32 {

constexpr const char* kWindowClass = "NimbetTextEidtorControlForWin32";
constexpr const char* kInstanceProperty = "NimbetClass";
// The control's window timers.
constexpr UINT_PTR kScrollRedrawTimer = 0; // repaint after a scroll-arrow step
constexpr UINT_PTR kTripleClickTimer = 1;  // the triple-click window after a double click
// A long text change lets the window handle one message per this much work.
constexpr DWORD kDispatchIntervalMs = 50;

class EditorInstance final : public EditorEvents, public MouseHost, public IDropTarget {
  public:
    EditorInstance(int id, HWND parent);
    ~EditorInstance() override;
    EditorInstance(const EditorInstance&) = delete;
    EditorInstance& operator=(const EditorInstance&) = delete;

    // Creates the child window, fonts and back buffer; false when the window
    // cannot be created.
    bool createWindow();

    int id() const noexcept { return id_; }
    HWND window() const noexcept { return hwnd_; }
    HWND parent() const noexcept { return parent_; }
    Editor& editor() noexcept { return editor_; }

    // Placement and painting (EditorInstancePaint.cpp).
    void setPos(int x, int y, int width, int height);
    void setVisible(bool visible);
    void refresh() { repaint(Repaint::Full); }

    // Painting settings (EditorInstanceSettings.cpp).
    NimbetResult setColor(int kind, Color color, bool redraw);
    NimbetResult setMarkVisible(int kind, bool visible, bool redraw);
    NimbetResult setFont(const char* face, int points, bool redraw);
    // The point size chosen, or NIMBET_CANCELLED / NIMBET_FAILED / NIMBET_BADARG.
    int fontDialog(char* faceOut, bool redraw);
    NimbetResult setLapel(bool wrap, int column, bool redraw);

    // NimbetSetMetrics: kind 12 presses Insert when the typing mode differs,
    // so that the parent hears of the change like a key press.
    NimbetResult setMetrics(int kind, int value, bool redraw);
    // Moves the system caret, the composition window and the scroll bars to
    // the caret and the view.
    void placeCaret();

    // Window messages routed here from the window procedure.
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // EditorEvents
    void notify(NimbetNotify message, int code) override;
    void repaint(Repaint what) override;
    // Lines first..last and the margins; everything when a line's multi-line
    // emphasis state changes on the way.
    void repaintLines(int first, int last) override;
    void pumpOneMessage() override;

    // Re-entrancy guards. Busy: a text change or an input is running (a long
    // change dispatches window messages, and the parent's notification handlers
    // may call back into the library); nested text changes and input are then
    // refused. Held: an export or handler is working on the instance. In both
    // cases a deletion waits until the instance is free again.
    bool busy() const noexcept { return busy_ > 0; }
    bool inUse() const noexcept { return busy_ > 0 || holds_ > 0; }
    void enter() noexcept {
        if (busy_++ == 0)
            dispatchedInChange_ = false;
    }
    void leave() noexcept { --busy_; }
    void hold() noexcept { ++holds_; }
    void release() noexcept { --holds_; }
    bool deletePending = false;

    // MouseHost (MouseMessages.cpp)
    void setCursor(CursorShape shape) override;
    void captureMouse() override;
    void releaseMouse() override;
    void takeFocus() override;
    void startTripleClickTimer() override;
    void stopTripleClickTimer() override;
    void openLink(const std::string& target) override;

    // IDropTarget (DropTarget.cpp). The reference count is kept for OLE's
    // sake only: the instance lives until NimbetDelete.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

  private:
    // Mouse, wheel, scroll bars and timers (MouseMessages.cpp, ScrollMessages.cpp).
    LRESULT onMouse(UINT message, WPARAM wParam, LPARAM lParam);
    bool onSetCursor(LPARAM lParam);
    void onWheel(int delta);
    void onVerticalScroll(int code);
    void onHorizontalScroll(int code, int position);
    void onTimer(WPARAM id);
    void registerWheelMessage();
    // Drag-and-drop (DropTarget.cpp).
    void registerDropTarget();
    void revokeDropTarget();
    void dragSelectionOut();
    void forgetDragData();

    template <typename Input> void runInput(Input&& input);
    LRESULT onKeyDown(WPARAM key, LPARAM lParam);
    void onImeComposition(LPARAM lParam);
    void updateClientSize();
    void updateScrollBars();
    void setScrollBar(int bar, int maximum, int page, int position);
    void placeComposition(int x, int y);
    void rebuildBackBuffer(int width, int height);
    enum class Frame { All, Lines, Light };
    // Paints into the back buffer and copies it to `target` (the window's own
    // device context when null). Nothing happens while the control is hidden.
    void paintFrame(Frame frame, int first, int last, HDC target = nullptr);
    // After the text font changed: the cell, the rows, the caret.
    void fontChanged();
    void createCaret();
    void destroyCaret();
    void showCaret(bool show);

    int id_;
    HWND parent_;
    HWND hwnd_ = nullptr;
    Editor editor_;
    Win32Clipboard clipboard_;
    int busy_ = 0;
    int holds_ = 0;
    bool dispatchedInChange_ = false; // the running change has let a message through
    DWORD lastDispatch_ = 0;          // when it did so last

    bool visible_ = true;
    int width_ = 200, height_ = 200;
    HDC memoryDc_ = nullptr;
    HBITMAP backBuffer_ = nullptr;
    HBITMAP originalBitmap_ = nullptr;
    EditorFonts fonts_;
    PaintSettings paint_;

    MouseInput mouse_{editor_, *this, *this};
    ScrollThrottle scrollThrottle_;
    DragDropSession dragDrop_{editor_, *this};
    UINT wheelMessage_ = 0;    // "MSWHEEL_ROLLMSG" where the system needs it, else 0
    HCURSOR cursor_ = nullptr; // what the mouse last chose; kept over the client area
    bool dropRegistered_ = false;
    LONG dropReferences_ = 0;
    IDataObject* dragData_ = nullptr; // the data object of the drag hovering over the control
    bool dragOffersText_ = false;

    bool hasCaret_ = false;   // this window owns the system caret (it has the focus)
    bool caretShown_ = false; // ShowCaret and HideCaret go in pairs
    int caretWidth_ = 2;

    // What placeCaret last handed to the system, so that it reports only
    // changes: every scroll-bar update redraws the bar, and caret and
    // input-method calls cross to the window server.
    struct ScrollBarState {
        bool known = false;
        int maximum = 0, page = 0, position = 0;
    };
    ScrollBarState scrollBars_[2]; // vertical, horizontal
    bool caretPosKnown_ = false;
    POINT caretPos_{};
    struct CompositionState {
        bool known = false; // cleared when the focus comes or goes (the context is the thread's)
        POINT at{};
        RECT area{};
        HFONT font = nullptr;
    } composition_;
    WindowOverlay overlay_; // what the window shows beyond one frame (underline, number column)
};

} // namespace nimbet::win32
