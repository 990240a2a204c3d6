// The main window: menu bar, toolbar and status bar around the main view. It
// rebuilds the menu's run-time items whenever the menu bar opens, toggles the
// bars, runs the find and replace dialogs, shows the short title while it is
// minimised, and on close checks for unsaved changes and saves the settings.
#pragma once

#include <memory>

#include "CommandTable.h"
#include "FindReplaceDialogs.h"
#include "FrameWindow.h"

namespace quiltmark {

class App;
class CQuiltmarkView;
class ProfileStore;
struct Settings;

class CMainFrame : public FrameWindow {
  public:
    CMainFrame(HINSTANCE instance, App& app, ProfileStore& profile);

    // Registers the window class and creates the hidden window with its bars.
    bool Create();
    void AttachView(CQuiltmarkView* view);
    // Shows or hides the two bars as the settings say; the view keeps the values.
    void ApplyBarSettings(Settings& settings);

    bool ToolBarVisible() const { return IsBarVisible(Bar().Hwnd()); }
    bool StatusBarVisible() const { return IsBarVisible(Status().Hwnd()); }
    // 0 no dialog, 1 the find dialog, 2 the replace dialog.
    int FindReplaceState() const { return findReplace_ ? findReplace_->Current() : 0; }
    // The menu queries of outside programs (automation::kQueryMenuItem...).
    long MenuQuery(int query, long argument) const;

  protected:
    bool OnCreate() override;
    void OnClose() override;
    void OnInitMenu(HMENU menu) override;
    void OnInitMenuPopup(HMENU popup) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void SaveSettingsAtClose();
    void ShowTitleFor(UINT systemCommand);
    void RebuildFileMenu(HMENU file);
    void RebuildUserTagMenu(HMENU userTags);
    void RebuildToolsMenu(HMENU tools);
    void SetMenuChecks(HMENU menu);

    App& app_;
    ProfileStore& profile_;
    CQuiltmarkView* view_ = nullptr;
    CommandTable commands_;
    std::unique_ptr<FindReplaceDialogs> findReplace_;
    // Between a minimise system command and the next size, move, maximise or
    // restore: the menu is left alone and the title is the short one.
    bool minimised_ = false;
};

} // namespace quiltmark
