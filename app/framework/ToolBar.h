// A flat toolbar with tooltips built from a toolbar resource: the button
// list (resource type RT_TOOLBAR_DATA) and a bitmap of equally wide images
// with magenta as the transparent colour.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "CommandTable.h"

namespace quiltmark {

class ToolBar {
  public:
    // resourceId names both the button list and the bitmap; windowId becomes
    // the toolbar's control id.
    bool Create(HWND parent, HINSTANCE instance, int resourceId, int windowId);
    HWND Hwnd() const { return hwnd_; }
    // Commands of the buttons in order, 0 for separators.
    const std::vector<int>& Commands() const { return commands_; }

    // Greys buttons whose command is unhandled or disabled, and presses checked ones.
    void UpdateStates(const CommandRouter& router);
    // Height after the toolbar has sized itself to the parent's width.
    int AutoSize();
    // Custom drawing from the parent's WM_NOTIFY: draws the gripper at the
    // toolbar's left edge once the buttons are painted.
    LRESULT OnCustomDraw(const NMHDR* header);

  private:
    HWND hwnd_ = nullptr;
    std::vector<int> commands_;
};

} // namespace quiltmark
