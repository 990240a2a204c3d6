// The application object of Quiltmark: binds the settings file, loads the
// editor library, creates the main window with its view and shows it.
#pragma once

#include <memory>
#include <string>

#include "App.h"
#include "CommandTable.h"
#include "NimbetBinding.h"

namespace quiltmark {

class CMainFrame;
class CQuiltmarkView;

class CQuiltmarkApp : public App {
  public:
    CQuiltmarkApp(HINSTANCE instance, int showCommand, std::string commandLineFile);
    ~CQuiltmarkApp() override;

    bool InitInstance() override;

  private:
    int showCommand_;
    std::string commandLineFile_;
    NimbetBinding nimbet_;
    // The application's own commands, asked after the view and the frame.
    CommandTable commands_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<CQuiltmarkView> view_;
};

} // namespace quiltmark
