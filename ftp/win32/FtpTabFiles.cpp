// File management of the FTP tab: make folders, rename and delete on the
// server and on the local disk, and open a local file in the editor.
#include "FtpTab.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "InputNameDlg.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

constexpr const char* kPreviewFileName = "tmp_preview.html";

std::vector<FtpFileEntry> Copies(const std::vector<const FtpFileEntry*>& rows) {
    std::vector<FtpFileEntry> copies;
    for (const FtpFileEntry* row : rows)
        copies.push_back(*row);
    return copies;
}

} // namespace

void FtpTab::MakeRemoteDirectory() { MakeDirectoryOn(Side::Remote); }
void FtpTab::MakeLocalDirectory() { MakeDirectoryOn(Side::Local); }
void FtpTab::RenameRemote() { RenameOn(Side::Remote); }
void FtpTab::RenameLocal() { RenameOn(Side::Local); }

void FtpTab::MakeDirectoryOn(Side side) {
    if (!Connected()) {
        ShowLog();
        return;
    }
    InputNameDlg dialog(instance_, InputNameMode::MakeDirectory);
    if (dialog.DoModal(view_) != IDOK) {
        AppendFtpLog(Text(IDS_FTP_MKDIR_CANCELLED));
        return;
    }
    const bool remote = side == Side::Remote;
    const bool made = remote ? connection_.MakeDirectory(remoteDir_ + dialog.value)
                             : CreateDirectoryA((localDir_ + dialog.value).c_str(), nullptr) != FALSE;
    if (made) {
        AppendFtpLog(FillIn(Text(IDS_FTP_MKDIR_DONE), {dialog.value}));
        remote ? FillRemoteList() : FillLocalList();
        return;
    }
    if (remote)
        NoteFailure();
    Tell(Text(remote ? IDS_FTP_MKDIR_FAILED : IDS_FTP_MKDIR_LOCAL_FAILED), IDS_CAPTION_ERROR);
    AppendFtpLog(Text(IDS_FTP_MKDIR_FAILED));
}

void FtpTab::RenameOn(Side side) {
    const bool remote = side == Side::Remote;
    const std::vector<FtpFileEntry> rows = Copies((remote ? remote_ : local_).Selected());
    if (rows.empty() || !Connected()) {
        Tell(Text(IDS_FTP_NOTHING_SELECTED), IDS_CAPTION_ERROR);
        return;
    }
    const std::string& folder = remote ? remoteDir_ : localDir_;
    bool renamed = false;
    for (const FtpFileEntry& row : rows) {
        const std::string& old = row.name;
        if (remote && row.isFolder) {
            Tell(Text(IDS_FTP_NO_FOLDER_RENAME), IDS_FTP_CAPTION_SORRY);
            continue;
        }
        InputNameDlg dialog(instance_, InputNameMode::Rename, old);
        if (dialog.DoModal(view_) != IDOK) {
            AppendFtpLog(FillIn(Text(IDS_FTP_RENAME_CANCELLED), {old}));
            continue;
        }
        if (dialog.value == old) {
            AppendFtpLog(FillIn(Text(IDS_FTP_RENAME_SAME), {old}));
            continue;
        }
        const std::string from = folder + old, to = folder + dialog.value;
        const bool ok =
            remote ? connection_.Rename(from, to) : MoveFileA(from.c_str(), to.c_str()) != FALSE;
        if (ok) {
            AppendFtpLog(FillIn(Text(IDS_FTP_RENAME_DONE), {old, dialog.value}));
            renamed = true;
            continue;
        }
        if (remote)
            NoteFailure();
        Tell(Text(IDS_FTP_RENAME_FAILED_BOX), IDS_CAPTION_ERROR);
        AppendFtpLog(FillIn(Text(IDS_FTP_RENAME_FAILED), {old, dialog.value}));
    }
    if (renamed)
        remote ? FillRemoteList() : FillLocalList();
    ShowLog();
}

void FtpTab::DeleteRemote() {
    const std::vector<FtpFileEntry> rows = Copies(remote_.Selected());
    if (rows.empty() || !Connected()) {
        Tell(Text(IDS_FTP_NOTHING_SELECTED), IDS_CAPTION_ERROR);
        return;
    }
    bool deleted = false;
    for (const FtpFileEntry& row : rows) {
        const std::string path = remoteDir_ + row.name;
        if (!AskYesNo(FillIn(Text(IDS_FTP_ASK_DELETE), {path}), IDS_FTP_CAPTION_DELETE)) {
            AppendFtpLog(FillIn(Text(IDS_FTP_DELETE_CANCELLED), {row.name}));
            continue;
        }
        const bool ok = row.isFolder ? connection_.RemoveFolder(path) : connection_.RemoveFile(path);
        if (ok) {
            AppendFtpLog(FillIn(Text(IDS_FTP_DELETE_DONE), {row.name}));
            deleted = true;
        } else {
            NoteFailure();
            Tell(FillIn(Text(IDS_FTP_DELETE_FAILED), {path}), IDS_CAPTION_ERROR);
            AppendFtpLog(FillIn(Text(IDS_FTP_DELETE_FAILED), {row.name}));
        }
    }
    if (deleted)
        FillRemoteList();
    ShowLog();
}

void FtpTab::DeleteLocal() {
    const std::vector<FtpFileEntry> rows = Copies(local_.Selected());
    if (rows.empty() || !Connected()) {
        Tell(Text(IDS_FTP_NOTHING_SELECTED), IDS_CAPTION_ERROR);
        return;
    }
    for (const FtpFileEntry& row : rows) {
        // The shell takes a list of paths ending in two zero bytes.
        std::string from = localDir_ + row.name;
        from.append(2, '\0');
        SHFILEOPSTRUCTA operation{};
        operation.wFunc = FO_DELETE;
        operation.pFrom = from.c_str();
        operation.fFlags = FOF_ALLOWUNDO;
        SHFileOperationA(&operation);
    }
    FillLocalList();
    ShowLog();
}

void FtpTab::EditLocal() {
    const std::vector<FtpFileEntry> rows = Copies(local_.Selected());
    if (rows.empty() || !Connected()) {
        Tell(Text(IDS_FTP_NOTHING_SELECTED), IDS_CAPTION_ERROR);
        return;
    }
    const std::string& name = rows.front().name;
    const std::string path = localDir_ + name;
    if (name == kPreviewFileName) {
        Tell(Text(IDS_FTP_EDIT_PREVIEW_FILE), IDS_CAPTION_CONFIRM);
        return;
    }
    if (PathIsDirectoryA(path.c_str())) {
        Tell(Text(IDS_DROPPED_FOLDER), IDS_CAPTION_CONFIRM);
        return;
    }
    host_.OpenInEditor(path);
}

} // namespace quiltmark
