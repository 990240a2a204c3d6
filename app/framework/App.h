// The application object: the program's instance, its settings file bound
// beside the program, and the message loop with accelerators, modeless
// dialogs and idle-time updates.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "PrivateProfile.h"

namespace quiltmark {

class FrameWindow;

class App {
  public:
    explicit App(HINSTANCE instance);
    virtual ~App() = default;
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    HINSTANCE Instance() const { return instance_; }
    ProfileStore& Profile() { return profile_; }
    const std::string& ProfilePath() const { return profile_.Path(); }
    // Full path of the program file (at most 1024 characters).
    const std::string& ProgramPath() const { return programPath_; }

    // Creates the windows; false ends the program before the loop.
    virtual bool InitInstance() = 0;
    // Runs the message loop until WM_QUIT and returns its exit code.
    int Run();

    // The frame whose accelerators and pre-translation the loop uses.
    void SetMainFrame(FrameWindow* frame) { mainFrame_ = frame; }
    FrameWindow* MainFrame() const { return mainFrame_; }
    // Modeless dialogs get their keyboard handling from the loop.
    void AddModeless(HWND dialog);
    void RemoveModeless(HWND dialog);

  protected:
    // Called when the queue has run empty after input; updates toolbar and
    // status bar states.
    virtual void OnIdle();

  private:
    bool PreTranslateMessage(MSG& msg);

    HINSTANCE instance_;
    std::string programPath_;
    PrivateProfile profile_;
    FrameWindow* mainFrame_ = nullptr;
    std::vector<HWND> modeless_;
};

} // namespace quiltmark
