// The name dialog of the FTP tab.
#include "InputNameDlg.h"

#include "ResourceText.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

void PlaceItem(HWND dialog, int id, int x, int y, int width, int height) {
    SetWindowPos(GetDlgItem(dialog, id), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

InputNameDlg::InputNameDlg(HINSTANCE instance, InputNameMode mode, std::string oldName)
    : Dialog(instance, IDD_INPUTNAME), mode_(mode), oldName_(std::move(oldName)) {
    BindText(IDC_INPUT_NAME, value);
}

BOOL InputNameDlg::OnInitDialog() {
    HWND dialog = Hwnd();
    ShowWindow(Item(IDC_INPUT_OLD_NAME), SW_HIDE);
    SetWindowPos(dialog, nullptr, 0, 0, 254, 171, SWP_NOMOVE | SWP_NOZORDER);
    PlaceItem(dialog, IDOK, 20, 105, 70, 23);
    PlaceItem(dialog, IDCANCEL, 120, 105, 100, 23);
    SetDlgItemTextA(dialog, IDC_INPUT_NAME, "");
    if (mode_ == InputNameMode::Rename) {
        SetWindowTextA(dialog, LoadResourceString(Instance(), IDS_FTP_RENAME_TITLE).c_str());
        PlaceItem(dialog, IDC_INPUT_OLD_NAME, 30, 20, 190, 20);
        SetDlgItemTextA(dialog, IDC_INPUT_OLD_NAME, oldName_.c_str());
        SendMessageA(Item(IDC_INPUT_OLD_NAME), EM_SETREADONLY, TRUE, 0);
        ShowWindow(Item(IDC_INPUT_OLD_NAME), SW_SHOW);
        PlaceItem(dialog, IDC_INPUT_PROMPT, 115, 46, 10, 10);
        SetDlgItemTextA(dialog, IDC_INPUT_PROMPT,
                        LoadResourceString(Instance(), IDS_FTP_RENAME_ARROW).c_str());
        PlaceItem(dialog, IDC_INPUT_NAME, 30, 65, 190, 20);
    } else {
        SetWindowTextA(dialog, LoadResourceString(Instance(), IDS_FTP_MKDIR_TITLE).c_str());
        PlaceItem(dialog, IDC_INPUT_PROMPT, 10, 20, 200, 20);
        SetDlgItemTextA(dialog, IDC_INPUT_PROMPT,
                        LoadResourceString(Instance(), IDS_FTP_MKDIR_PROMPT).c_str());
        PlaceItem(dialog, IDC_INPUT_NAME, 30, 55, 190, 20);
    }
    SetFocus(Item(IDC_INPUT_NAME));
    return FALSE;
}

bool InputNameDlg::Validate() {
    if (!value.empty())
        return true;
    MessageBoxA(Hwnd(), LoadResourceString(Instance(), IDS_FTP_INPUT_EMPTY).c_str(),
                LoadResourceString(Instance(), IDS_CAPTION_ERROR).c_str(), MB_OK | MB_ICONINFORMATION);
    return false;
}

} // namespace quiltmark
