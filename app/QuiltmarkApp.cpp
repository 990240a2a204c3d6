// Start-up of the program.
#include "QuiltmarkApp.h"

#include <commctrl.h>

#include "AboutDialog.h"
#include "MainFrame.h"
#include "PathRules.h"
#include "QuiltmarkView.h"
#include "ResourceText.h"
#include "SettingsIo.h"
#include "resource_ids.h"

namespace quiltmark {

CQuiltmarkApp::CQuiltmarkApp(HINSTANCE instance, int showCommand, std::string commandLineFile)
    : App(instance), showCommand_(showCommand), commandLineFile_(std::move(commandLineFile)) {
    commands_.Add(ID_APP_ABOUT, "app.about", [this] {
        CAboutDialog about(Instance());
        about.DoModal(frame_ ? frame_->Hwnd() : nullptr);
    });
}

CQuiltmarkApp::~CQuiltmarkApp() {
    // The view and the frame go before the library that drew into them.
    view_.reset();
    frame_.reset();
}

bool CQuiltmarkApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES |
                                                       ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    if (!nimbet_.load("Nimbet.dll")) {
        MessageBoxA(nullptr, LoadResourceString(Instance(), IDS_NO_LIBRARY).c_str(),
                    LoadResourceString(Instance(), IDS_APP_TITLE).c_str(), MB_OK | MB_ICONSTOP);
        return false;
    }

    Settings startup;
    ReadStartupSettings(Profile(), startup);
    if (startup.chkMostBig == 1)
        showCommand_ = SW_SHOWMAXIMIZED;

    // The frame, the view and the view's initial update with the document.
    frame_ = std::make_unique<CMainFrame>(Instance(), *this, Profile());
    if (!frame_->Create())
        return false;
    SetMainFrame(frame_.get());
    view_ =
        std::make_unique<CQuiltmarkView>(Instance(), Profile(), nimbet_, *frame_, FolderOf(ProgramPath()));
    if (!view_->Create(frame_->Hwnd()))
        return false;
    frame_->AttachView(view_.get());
    frame_->Router().AddTarget(commands_);
    view_->InitialUpdate(commandLineFile_);

    const std::string title = Profile().GetProfileString(
        "TitleBar", "Dummy", LoadResourceString(Instance(), IDS_TITLE_READ_FAILED));
    SetWindowTextA(frame_->Hwnd(), title.c_str());
    ShowWindow(frame_->Hwnd(), showCommand_);
    UpdateWindow(frame_->Hwnd());
    return true;
}

} // namespace quiltmark
