// The font dialog (resource 156): a face list the user may also type into,
// a size list, and a colour picker whose accepted colour is shown as
// "RGB(r,g,b)" on the button and as "( #rrggbb )" beside it.
#pragma once

#include <cstdint>
#include <string>

#include "ColourPicker.h"
#include "Dialog.h"

namespace quiltmark {

class CFontTagDlg : public Dialog {
  public:
    explicit CFontTagDlg(HINSTANCE instance);

    // Results of OK.
    std::string face;
    std::string size;
    std::string colourCode;            // "#rrggbb"
    std::uint32_t colour = 0xFFFFFFFF; // -1 while no colour is chosen

  protected:
    BOOL OnInitDialog() override;
    bool Validate() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  private:
    void OnColourAccepted(COLORREF chosen);

    CColourPicker picker_;
};

} // namespace quiltmark
