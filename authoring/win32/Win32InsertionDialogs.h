// The insertion dialogs as the structured insertions ask for them: each is
// created, shown modally over the owner and read back.
#pragma once

#include <windows.h>

#include "StructuredInsertions.h"

namespace quiltmark {

class Win32InsertionDialogs : public InsertionDialogs {
  public:
    Win32InsertionDialogs(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {}

    bool Link(const std::string& initialAddress, const std::string& folder, FileDialogResult& out) override;
    bool Image(const std::string& folder, FileDialogResult& out) override;
    bool Table(int& rows, int& columns) override;
    bool Font(FontDialogResult& out) override;
    bool ColourCode(std::string& code) override;

  private:
    HINSTANCE instance_;
    HWND owner_;
};

} // namespace quiltmark
