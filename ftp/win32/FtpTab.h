// The FTP tab of the main view: the connection to the profile chosen in the
// settings dialog, the log, the local and remote file lists with their
// navigation, sorting and view modes, the transfers between them and the
// file-management commands on both sides. Everything runs on the user
// interface thread; WinINet blocks in each call.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "FtpConnection.h"
#include "FtpFileList.h"
#include "FtpLog.h"
#include "FtpProfile.h"
#include "ProfileStore.h"
#include "Settings.h"
#include "TransferMode.h"

namespace quiltmark {

// What the FTP tab needs from the main view.
class FtpTabHost {
  public:
    virtual ~FtpTabHost() = default;
    // Shows the FTP tab (as its tab command does).
    virtual void ShowFtpTab() = 0;
    // Shows the source tab, asks about unsaved changes and opens the file as
    // the document; false when the user kept the current document.
    virtual bool OpenInEditor(const std::string& path) = 0;
    virtual std::string DocumentFolder() const = 0;
    virtual std::string ProgramFolder() const = 0;
};

enum FtpViewMode { kFtpDetails = 0, kFtpList = 1, kFtpLargeIcons = 2, kFtpSmallIcons = 3 };

class FtpTab {
  public:
    FtpTab(HINSTANCE instance, ProfileStore& profile, Settings& settings, FtpTabHost& host);
    ~FtpTab();
    FtpTab(const FtpTab&) = delete;
    FtpTab& operator=(const FtpTab&) = delete;

    // At the view's initialisation (settings already read): the profile
    // table, the lists' columns and icons, the log's first text, the mode
    // buttons and the stored view mode.
    void Initialise(HWND view);

    // Session (FtpTabSession.cpp)
    void FtpConnect();
    void FtpDisconnect();
    // The toolbar's connect/disconnect button.
    void ToggleConnection();
    // Closes search, connection and internet handles (at the program's close).
    void CloseHandles();
    bool Connected() const { return connected_ != 0; }
    void AppendFtpLog(const std::string& line);

    // File lists (FtpTabLists.cpp)
    void LocalUp();
    void RemoteUp();
    void BrowseLocal();
    void RemoteGo();
    // Enter in a path field (1006 local, 1013 remote): true when taken.
    bool OnPathEnter(int editId);
    void SortLocal(int column);
    void SortRemote(int column);
    void SetViewMode(int mode);
    int ViewMode() const { return settings_.listMode; }
    // List notifications and the right-click menus; true when handled.
    bool OnNotify(const NMHDR& header);
    bool OnContextMenu(HWND window, int x, int y);

    // Transfers (FtpTabTransfers.cpp)
    void FtpDownload();
    void FtpUpload();
    void DropUpload(const std::string& path);
    void OnModeButton();

    // File management (FtpTabFiles.cpp)
    void MakeRemoteDirectory();
    void RenameRemote();
    void DeleteRemote();
    void MakeLocalDirectory();
    void RenameLocal();
    void DeleteLocal();
    void EditLocal();

    // For test drivers: the lists' rows, and selecting rows by name.
    FtpFileList& LocalList() { return local_; }
    FtpFileList& RemoteList() { return remote_; }
    const std::string& LogText() const { return log_.Text(); }
    // The log box scrolled down so that its last line shows.
    void ScrollLogToEnd();

  private:
    friend void CALLBACK FtpStatusCallback(HINTERNET, DWORD_PTR, DWORD, LPVOID, DWORD);
    void OnStatus(DWORD status, const void* information, DWORD length);
    void ShowLog();
    void SetNavigationEnabled(bool enabled);
    void SaveProfileTable();
    void WriteProfileKey(const char* key);
    // After a failed FTP call: a lost connection is logged and ends the
    // connected state, as the closing statuses would.
    void NoteFailure();

    void FillLocalList();
    void FillRemoteList();
    // The two sides share their dialogs, log lines and messages; the server
    // side also notices a lost connection and keeps folders from renaming.
    enum class Side { Remote, Local };
    void MakeDirectoryOn(Side side);
    void RenameOn(Side side);
    std::vector<FtpFileEntry> ReadLocalFolder();
    void OpenLocalRows();
    void OpenRemoteRows();
    void DownloadWithSaveDialog(const FtpFileEntry& row);

    bool IsAsciiTransfer(const std::string& name);
    bool RemoteFileExists(const std::string& name, bool* listed = nullptr);
    // Uploads one file, through a temporary name when it replaces a remote file.
    bool PutFile(const std::string& localPath, const std::string& name, bool ascii, bool replaces);

    std::string Text(UINT id) const;
    // A Yes/No question with the question icon; true for Yes.
    bool AskYesNo(const std::string& text, UINT captionId) const;
    // A message with the information icon.
    void Tell(const std::string& text, UINT captionId) const;
    void ShowBusyCursor() const;
    std::string ItemText(int id) const;
    HWND Item(int id) const { return GetDlgItem(view_, id); }

    HINSTANCE instance_;
    ProfileStore& profile_;
    Settings& settings_;
    FtpTabHost& host_;
    HWND view_ = nullptr;
    HCURSOR busyCursor_ = nullptr;

    FtpProfileTable table_;
    FtpConnection connection_;
    int connected_ = 0;
    FtpLog log_;
    size_t shownLogSize_ = 0; // the log's length when the box last showed it
    std::string localDir_;
    std::string remoteDir_;
    std::string downloadTarget_;
    FtpFileList local_;
    FtpFileList remote_;
};

} // namespace quiltmark
