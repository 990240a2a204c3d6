// The options dialog (dialog 154): three pages on a tab control ("エディタ部の
// 設定", "全体の設定", "FTPの設定") whose controls all belong to the dialog and
// are shown page by page, a button that resets the page shown, and the check
// of the list of extensions sent in ASCII mode.
#pragma once

#include <windows.h>

#include <array>

#include "ColourPicker.h"
#include "Dialog.h"
#include "OptionsRules.h"

namespace quiltmark {

class COptionsDialog : public Dialog {
  public:
    static constexpr int kPageCount = 3;

    COptionsDialog(HINSTANCE instance, OptionsValues& values);
    ~COptionsDialog() override;

  protected:
    BOOL OnInitDialog() override;
    bool Validate() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  private:
    int CurrentPage() const;
    void SelectPage(int page);
    void ShowPage(int page);
    void ResetPage(int page);
    void PlaceMovedControls();
    // The explanation of page 3 in a font small enough for its fixed box.
    void FitExplanation();
    // The colour the tab control paints its pages with, for the controls on them.
    void TakePageColour();
    void EraseBackground(HDC dc);
    void SetButtonColour(int index, Colour colour);
    Colour ButtonColour(int index) const;

    OptionsValues& values_;
    std::array<CColourPicker, kColourCount> pickers_;
    HBRUSH pageBrush_ = nullptr;
    COLORREF pageColour_ = 0;
    HFONT explanationFont_ = nullptr;
};

} // namespace quiltmark
