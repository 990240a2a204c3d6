// A top-level frame window: menu bar, accelerators, an optional toolbar and
// status bar, and one view filling the rest of the client area. Commands from
// the menu, the accelerators and the toolbar go through the command router;
// menus and toolbar buttons show the router's enabled and checked states; the
// status bar shows each command's prompt while it is highlighted.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "CommandTable.h"
#include "FormView.h"
#include "StatusBar.h"
#include "ToolBar.h"

namespace quiltmark {

class FrameWindow {
  public:
    explicit FrameWindow(HINSTANCE instance) : instance_(instance) {}
    virtual ~FrameWindow() = default;
    FrameWindow(const FrameWindow&) = delete;
    FrameWindow& operator=(const FrameWindow&) = delete;

    // Registers a window class for frames with the icon of iconId.
    static bool RegisterFrameClass(HINSTANCE instance, const char* className, int iconId);
    // Creates the (hidden) window with the menu and accelerators of resourceId.
    bool Create(const char* className, const char* title, int resourceId);

    HWND Hwnd() const { return hwnd_; }
    HINSTANCE Instance() const { return instance_; }
    CommandRouter& Router() { return router_; }
    ToolBar& Bar() { return toolBar_; }
    const ToolBar& Bar() const { return toolBar_; }
    StatusBar& Status() { return statusBar_; }
    const StatusBar& Status() const { return statusBar_; }

    // The view that fills the space between the bars.
    void SetView(FormView* view) { view_ = view; }
    FormView* View() const { return view_; }

    // Places the bars and the view in the client area.
    void RecalcLayout();
    bool IsBarVisible(HWND bar) const { return bar && (GetWindowLongA(bar, GWL_STYLE) & WS_VISIBLE) != 0; }
    void ShowBar(HWND bar, bool show);

    // The view's keys, then the accelerators, then the view's dialog keys.
    virtual bool PreTranslateMessage(MSG& msg);
    // Updates toolbar buttons and status indicators.
    virtual void OnIdle();
    // Shows the idle text ("レディ") in the message pane.
    void ShowIdleMessage();

  protected:
    // Window creation; false makes Create fail.
    virtual bool OnCreate() { return true; }
    // The close box or WM_CLOSE; the default destroys the window.
    virtual void OnClose() { DestroyWindow(hwnd_); }
    // Menu bar about to open (also before an accelerator is checked).
    virtual void OnInitMenu(HMENU) {}
    // A drop-down menu about to open: the default shows the router's states.
    virtual void OnInitMenuPopup(HMENU popup) { UpdateMenuStates(popup); }
    // Any other message; return true and set result when handled.
    virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

    bool CreateToolBar(int resourceId, int windowId) {
        return toolBar_.Create(hwnd_, instance_, resourceId, windowId);
    }
    bool CreateStatusBar(int windowId, const std::vector<Indicator>& indicators) {
        return statusBar_.Create(hwnd_, instance_, windowId, indicators);
    }
    void SetIdleMessageId(UINT id) { idleMessageId_ = id; }
    // Enables, greys and checks each item of a drop-down menu as the router says.
    void UpdateMenuStates(HMENU menu);

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void ShowPrompt(UINT commandId);
    bool OnNotify(const NMHDR* header, LRESULT& result);

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HACCEL accelerators_ = nullptr;
    CommandRouter router_;
    ToolBar toolBar_;
    StatusBar statusBar_;
    FormView* view_ = nullptr;
    UINT idleMessageId_ = 0;
    std::string tooltip_; // text handed to the toolbar's tooltip
    std::wstring tooltipWide_;
};

} // namespace quiltmark
