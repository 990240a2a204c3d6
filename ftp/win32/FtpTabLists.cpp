// The FTP tab's file lists: filling them, moving between folders, opening
// rows, sorting, the view modes and the right-click menus.
#include "FtpTab.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "FileDialogs.h"
#include "FtpPaths.h"
#include "PathRules.h"
#include "ResourceText.h"
#include "SettingsIo.h"
#include "ShiftJis.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

constexpr DWORD kViewStyles[] = {LVS_REPORT, LVS_LIST, LVS_ICON, LVS_SMALLICON};
// A shell result of 32 or less is a failure.
constexpr INT_PTR kShellFailureLimit = 32;

FileStamp StampOf(const SYSTEMTIME& t) {
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute};
}

std::string ExtensionOf(const std::string& name) {
    return FileTypeOf(name, false);
}

// The target of a shortcut file, or empty when it cannot be resolved.
std::string ShortcutTarget(const std::string& path) {
    std::string target;
    if (FAILED(CoInitialize(nullptr)))
        return target;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            const int wide = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
            std::wstring widePath(wide > 0 ? wide : 1, L'\0');
            MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath.data(), wide);
            if (SUCCEEDED(file->Load(widePath.c_str(), STGM_READ))) {
                char buffer[MAX_PATH] = {};
                WIN32_FIND_DATAA data{};
                if (SUCCEEDED(link->GetPath(buffer, MAX_PATH, &data, SLGP_UNCPRIORITY)))
                    target.assign(buffer, strnlen(buffer, MAX_PATH));
            }
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return target;
}

// A file's shell icon: by the name's attributes, or by the path itself.
HICON ShellIcon(const std::string& key, bool large) {
    // Keys are "path:" + a full path, or "ext:" + a lower-cased extension.
    SHFILEINFOA info{};
    UINT flags = SHGFI_ICON | (large ? 0 : SHGFI_SMALLICON);
    std::string name;
    if (key.compare(0, 5, "path:") == 0) {
        name = key.substr(5);
    } else {
        name = "file." + key.substr(4);
        flags |= SHGFI_USEFILEATTRIBUTES;
    }
    if (!SHGetFileInfoA(name.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info, flags))
        return nullptr;
    return info.hIcon;
}

} // namespace

std::vector<FtpFileEntry> FtpTab::ReadLocalFolder() {
    std::vector<FtpFileEntry> rows;
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileA((localDir_ + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return rows;
    do {
        const std::string name(data.cFileName, strnlen(data.cFileName, sizeof data.cFileName));
        if (name == "." || name == "..")
            continue;
        FILETIME local{};
        SYSTEMTIME time{};
        FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
        FileTimeToSystemTime(&local, &time);
        bool folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        std::string target;
        if (!folder && ExtensionOf(name) == "lnk") {
            target = ShortcutTarget(localDir_ + name);
            folder = !target.empty() && PathIsDirectoryA(target.c_str());
        }
        const std::uint64_t size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        FtpFileEntry row = MakeFileEntry(name, folder, size, StampOf(time));
        row.linkTarget = std::move(target);
        rows.push_back(std::move(row));
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return rows;
}

void FtpTab::FillLocalList() {
    local_.Clear();
    ShowBusyCursor();
    if (localDir_.empty() || !PathFileExistsA(localDir_.c_str())) {
        const std::string old = localDir_;
        const FtpProfile* profile = table_.Current();
        const std::string last = profile ? profile->localLastDir : std::string();
        const std::string document = host_.DocumentFolder();
        if (!last.empty() && PathFileExistsA(last.c_str()))
            localDir_ = last;
        else if (!document.empty() && PathFileExistsA(document.c_str()))
            localDir_ = document;
        else
            localDir_ = host_.ProgramFolder();
        AppendFtpLog(old + Text(IDS_FTP_DIR_MISSING));
        AppendFtpLog(localDir_ + Text(IDS_FTP_DIR_REPLACED));
    }
    localDir_ = WithTrailingBackslash(localDir_);
    std::vector<FtpFileEntry> rows = ReadLocalFolder();
    SortFileEntries(rows, settings_.list1Item, settings_.list1How != 0);
    const std::string folder = localDir_;
    local_.Show(
        std::move(rows), settings_.listMode == kFtpLargeIcons,
        [&folder](const FtpFileEntry& row) {
            const std::string extension = ExtensionOf(row.name);
            if (extension == "exe")
                return "path:" + folder + row.name;
            if (extension == "lnk" && !row.linkTarget.empty())
                return "path:" + row.linkTarget;
            return "ext:" + extension;
        },
        ShellIcon);
    SetDlgItemTextA(view_, IDC_LOCAL_PATH, localDir_.c_str());
    if (FtpProfile* profile = table_.Current()) {
        profile->localLastDir = localDir_;
        WriteProfileKey("LocalLastDir");
    }
}

void FtpTab::FillRemoteList() {
    remote_.Clear();
    ShowBusyCursor();
    if (remoteDir_.empty() || remoteDir_ == kRemoteHome) {
        const std::optional<std::string> home = connection_.CurrentDirectory();
        remoteDir_ = home && !home->empty() ? WithTrailingSlash(*home) : "/";
        if (FtpProfile* profile = table_.Current()) {
            profile->remoteFirstDir = remoteDir_;
            WriteProfileKey("RemoteFirstDir");
        }
    }
    std::vector<RemoteItem> items;
    if (!connection_.List(remoteDir_, 0, items))
        NoteFailure();
    std::vector<FtpFileEntry> rows;
    rows.reserve(items.size());
    for (const RemoteItem& item : items) {
        SYSTEMTIME time{};
        FileTimeToSystemTime(&item.lastWrite, &time);
        rows.push_back(MakeFileEntry(item.name, item.isFolder, item.size, StampOf(time)));
    }
    SortFileEntries(rows, settings_.list2Item, settings_.list2How != 0);
    remote_.Show(
        std::move(rows), settings_.listMode == kFtpLargeIcons,
        [](const FtpFileEntry& row) { return "ext:" + ExtensionOf(row.name); }, ShellIcon);
    SetDlgItemTextA(view_, IDC_REMOTE_PATH, remoteDir_.c_str());
    if (FtpProfile* profile = table_.Current()) {
        profile->remoteLastDir = remoteDir_;
        WriteProfileKey("RemoteLastDir");
    }
}

void FtpTab::LocalUp() {
    if (const std::optional<std::string> parent = LocalParent(ItemText(IDC_LOCAL_PATH))) {
        localDir_ = *parent;
        FillLocalList();
    }
}

void FtpTab::RemoteUp() {
    if (const std::optional<std::string> parent = RemoteParent(ItemText(IDC_REMOTE_PATH))) {
        remoteDir_ = *parent;
        FillRemoteList();
    }
}

void FtpTab::RemoteGo() {
    if (!Connected())
        return;
    remoteDir_ = WithTrailingSlash(ItemText(IDC_REMOTE_PATH));
    FillRemoteList();
}

bool FtpTab::OnPathEnter(int editId) {
    if (!Connected())
        return false;
    if (editId == IDC_LOCAL_PATH) {
        localDir_ = WithTrailingBackslash(ItemText(IDC_LOCAL_PATH));
        FillLocalList();
    } else {
        RemoteGo();
    }
    return true;
}

void FtpTab::BrowseLocal() {
    const std::optional<std::string> chosen = ChooseFolder(view_, Text(IDS_FTP_BROWSE_LOCAL), localDir_);
    if (!chosen)
        return;
    localDir_ = WithTrailingBackslash(*chosen);
    FillLocalList();
}

void FtpTab::OpenLocalRows() {
    const std::vector<const FtpFileEntry*> rows = local_.Selected();
    std::vector<FtpFileEntry> copies;
    for (const FtpFileEntry* row : rows)
        copies.push_back(*row); // a refill replaces the rows
    for (const FtpFileEntry& row : copies) {
        if (row.isFolder) {
            localDir_ =
                row.linkTarget.empty() ? localDir_ + row.name + "\\" : WithTrailingBackslash(row.linkTarget);
            FillLocalList();
            continue;
        }
        const std::string path = localDir_ + row.name;
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteA(view_, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        if (result <= kShellFailureLimit)
            Tell(Text(IDS_FTP_SHELL_OPEN_FAILED), IDS_CAPTION_ERROR);
    }
}

void FtpTab::OpenRemoteRows() {
    std::vector<FtpFileEntry> copies;
    for (const FtpFileEntry* row : remote_.Selected())
        copies.push_back(*row);
    for (const FtpFileEntry& row : copies) {
        if (row.isFolder) {
            remoteDir_ = remoteDir_ + row.name + "/";
            FillRemoteList();
        } else {
            DownloadWithSaveDialog(row);
        }
    }
}

void FtpTab::SortLocal(int column) {
    settings_.list1Item = column;
    settings_.list1How = settings_.list1How == 0 ? 1 : 0;
    local_.Sort(column, settings_.list1How != 0);
}

void FtpTab::SortRemote(int column) {
    settings_.list2Item = column;
    settings_.list2How = settings_.list2How == 0 ? 1 : 0;
    remote_.Sort(column, settings_.list2How != 0);
}

void FtpTab::SetViewMode(int mode) {
    if (mode < kFtpDetails || mode > kFtpSmallIcons)
        mode = kFtpDetails;
    const bool largeChanged = (mode == kFtpLargeIcons) != (settings_.listMode == kFtpLargeIcons);
    settings_.listMode = mode;
    local_.SetStyle(kViewStyles[mode]);
    remote_.SetStyle(kViewStyles[mode]);
    if (largeChanged && Connected()) {
        FillRemoteList();
        FillLocalList();
    }
}

bool FtpTab::OnNotify(const NMHDR& header) {
    if (header.idFrom != IDC_LOCAL_LIST && header.idFrom != IDC_REMOTE_LIST)
        return false;
    const bool isLocal = header.idFrom == IDC_LOCAL_LIST;
    if (header.code == NM_DBLCLK) {
        if (isLocal)
            OpenLocalRows();
        else
            OpenRemoteRows();
        return true;
    }
    if (header.code == LVN_COLUMNCLICK) {
        const int column = reinterpret_cast<const NMLISTVIEW&>(header).iSubItem;
        if (column >= 0 && column < kColumnCount) {
            if (isLocal)
                SortLocal(column);
            else
                SortRemote(column);
        }
        return true;
    }
    return false;
}

bool FtpTab::OnContextMenu(HWND window, int x, int y) {
    const bool isLocal = window == local_.Hwnd();
    if (!isLocal && window != remote_.Hwnd())
        return false;
    if (!Connected())
        return true;
    HMENU menu = LoadMenuA(instance_, MAKEINTRESOURCEA(isLocal ? IDR_LOCALLIST_MENU : IDR_REMOTELIST_MENU));
    if (!menu)
        return true;
    if (x == -1 && y == -1) {
        POINT at{};
        GetCursorPos(&at);
        x = at.x;
        y = at.y;
    }
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTBUTTON, x, y, 0, view_, nullptr);
    DestroyMenu(menu);
    return true;
}

} // namespace quiltmark
