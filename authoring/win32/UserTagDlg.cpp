// The registration dialog of the user-defined tags.
#include "UserTagDlg.h"

#include <commctrl.h>

#include "ResourceText.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

RegistrationTexts LoadTexts(HINSTANCE instance) {
    auto text = [instance](UINT id) { return LoadResourceString(instance, id); };
    return {text(IDS_USERTAG_SLOT_PREFIX),
            text(IDS_USERTAG_UNASSIGNED),
            text(IDS_USERTAG_START_MISSING),
            text(IDS_USERTAG_ADDED),
            text(IDS_USERTAG_REGISTERED),
            text(IDS_USERTAG_DELETED),
            text(IDS_CAPTION_ERROR),
            text(IDS_USERTAG_ADDED_CAPTION),
            text(IDS_USERTAG_REGISTERED_CAPTION),
            text(IDS_USERTAG_DELETED_CAPTION)};
}

void AddItem(HWND list, const std::string& text) {
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int Selection(HWND list) {
    return static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
}

} // namespace

CUserTagDlg::CUserTagDlg(HINSTANCE instance, std::array<UserTagEntry, kUserTagCount>& tags, int& bar1,
                         int& bar2, HWND toolbarOwner)
    : Dialog(instance, IDD_USERTAG), rules_(tags, bar1, bar2, LoadTexts(instance)),
      toolbarOwner_(toolbarOwner) {}

BOOL CUserTagDlg::OnInitDialog() {
    for (int slot = 0; slot < kUserTagCount; ++slot) {
        const std::string item = rules_.SlotItem(slot);
        AddItem(Item(IDC_USERTAG_SLOT), item);
        AddItem(Item(IDC_USERTAG_BAR1), item);
        AddItem(Item(IDC_USERTAG_BAR2), item);
    }
    AddItem(Item(IDC_USERTAG_BAR1), rules_.UnassignedItem());
    AddItem(Item(IDC_USERTAG_BAR2), rules_.UnassignedItem());
    SendMessageA(Item(IDC_USERTAG_SLOT), CB_SETCURSEL, 0, 0);
    SendMessageA(Item(IDC_USERTAG_BAR1), CB_SETCURSEL, rules_.ToolbarItem(rules_.Bar1()), 0);
    SendMessageA(Item(IDC_USERTAG_BAR2), CB_SETCURSEL, rules_.ToolbarItem(rules_.Bar2()), 0);
    ShowFields(rules_.Show(0));
    return TRUE;
}

bool CUserTagDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID != IDC_USERTAG_PICTURE1 && item.CtlID != IDC_USERTAG_PICTURE2)
            return false;
        DrawToolbarPicture(item);
        result = TRUE;
        return true;
    }
    if (message != WM_COMMAND)
        return false;
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_USERTAG_SLOT && code == CBN_SELCHANGE) {
        ShowFields(rules_.Show(ChosenSlot()));
    } else if (id == IDOK && code == BN_CLICKED) {
        // "追加/更新" (also Enter in the name box); the dialog stays open.
        Report(rules_.AddOrUpdate(ChosenSlot(), {ItemText(IDC_USERTAG_START), ItemText(IDC_USERTAG_END),
                                                 ItemText(IDC_USERTAG_NAME)}));
    } else if (id == IDC_USERTAG_DELETE && code == BN_CLICKED) {
        const auto deleted = rules_.Delete(ChosenSlot());
        if (deleted)
            ShowFields({});
        Report(deleted);
    } else if (id == IDCANCEL) {
        // "閉じる", Escape and the close box.
        rules_.Close(Selection(Item(IDC_USERTAG_BAR1)), Selection(Item(IDC_USERTAG_BAR2)));
        End(IDCANCEL);
    } else {
        return false;
    }
    result = TRUE;
    return true;
}

int CUserTagDlg::ChosenSlot() const {
    return Selection(Item(IDC_USERTAG_SLOT));
}

void CUserTagDlg::ShowFields(const UserTagFields& fields) {
    SetDlgItemTextA(Hwnd(), IDC_USERTAG_START, fields.start.c_str());
    SetDlgItemTextA(Hwnd(), IDC_USERTAG_END, fields.end.c_str());
    SetDlgItemTextA(Hwnd(), IDC_USERTAG_NAME, fields.name.c_str());
}

void CUserTagDlg::Report(const std::optional<RegistrationMessage>& message) {
    if (message)
        MessageBoxA(Hwnd(), message->text.c_str(), message->caption.c_str(), MB_OK | MB_ICONINFORMATION);
}

// The pictures of the two user-tag buttons, taken from the main window's toolbar.
void CUserTagDlg::DrawToolbarPicture(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    HWND toolbar = GetDlgItem(toolbarOwner_, ID_VIEW_TOOLBAR);
    if (!toolbar)
        return;
    const int command = item.CtlID == IDC_USERTAG_PICTURE1 ? ID_USERTAG_BAR1 : ID_USERTAG_BAR2;
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_IMAGE;
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0));
    if (!images || SendMessageA(toolbar, TB_GETBUTTONINFOA, command, reinterpret_cast<LPARAM>(&info)) < 0)
        return;
    int width = 0, height = 0;
    ImageList_GetIconSize(images, &width, &height);
    const int x = (item.rcItem.left + item.rcItem.right - width) / 2;
    const int y = (item.rcItem.top + item.rcItem.bottom - height) / 2;
    ImageList_Draw(images, info.iImage, item.hDC, x, y, ILD_TRANSPARENT);
}

} // namespace quiltmark
