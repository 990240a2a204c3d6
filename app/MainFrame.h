// The main window: menu bar, toolbar and status bar around the main view. It
// rebuilds the menu's run-time items whenever the menu bar opens, toggles the
// bars, and saves the settings when it closes.
#pragma once

#include "CommandTable.h"
#include "FrameWindow.h"

namespace quiltmark {

class CQuiltmarkView;
class ProfileStore;
struct Settings;

class CMainFrame : public FrameWindow {
  public:
    CMainFrame(HINSTANCE instance, ProfileStore& profile);

    // Registers the window class and creates the hidden window with its bars.
    bool Create();
    void AttachView(CQuiltmarkView* view);
    // Shows or hides the two bars as the settings say; the view keeps the values.
    void ApplyBarSettings(Settings& settings);

    bool ToolBarVisible() const { return IsBarVisible(Bar().Hwnd()); }
    bool StatusBarVisible() const { return IsBarVisible(Status().Hwnd()); }

  protected:
    bool OnCreate() override;
    void OnClose() override;
    void OnInitMenu(HMENU menu) override;

  private:
    void RebuildFileMenu(HMENU file);
    void RebuildUserTagMenu(HMENU userTags);
    void RebuildToolsMenu(HMENU tools);
    void SetMenuChecks(HMENU menu);

    ProfileStore& profile_;
    CQuiltmarkView* view_ = nullptr;
    CommandTable commands_;
};

} // namespace quiltmark
