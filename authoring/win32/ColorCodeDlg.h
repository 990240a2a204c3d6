// The colour-code dialog (resource 159): a colour picker, the colour as
// "RGB(r,g,b)" and as "#rrggbb", and below them three decimal edits and a
// hexadecimal edit converted into each other as the user types.
#pragma once

#include <cstdint>
#include <string>

#include "ColourPicker.h"
#include "Dialog.h"

namespace quiltmark {

class CColorCodeDlg : public Dialog {
  public:
    explicit CColorCodeDlg(HINSTANCE instance);

    std::uint32_t colour = 0x0000FF; // the one source of every display
    std::string hex;                 // six lower-case digits, no "#"
    // Result of OK: "#" and the hexadecimal code.
    std::string Code() const;

  protected:
    BOOL OnInitDialog() override;
    bool Validate() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  private:
    // Takes a colour through the picker, so the value shown is the picker's.
    void SetColour(std::uint32_t value);
    void ShowCodes();
    void WriteDecimalEdits();
    void WriteHexEdit();
    void OnDecimalChanged();
    void OnHexChanged();

    CColourPicker picker_;
    bool updating_ = false; // the dialog is writing its own edits: their changes are ignored
};

} // namespace quiltmark
