// One file list of the FTP tab (a list-view control): its rows, their icons
// from two image lists (folder icon first), the order of the rows and the
// selection.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "FtpFileEntry.h"

namespace quiltmark {

class FtpFileList {
  public:
    FtpFileList() = default;
    ~FtpFileList();
    FtpFileList(const FtpFileList&) = delete;
    FtpFileList& operator=(const FtpFileList&) = delete;

    // Columns of a third of the width each, full-row selection, the folder
    // icon at index 0 of both image lists.
    void Attach(HWND list, HICON smallFolder, HICON largeFolder, const char* const* headers);
    HWND Hwnd() const { return list_; }

    void Clear();
    // Shows the rows (sorted by the caller). `iconKey(row)` names the shell
    // icon a file row shares with others; `iconFor(key, large)` fetches it.
    template <typename KeyOf, typename IconFor>
    void Show(std::vector<FtpFileEntry> rows, bool largeIcons, KeyOf iconKey, IconFor iconFor);
    // Re-sorts the shown rows.
    void Sort(int column, bool descending);

    int Count() const { return static_cast<int>(rows_.size()); }
    // The rows that are selected, in the order shown.
    std::vector<const FtpFileEntry*> Selected() const;
    // Row lookups for test drivers: the shown position of a name (-1 when
    // absent), and selecting exactly the named rows.
    int PositionOf(const std::string& name) const;
    int SelectOnly(const std::vector<std::string>& names);
    void SetStyle(DWORD viewStyle);

  private:
    void Insert(const std::vector<int>& icons);
    static int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM self);

    HWND list_ = nullptr;
    HIMAGELIST small_ = nullptr;
    HIMAGELIST large_ = nullptr;
    std::map<std::string, int> smallIcons_; // icon key -> image index
    std::map<std::string, int> largeIcons_;
    std::vector<FtpFileEntry> rows_; // item lParam = index here
    int sortColumn_ = 0;
    bool sortDescending_ = false;
};

template <typename KeyOf, typename IconFor>
void FtpFileList::Show(std::vector<FtpFileEntry> rows, bool largeIcons, KeyOf iconKey, IconFor iconFor) {
    rows_ = std::move(rows);
    std::map<std::string, int>& cache = largeIcons ? largeIcons_ : smallIcons_;
    HIMAGELIST images = largeIcons ? large_ : small_;
    std::vector<int> icons(rows_.size(), 0);
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].isFolder)
            continue;
        const std::string key = iconKey(rows_[i]);
        auto found = cache.find(key);
        if (found == cache.end()) {
            int index = -1;
            if (HICON icon = iconFor(key, largeIcons)) {
                index = ImageList_AddIcon(images, icon);
                DestroyIcon(icon);
            }
            found = cache.emplace(key, index).first;
        }
        icons[i] = found->second;
    }
    Insert(icons);
}

} // namespace quiltmark
