// The link and image dialog: layout by mode, the file browser and the results.
#include "LinkImageDlg.h"

#include <commdlg.h>

#include <vector>

#include "DialogSupport.h"
#include "FileDialogs.h"
#include "InsertionTexts.h"
#include "PathRules.h"
#include "ResourceText.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

// The longest path the wide file functions accept; the dialog never cuts one.
constexpr size_t kPathBuffer = 32768;

} // namespace

CLinkImageDlg::CLinkImageDlg(HINSTANCE instance, Mode dialogMode)
    : Dialog(instance, IDD_LINKIMAGE), mode(dialogMode) {}

BOOL CLinkImageDlg::OnInitDialog() {
    browsed = false;
    Arrange();
    return TRUE;
}

namespace {

// Where a control goes in one mode (pixels of the client area) and the
// string it shows (0: its text is not set here). A control missing from a
// mode's table is hidden in that mode.
struct ItemPlace {
    int id;
    int x, y, width, height;
    UINT text;
};

struct ModeLayout {
    UINT title;
    int width, height; // of the whole window
    std::vector<ItemPlace> items;
};

const ModeLayout& LayoutFor(CLinkImageDlg::Mode mode) {
    static const ModeLayout link{IDS_LINK_DIALOG_TITLE,
                                 300,
                                 250,
                                 {{IDC_LINK_SAMPLE, 10, 10, 270, 20, IDS_LINK_SAMPLE},
                                  {IDC_LINK_ADDRESS_LABEL, 10, 40, 200, 20, IDS_LINK_ADDRESS_LABEL},
                                  {IDC_LINK_ADDRESS, 10, 60, 200, 20, 0},
                                  {IDC_LINK_BROWSE, 220, 60, 60, 20, 0},
                                  {IDC_LINK_TITLE_LABEL, 10, 100, 100, 20, IDS_LINK_TITLE_LABEL},
                                  {IDC_LINK_TITLE, 130, 96, 150, 20, 0},
                                  {IDC_LINK_TARGET_LABEL, 10, 140, 110, 20, IDS_LINK_TARGET_LABEL},
                                  {IDC_LINK_TARGET, 130, 136, 150, 20, 0},
                                  {IDOK, 50, 176, 70, 23, 0},
                                  {IDCANCEL, 150, 176, 100, 23, 0}}};
    static const ModeLayout image{IDS_IMAGE_DIALOG_TITLE,
                                  254,
                                  171,
                                  {{IDC_LINK_SAMPLE, 15, 10, 200, 20, IDS_IMAGE_SAMPLE},
                                   {IDC_LINK_ADDRESS_LABEL, 15, 70, 80, 20, IDS_IMAGE_ALT_LABEL},
                                   {IDC_LINK_ADDRESS, 15, 35, 160, 20, 0},
                                   {IDC_LINK_BROWSE, 185, 35, 50, 20, 0},
                                   {IDC_LINK_TITLE, 95, 66, 140, 20, 0},
                                   {IDOK, 33, 103, 70, 23, 0},
                                   {IDCANCEL, 118, 103, 100, 23, 0}}};
    return mode == CLinkImageDlg::Mode::Link ? link : image;
}

constexpr int kAllItems[] = {IDC_LINK_SAMPLE,
                             IDC_LINK_ADDRESS_LABEL,
                             IDC_LINK_ADDRESS,
                             IDC_LINK_BROWSE,
                             IDC_LINK_TITLE_LABEL,
                             IDC_LINK_TITLE,
                             IDC_LINK_TARGET_LABEL,
                             IDC_LINK_TARGET,
                             IDOK,
                             IDCANCEL};

} // namespace

void CLinkImageDlg::Arrange() {
    HWND dlg = Hwnd();
    const ModeLayout& layout = LayoutFor(mode);
    SetWindowTextA(dlg, LoadResourceString(Instance(), layout.title).c_str());
    SetWindowPos(dlg, nullptr, 0, 0, layout.width, layout.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CentreOverOwner(dlg);
    for (int id : kAllItems)
        ShowWindow(Item(id), SW_HIDE);
    for (const ItemPlace& place : layout.items) {
        PlaceItem(dlg, place.id, place.x, place.y, place.width, place.height);
        if (place.text)
            SetDlgItemTextA(dlg, place.id, LoadResourceString(Instance(), place.text).c_str());
        ShowWindow(Item(place.id), SW_SHOW);
    }
    SetDlgItemTextA(dlg, IDC_LINK_ADDRESS, mode == Mode::Link ? initialAddress.c_str() : "http://");
    if (mode == Mode::Link)
        for (const char* label : kTargetLabels)
            SendDlgItemMessageA(dlg, IDC_LINK_TARGET, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));
}

void CLinkImageDlg::Browse() {
    browsed = true;
    const std::string filter = DialogFilter(
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
    address = ItemText(IDC_LINK_ADDRESS);
    title = ItemText(IDC_LINK_TITLE);
    target = TargetValue(ItemText(IDC_LINK_TARGET));
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
