// The link and image dialog (resource 151): an address or picture source
// with a file browser, a title or alternative text, and in link mode a
// target. The dialog arranges its controls for the mode it opens in.
#pragma once

#include <string>

#include "Dialog.h"

namespace quiltmark {

class CLinkImageDlg : public Dialog {
  public:
    enum class Mode { Link, Image }; // "AHrefMode" and "ImageMode"

    CLinkImageDlg(HINSTANCE instance, Mode mode);

    Mode mode;
    std::string folder;         // where the browser opens; a browse moves it to the chosen file's folder
    std::string initialAddress; // link mode: the address field's first text
    bool browsed = false;       // the browse button was pressed
    // Results of OK.
    std::string address; // edit 1001
    std::string title;   // edit 1006
    std::string target;  // combo 1009 with its labels mapped to their values

  protected:
    BOOL OnInitDialog() override;
    bool Validate() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  private:
    // Places, shows and labels the controls for the mode.
    void Arrange();
    void Browse();
};

} // namespace quiltmark
