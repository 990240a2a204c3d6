// The small name dialog (resource 158) of the FTP tab's file management:
// a folder name to create, or a new name for a file with its old name shown.
#pragma once

#include <windows.h>

#include <string>

#include "Dialog.h"

namespace quiltmark {

enum class InputNameMode {
    MakeDirectory, // "FTP_MakeDirMode"
    Rename,        // "FTP_RenameMode"
};

class InputNameDlg : public Dialog {
  public:
    InputNameDlg(HINSTANCE instance, InputNameMode mode, std::string oldName = {});

    // The typed name after OK (never empty then).
    std::string value;

  protected:
    BOOL OnInitDialog() override;
    bool Validate() override;

  private:
    InputNameMode mode_;
    std::string oldName_;
};

} // namespace quiltmark
