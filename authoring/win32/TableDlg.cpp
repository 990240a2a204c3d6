// The table dialog.
#include "TableDlg.h"

#include <commctrl.h>

#include <string>

#include "DialogSupport.h"
#include "InsertionTexts.h"
#include "ResourceText.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

constexpr int kSpinLow = 1, kSpinHigh = 20;

} // namespace

CTableDlg::CTableDlg(HINSTANCE instance) : Dialog(instance, IDD_TABLE) {}

BOOL CTableDlg::OnInitDialog() {
    CentreOverOwner(Hwnd());
    for (int spin : {IDC_TABLE_ROWS_SPIN, IDC_TABLE_COLUMNS_SPIN}) {
        SendDlgItemMessageA(Hwnd(), spin, UDM_SETRANGE32, kSpinLow, kSpinHigh);
        SendDlgItemMessageA(Hwnd(), spin, UDM_SETPOS32, 0, kSpinLow);
    }
    return TRUE;
}

bool CTableDlg::ReadCount(int editId, int& count) {
    if (const auto typed = ParseTableCount(ItemText(editId))) {
        count = *typed;
        return true;
    }
    std::string text = LoadResourceString(Instance(), IDS_TABLE_TOO_LARGE);
    const std::string limit = std::to_string(kMaxTableCount);
    if (const auto at = text.find("%d"); at != std::string::npos)
        text.replace(at, 2, limit);
    MessageBoxA(Hwnd(), text.c_str(), LoadResourceString(Instance(), IDS_CAPTION_CONFIRM).c_str(),
                MB_OK | MB_ICONINFORMATION);
    HWND edit = Item(editId);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    return false;
}

bool CTableDlg::Validate() {
    int typedRows = 0, typedColumns = 0;
    if (!ReadCount(IDC_TABLE_ROWS, typedRows) || !ReadCount(IDC_TABLE_COLUMNS, typedColumns))
        return false;
    rows = typedRows;
    columns = typedColumns;
    return true;
}

} // namespace quiltmark
