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

void FtpTab::MakeRemoteDirectory() {
    if (!Connected()) {
        ShowLog();
        return;
    }
    InputNameDlg dialog(instance_, InputNameMode::MakeDirectory);
    if (dialog.DoModal(view_) != IDOK) {
        AppendFtpLog(Text(IDS_FTP_MKDIR_CANCELLED));
        return;
    }
    if (connection_.MakeDirectory(remoteDir_ + dialog.value)) {
        AppendFtpLog(FillIn(Text(IDS_FTP_MKDIR_DONE), {dialog.value}));
        FillRemoteList();
    } else {
        NoteFailure();
        Tell(Text(IDS_FTP_MKDIR_FAILED), IDS_CAPTION_ERROR);
        AppendFtpLog(Text(IDS_FTP_MKDIR_FAILED));
    }
}

void FtpTab::MakeLocalDirectory() {
    if (!Connected()) {
        ShowLog();
        return;
    }
    InputNameDlg dialog(instance_, InputNameMode::MakeDirectory);
    if (dialog.DoModal(view_) != IDOK) {
        AppendFtpLog(Text(IDS_FTP_MKDIR_CANCELLED));
        return;
    }
    if (CreateDirectoryA((localDir_ + dialog.value).c_str(), nullptr)) {
        AppendFtpLog(FillIn(Text(IDS_FTP_MKDIR_DONE), {dialog.value}));
        FillLocalList();
    } else {
        Tell(Text(IDS_FTP_MKDIR_LOCAL_FAILED), IDS_CAPTION_ERROR);
        AppendFtpLog(Text(IDS_FTP_MKDIR_FAILED));
    }
}

void FtpTab::RenameRemote() {
    const std::vector<FtpFileEntry> rows = Copies(remote_.Selected());
    if (rows.empty() || !Connected()) {
        Tell(Text(IDS_FTP_NOTHING_SELECTED), IDS_CAPTION_ERROR);
        return;
    }
    bool renamed = false;
    for (const FtpFileEntry& row : rows) {
        const std::string& old = row.name;
        if (row.isFolder) {
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
        if (connection_.Rename(remoteDir_ + old, remoteDir_ + dialog.value)) {
            AppendFtpLog(FillIn(Text(IDS_FTP_RENAME_DONE), {old, dialog.value}));
            renamed = true;
        } else {
            NoteFailure();
            Tell(Text(IDS_FTP_RENAME_FAILED_BOX), IDS_CAPTION_ERROR);
            AppendFtpLog(FillIn(Text(IDS_FTP_RENAME_FAILED), {old, dialog.value}));
        }
    }
    if (renamed)
        FillRemoteList();
    ShowLog();
}

void FtpTab::RenameLocal() {
    const std::vector<FtpFileEntry> rows = Copies(local_.Selected());
    if (rows.empty() || !Connected()) {
        Tell(Text(IDS_FTP_NOTHING_SELECTED), IDS_CAPTION_ERROR);
        return;
    }
    bool renamed = false;
    for (const FtpFileEntry& row : rows) {
        const std::string& old = row.name;
        InputNameDlg dialog(instance_, InputNameMode::Rename, old);
        if (dialog.DoModal(view_) != IDOK) {
            AppendFtpLog(FillIn(Text(IDS_FTP_RENAME_CANCELLED), {old}));
            continue;
        }
        if (dialog.value == old) {
            AppendFtpLog(FillIn(Text(IDS_FTP_RENAME_SAME), {old}));
            continue;
        }
        if (MoveFileA((localDir_ + old).c_str(), (localDir_ + dialog.value).c_str())) {
            AppendFtpLog(FillIn(Text(IDS_FTP_RENAME_DONE), {old, dialog.value}));
            renamed = true;
        } else {
            Tell(Text(IDS_FTP_RENAME_FAILED_BOX), IDS_CAPTION_ERROR);
            AppendFtpLog(FillIn(Text(IDS_FTP_RENAME_FAILED), {old, dialog.value}));
        }
    }
    if (renamed)
        FillLocalList();
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
