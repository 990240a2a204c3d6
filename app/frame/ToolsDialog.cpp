// The external tools dialog.
#include "ToolsDialog.h"

#include <optional>

#include "FileDialogs.h"
#include "PathRules.h"
#include "ResourceText.h"
#include "ToolsRules.h"
#include "resource_ids.h"

namespace quiltmark {

CToolsDialog::CToolsDialog(HINSTANCE instance, std::array<ToolEntry, kToolCount>& tools, std::string& openDir)
    : Dialog(instance, IDD_TOOLS), tools_(tools), openDir_(openDir) {}

BOOL CToolsDialog::OnInitDialog() {
    const std::string prefix = LoadResourceString(Instance(), IDS_TOOLS_ENTRY);
    HWND list = Item(IDC_TOOLS_LIST);
    for (int i = 0; i < kToolCount; ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToolEntryLabel(prefix, i).c_str()));
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    ShowEntry(0);
    return TRUE;
}

int CToolsDialog::Selected() const {
    const auto index = static_cast<int>(SendMessageA(Item(IDC_TOOLS_LIST), LB_GETCURSEL, 0, 0));
    return index >= 0 && index < kToolCount ? index : -1;
}

void CToolsDialog::ShowEntry(int index) {
    if (index < 0 || index >= kToolCount)
        return;
    const ToolEntry& tool = tools_[index];
    SetDlgItemTextA(Hwnd(), IDC_TOOLS_NAME, tool.name.c_str());
    SetDlgItemTextA(Hwnd(), IDC_TOOLS_PATH, tool.path.c_str());
    CheckDlgButton(Hwnd(), IDC_TOOLS_IS_BROWSER, tool.isBrowser != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void CToolsDialog::Inform(UINT text, UINT caption) {
    MessageBoxA(Hwnd(), LoadResourceString(Instance(), text).c_str(),
                LoadResourceString(Instance(), caption).c_str(), MB_OK | MB_ICONINFORMATION);
}

void CToolsDialog::Browse() {
    const std::optional<std::string> chosen = ChooseFileToOpen(
        Hwnd(), FileDialogRequest{LoadResourceString(Instance(), IDS_TOOLS_FILTER), "html", "", openDir_});
    if (!chosen)
        return;
    SetDlgItemTextA(Hwnd(), IDC_TOOLS_PATH, chosen->c_str());
    // The next browse starts in the chosen program's folder.
    openDir_ = FolderOf(*chosen);
}

void CToolsDialog::StoreEntry() {
    const std::string name = ItemText(IDC_TOOLS_NAME);
    const std::string path = ItemText(IDC_TOOLS_PATH);
    const int index = Selected();
    if (name.empty() || path.empty() || index < 0) {
        Inform(IDS_TOOLS_INCOMPLETE, IDS_CAPTION_ERROR);
        return;
    }
    tools_[index] =
        ToolEntry{name, path, IsDlgButtonChecked(Hwnd(), IDC_TOOLS_IS_BROWSER) == BST_CHECKED ? 1 : 0};
    Inform(IDS_TOOLS_UPDATED, IDS_TOOLS_UPDATED_CAPTION);
}

void CToolsDialog::DeleteEntry() {
    const int index = Selected();
    if (index < 0)
        return;
    tools_[index] = ToolEntry{};
    ShowEntry(index);
    Inform(IDS_TOOLS_DELETED, IDS_TOOLS_DELETED_CAPTION);
}

bool CToolsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, INT_PTR& result) {
    if (message != WM_COMMAND)
        return false;
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_TOOLS_LIST && code == LBN_SELCHANGE)
        ShowEntry(Selected());
    else if (id == IDOK && code == BN_CLICKED)
        StoreEntry(); // "追加/更新" keeps the dialog open
    else if (id == IDC_TOOLS_BROWSE && code == BN_CLICKED)
        Browse();
    else if (id == IDC_TOOLS_DELETE && code == BN_CLICKED)
        DeleteEntry();
    else
        return false;
    result = TRUE;
    return true;
}

} // namespace quiltmark
