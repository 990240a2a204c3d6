// The link and image dialog: layout by mode, the file browser and the results.
#include "LinkImageDlg.h"

#include <commdlg.h>

#include <vector>

#include "DialogSupport.h"
#include "InsertionTexts.h"
#include "PathRules.h"
#include "ResourceText.h"
#include "ShiftJis.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

// A filter as the string table keeps it ("name|pattern|...||") in the form
// the file dialog takes (parts ended by zero bytes). Only "|" characters
// separate; a second byte 0x7C of a double-byte character stays.
std::string FileDialogFilter(std::string filter) {
    for (size_t i = 0; i < filter.size(); i += CharLength(filter, i))
        if (filter[i] == '|')
            filter[i] = '\0';
    return filter;
}

// The longest path the wide file functions accept; the dialog never cuts one.
constexpr size_t kPathBuffer = 32768;

} // namespace

CLinkImageDlg::CLinkImageDlg(HINSTANCE instance, Mode dialogMode)
    : Dialog(instance, IDD_LINKIMAGE), mode(dialogMode) {}

BOOL CLinkImageDlg::OnInitDialog() {
    browsed = false;
    if (mode == Mode::Link)
        ArrangeForLink();
    else
        ArrangeForImage();
    return TRUE;
}

void CLinkImageDlg::SetItemString(int id, UINT stringId) {
    SetDlgItemTextA(Hwnd(), id, LoadResourceString(Instance(), stringId).c_str());
}

// Sets the outer size and centres the dialog over its owner.
void CLinkImageDlg::SizeWindow(int width, int height) {
    SetWindowPos(Hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CentreOverOwner(Hwnd());
}

void CLinkImageDlg::ArrangeForLink() {
    HWND dlg = Hwnd();
    SetWindowTextA(dlg, LoadResourceString(Instance(), IDS_LINK_DIALOG_TITLE).c_str());
    SizeWindow(300, 250);
    PlaceItem(dlg, IDC_LINK_SAMPLE, 10, 10, 270, 20);
    SetItemString(IDC_LINK_SAMPLE, IDS_LINK_SAMPLE);
    PlaceItem(dlg, IDC_LINK_ADDRESS_LABEL, 10, 40, 200, 20);
    SetItemString(IDC_LINK_ADDRESS_LABEL, IDS_LINK_ADDRESS_LABEL);
    PlaceItem(dlg, IDC_LINK_ADDRESS, 10, 60, 200, 20);
    SetDlgItemTextA(dlg, IDC_LINK_ADDRESS, initialAddress.c_str());
    PlaceItem(dlg, IDC_LINK_BROWSE, 220, 60, 60, 20);
    PlaceItem(dlg, IDC_LINK_TITLE_LABEL, 10, 100, 100, 20);
    SetItemString(IDC_LINK_TITLE_LABEL, IDS_LINK_TITLE_LABEL);
    PlaceItem(dlg, IDC_LINK_TITLE, 130, 96, 150, 20);
    PlaceItem(dlg, IDC_LINK_TARGET_LABEL, 10, 140, 110, 20);
    SetItemString(IDC_LINK_TARGET_LABEL, IDS_LINK_TARGET_LABEL);
    PlaceItem(dlg, IDC_LINK_TARGET, 130, 136, 150, 20);
    for (const char* label : kTargetLabels)
        SendDlgItemMessageA(dlg, IDC_LINK_TARGET, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));
    PlaceItem(dlg, IDOK, 50, 176, 70, 23);
    PlaceItem(dlg, IDCANCEL, 150, 176, 100, 23);
}

void CLinkImageDlg::ArrangeForImage() {
    HWND dlg = Hwnd();
    SetWindowTextA(dlg, LoadResourceString(Instance(), IDS_IMAGE_DIALOG_TITLE).c_str());
    SizeWindow(254, 171);
    PlaceItem(dlg, IDC_LINK_SAMPLE, 15, 10, 200, 20);
    SetItemString(IDC_LINK_SAMPLE, IDS_IMAGE_SAMPLE);
    PlaceItem(dlg, IDC_LINK_ADDRESS_LABEL, 15, 70, 80, 20);
    SetItemString(IDC_LINK_ADDRESS_LABEL, IDS_IMAGE_ALT_LABEL);
    PlaceItem(dlg, IDC_LINK_ADDRESS, 15, 35, 160, 20);
    SetDlgItemTextA(dlg, IDC_LINK_ADDRESS, "http://");
    PlaceItem(dlg, IDC_LINK_BROWSE, 185, 35, 50, 20);
    ShowWindow(Item(IDC_LINK_TITLE_LABEL), SW_HIDE);
    PlaceItem(dlg, IDC_LINK_TITLE, 95, 66, 140, 20);
    ShowWindow(Item(IDC_LINK_TARGET_LABEL), SW_HIDE);
    ShowWindow(Item(IDC_LINK_TARGET), SW_HIDE);
    PlaceItem(dlg, IDOK, 33, 103, 70, 23);
    PlaceItem(dlg, IDCANCEL, 118, 103, 100, 23);
}

void CLinkImageDlg::Browse() {
    browsed = true;
    const std::string filter = FileDialogFilter(
        LoadResourceString(Instance(), mode == Mode::Link ? IDS_LINK_FILTER : IDS_IMAGE_FILTER));
    std::vector<char> file(kPathBuffer, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Hwnd();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = "html";
    dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&dialog))
        return;
    const std::string path(file.data());
    SetDlgItemTextA(Hwnd(), IDC_LINK_ADDRESS, path.c_str());
    folder = FolderOf(path);
}

bool CLinkImageDlg::Validate() {
    address = ItemText(Hwnd(), IDC_LINK_ADDRESS);
    title = ItemText(Hwnd(), IDC_LINK_TITLE);
    target = TargetValue(ItemText(Hwnd(), IDC_LINK_TARGET));
    return true;
}

bool CLinkImageDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_LINK_BROWSE && HIWORD(wParam) == BN_CLICKED) {
        Browse();
        result = TRUE;
        return true;
    }
    return false;
}

} // namespace quiltmark
