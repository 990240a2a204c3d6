// The FTP tab's commands and messages: connect and disconnect, the list
// buttons, sort orders and view modes, transfers, file management, the path
// fields' Enter key, dropped files, and the requests of test drivers. The
// work itself is done by FtpTab.
#include "QuiltmarkView.h"

#include <windowsx.h>

#include <sstream>

#include "Automation.h"
#include "resource_ids.h"

namespace quiltmark {

void CQuiltmarkView::AddFtpCommands() {
    commands_.Add(ID_FTP_CONNECT, "ftp.connect", [this] { ftp_.FtpConnect(); })
        .Add(ID_FTP_DISCONNECT, "ftp.disconnect", [this] { ftp_.FtpDisconnect(); })
        .Add(ID_FTP_TOGGLE, "ftp.toggle", [this] { ftp_.ToggleConnection(); })
        .Add(ID_FTP_DOWNLOAD, "ftp.download", [this] { ftp_.FtpDownload(); })
        .Add(ID_FTP_UPLOAD, "ftp.upload", [this] { ftp_.FtpUpload(); })
        .Add(ID_FTP_REMOTE_MKDIR, "ftp.remoteMakeDirectory", [this] { ftp_.MakeRemoteDirectory(); })
        .Add(ID_FTP_REMOTE_RENAME, "ftp.remoteRename", [this] { ftp_.RenameRemote(); })
        .Add(ID_FTP_REMOTE_DELETE, "ftp.remoteDelete", [this] { ftp_.DeleteRemote(); })
        .Add(ID_FTP_LOCAL_MKDIR, "ftp.localMakeDirectory", [this] { ftp_.MakeLocalDirectory(); })
        .Add(ID_FTP_LOCAL_RENAME, "ftp.localRename", [this] { ftp_.RenameLocal(); })
        .Add(ID_FTP_LOCAL_DELETE, "ftp.localDelete", [this] { ftp_.DeleteLocal(); })
        .Add(ID_FTP_LOCAL_EDIT, "ftp.localEdit", [this] { ftp_.EditLocal(); })
        .Add(IDC_LOCAL_UP, "ftp.localUp", [this] { ftp_.LocalUp(); })
        .Add(IDC_REMOTE_UP, "ftp.remoteUp", [this] { ftp_.RemoteUp(); })
        .Add(IDC_LOCAL_BROWSE, "ftp.localBrowse", [this] { ftp_.BrowseLocal(); })
        .Add(IDC_REMOTE_GO, "ftp.remoteGo", [this] { ftp_.RemoteGo(); });
    for (int id : {IDC_MODE_ASCII, IDC_MODE_BINARY, IDC_MODE_AUTO})
        commands_.Add(id, "ftp.modeButton" + std::to_string(id), [this] { ftp_.OnModeButton(); });
    commands_.AddRange(ID_FTP_SORT_REMOTE_NAME, kColumnCount, "ftp.sortRemote",
                       [this](int column) { ftp_.SortRemote(column); });
    commands_.AddRange(ID_FTP_SORT_LOCAL_NAME, kColumnCount, "ftp.sortLocal",
                       [this](int column) { ftp_.SortLocal(column); });
    const std::pair<int, int> modes[] = {{ID_FTP_VIEW_DETAILS, kFtpDetails},
                                         {ID_FTP_VIEW_LIST, kFtpList},
                                         {ID_FTP_VIEW_LARGE, kFtpLargeIcons},
                                         {ID_FTP_VIEW_SMALL, kFtpSmallIcons}};
    for (const auto& [id, mode] : modes) {
        commands_.Add(
            id, "ftp.viewMode" + std::to_string(mode), [this, mode = mode] { ftp_.SetViewMode(mode); }, {},
            [this, mode = mode] { return ftp_.ViewMode() == mode; });
    }
}

void CQuiltmarkView::CloseFtpHandles() {
    ftp_.CloseHandles();
}

bool CQuiltmarkView::OnPathEnter(int editId) {
    return ftp_.OnPathEnter(editId);
}

void CQuiltmarkView::UploadDroppedFile(const std::string& path) {
    ftp_.DropUpload(path);
}

bool CQuiltmarkView::FtpConnected() const {
    return ftp_.Connected();
}

bool CQuiltmarkView::OpenInEditor(const std::string& path) {
    SelectTab(kSourceTab);
    if (!CheckUnsavedChanges())
        return false;
    DeletePreviewFile();
    return OpenDocumentFile(path);
}

bool CQuiltmarkView::OnFtpMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (!header || !ftp_.OnNotify(*header))
            return false;
        result = 0;
        return true;
    }
    case WM_CONTEXTMENU:
        return ftp_.OnContextMenu(reinterpret_cast<HWND>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_COPYDATA: {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!data)
            return false;
        const unsigned long request = data->dwData & ~0xFFul;
        FtpFileList& list = (data->dwData & 0xFF) == 0 ? ftp_.LocalList() : ftp_.RemoteList();
        if (request != automation::kCopyFtpFindRow && request != automation::kCopyFtpSelectRows)
            return false;
        std::vector<std::string> names;
        std::istringstream lines(
            std::string(static_cast<const char*>(data->lpData), data->lpData ? data->cbData : 0));
        for (std::string name; std::getline(lines, name);)
            names.push_back(name);
        if (request == automation::kCopyFtpFindRow)
            result = names.empty() ? -1 : list.PositionOf(names.front());
        else
            result = list.SelectOnly(names);
        return true;
    }
    default:
        return false;
    }
}

LRESULT CQuiltmarkView::AnswerFtpQuery(int query, int argument) {
    switch (query) {
    case automation::kQueryFtpConnected:
        return ftp_.Connected() ? 1 : 0;
    case automation::kQueryFtpRowCount:
        return argument == 0 ? ftp_.LocalList().Count() : ftp_.RemoteList().Count();
    case automation::kQueryFtpViewMode:
        return ftp_.ViewMode();
    case automation::kQueryFtpListStyle: {
        HWND list = argument == 0 ? ftp_.LocalList().Hwnd() : ftp_.RemoteList().Hwnd();
        return GetWindowLongPtrA(list, GWL_STYLE) & LVS_TYPEMASK;
    }
    default:
        return -2;
    }
}

} // namespace quiltmark
