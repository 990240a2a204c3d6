// The external tools dialog (dialog 157): five entries of name, program path
// and browser flag, edited in place one at a time, and the folder its browse
// button starts in.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "Dialog.h"
#include "Settings.h"

namespace quiltmark {

class CToolsDialog : public Dialog {
  public:
    CToolsDialog(HINSTANCE instance, std::array<ToolEntry, kToolCount>& tools, std::string& openDir);

  protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  private:
    int Selected() const;
    void ShowEntry(int index);
    void Browse();
    void StoreEntry();
    void DeleteEntry();
    void Inform(UINT text, UINT caption);

    std::array<ToolEntry, kToolCount>& tools_;
    std::string& openDir_;
};

} // namespace quiltmark
