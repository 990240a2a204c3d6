// The about box (dialog 100): version, the author's links and picture, and
// whether the character-code library NKF32.DLL is installed.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "Dialog.h"
#include "HyperlinkLabel.h"

namespace quiltmark {

// "NKF32.DLL\t" followed by the library's own version text, "NKF32.DLL\t不明"
// when it has no version function, "NKF32.DLL\t未導入" when it does not load.
// The library is unloaded again at once.
std::string LibraryStatusText(HINSTANCE instance);

class CAboutDialog : public Dialog {
  public:
    explicit CAboutDialog(HINSTANCE instance);

  protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  private:
    void OpenHomePage();

    std::array<CHyperlinkLabel, 3> links_;
    HWND tooltip_ = nullptr;
    std::string tooltipText_;
};

} // namespace quiltmark
