// The colour-code dialog and its live conversions.
#include "ColorCodeDlg.h"

#include "ColourCode.h"
#include "DialogSupport.h"
#include "resource_ids.h"

namespace quiltmark {

CColorCodeDlg::CColorCodeDlg(HINSTANCE instance) : Dialog(instance, IDD_COLORCODE) {}

std::string CColorCodeDlg::Code() const {
    return HashCode(colour);
}

BOOL CColorCodeDlg::OnInitDialog() {
    CentreOverOwner(Hwnd());
    picker_.Attach(Hwnd(), IDC_CODE_PICKER);
    SetColour(0x0000FF); // pure red
    WriteDecimalEdits();
    WriteHexEdit();
    ShowCodes();
    return TRUE;
}

void CColorCodeDlg::SetColour(std::uint32_t value) {
    picker_.SetColour(value);
    colour = picker_.GetColour();
    hex = HexCode(colour);
}

void CColorCodeDlg::ShowCodes() {
    SetDlgItemTextA(Hwnd(), IDC_CODE_RGB_TEXT, RgbForm(colour).c_str());
    SetDlgItemTextA(Hwnd(), IDC_CODE_HEX_TEXT, Code().c_str());
}

void CColorCodeDlg::WriteDecimalEdits() {
    updating_ = true;
    SetDlgItemInt(Hwnd(), IDC_CODE_RED, colour & 0xFF, FALSE);
    SetDlgItemInt(Hwnd(), IDC_CODE_GREEN, (colour >> 8) & 0xFF, FALSE);
    SetDlgItemInt(Hwnd(), IDC_CODE_BLUE, (colour >> 16) & 0xFF, FALSE);
    updating_ = false;
}

void CColorCodeDlg::WriteHexEdit() {
    updating_ = true;
    SetDlgItemTextA(Hwnd(), IDC_CODE_HEX, hex.c_str());
    updating_ = false;
}

// The decimal edits keep what was typed ("300" stays); the hexadecimal one follows.
void CColorCodeDlg::OnDecimalChanged() {
    SetColour(
        ColourFromDecimalParts(ItemText(IDC_CODE_RED), ItemText(IDC_CODE_GREEN), ItemText(IDC_CODE_BLUE)));
    WriteHexEdit();
    ShowCodes();
}

// The hexadecimal edit keeps what was typed (upper case stays); the decimal ones follow.
void CColorCodeDlg::OnHexChanged() {
    const auto typed = ColourFromHexText(ItemText(IDC_CODE_HEX));
    if (!typed)
        return;
    SetColour(*typed);
    WriteDecimalEdits();
    ShowCodes();
}

bool CColorCodeDlg::Validate() {
    colour = picker_.GetColour();
    hex = HexCode(colour);
    return true;
}

bool CColorCodeDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_COMMAND)
        picker_.OnParentCommand(wParam);
    if (IsPickerNote(message)) {
        if (message == kColourSelEndOk && lParam == IDC_CODE_PICKER) {
            SetColour(static_cast<std::uint32_t>(wParam));
            WriteDecimalEdits();
            WriteHexEdit();
            ShowCodes();
        }
        result = DialogResult(Hwnd(), 1);
        return true;
    }
    if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE || updating_)
        return false;
    switch (LOWORD(wParam)) {
    case IDC_CODE_RED:
    case IDC_CODE_GREEN:
    case IDC_CODE_BLUE:
        OnDecimalChanged();
        break;
    case IDC_CODE_HEX:
        OnHexChanged();
        break;
    default:
        return false;
    }
    result = TRUE;
    return true;
}

} // namespace quiltmark
