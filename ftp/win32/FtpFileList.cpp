// One file list of the FTP tab.
#include "FtpFileList.h"

#include <algorithm>

namespace quiltmark {

FtpFileList::~FtpFileList() {
    if (small_)
        ImageList_Destroy(small_);
    if (large_)
        ImageList_Destroy(large_);
}

void FtpFileList::Attach(HWND list, HICON smallFolder, HICON largeFolder, const char* const* headers) {
    list_ = list;
    SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    small_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 16, 64);
    large_ = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 16, 64);
    ImageList_AddIcon(small_, smallFolder);
    ImageList_AddIcon(large_, largeFolder);
    SendMessageA(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(small_));
    SendMessageA(list_, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(large_));
    RECT client{};
    GetClientRect(list_, &client);
    for (int c = 0; c < kColumnCount; ++c) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = client.right / 3;
        column.pszText = const_cast<char*>(headers[c]);
        column.iSubItem = c;
        SendMessageA(list_, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
}

void FtpFileList::Clear() {
    SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
    rows_.clear();
}

void FtpFileList::Insert(const std::vector<int>& icons) {
    SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(list_, LVM_SETITEMCOUNT, rows_.size(), 0);
    for (size_t i = 0; i < rows_.size(); ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = static_cast<int>(i);
        item.pszText = rows_[i].columns[kColumnName].data();
        item.iImage = icons[i];
        item.lParam = static_cast<LPARAM>(i);
        const int at =
            static_cast<int>(SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        for (int c = 1; c < kColumnCount; ++c) {
            LVITEMA sub{};
            sub.iSubItem = c;
            sub.pszText = rows_[i].columns[c].data();
            SendMessageA(list_, LVM_SETITEMTEXTA, at, reinterpret_cast<LPARAM>(&sub));
        }
    }
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

int CALLBACK FtpFileList::CompareRows(LPARAM a, LPARAM b, LPARAM self) {
    const auto* list = reinterpret_cast<const FtpFileList*>(self);
    const auto count = static_cast<LPARAM>(list->rows_.size());
    if (a < 0 || b < 0 || a >= count || b >= count)
        return 0;
    return CompareFileEntries(list->rows_[a], list->rows_[b], list->sortColumn_, list->sortDescending_);
}

void FtpFileList::Sort(int column, bool descending) {
    sortColumn_ = column;
    sortDescending_ = descending;
    SendMessageA(list_, LVM_SORTITEMS, reinterpret_cast<WPARAM>(this), reinterpret_cast<LPARAM>(CompareRows));
}

std::vector<const FtpFileEntry*> FtpFileList::Selected() const {
    std::vector<const FtpFileEntry*> selected;
    int item = -1;
    while ((item = static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, item, LVNI_SELECTED))) >= 0) {
        LVITEMA query{};
        query.mask = LVIF_PARAM;
        query.iItem = item;
        if (SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query)) && query.lParam >= 0 &&
            static_cast<size_t>(query.lParam) < rows_.size())
            selected.push_back(&rows_[query.lParam]);
    }
    return selected;
}

int FtpFileList::PositionOf(const std::string& name) const {
    const auto it =
        std::find_if(rows_.begin(), rows_.end(), [&](const FtpFileEntry& e) { return e.name == name; });
    if (it == rows_.end())
        return -1;
    LVFINDINFOA find{};
    find.flags = LVFI_PARAM;
    find.lParam = it - rows_.begin();
    return static_cast<int>(SendMessageA(list_, LVM_FINDITEMA, -1, reinterpret_cast<LPARAM>(&find)));
}

int FtpFileList::SelectOnly(const std::vector<std::string>& names) {
    LVITEMA none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list_, LVM_SETITEMSTATE, -1, reinterpret_cast<LPARAM>(&none));
    int selected = 0;
    for (const std::string& name : names) {
        const int at = PositionOf(name);
        if (at < 0)
            continue;
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED;
        item.state = LVIS_SELECTED;
        SendMessageA(list_, LVM_SETITEMSTATE, at, reinterpret_cast<LPARAM>(&item));
        ++selected;
    }
    return selected;
}

void FtpFileList::SetStyle(DWORD viewStyle) {
    const LONG_PTR style = GetWindowLongPtrA(list_, GWL_STYLE);
    SetWindowLongPtrA(list_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | viewStyle);
}

} // namespace quiltmark
