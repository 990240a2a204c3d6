// Transfers of the FTP tab: downloads and uploads of the selected rows, the
// upload of a dropped file, the save-dialog download of a double-clicked
// remote file, and the transfer-mode buttons.
#include "FtpTab.h"

#include <commdlg.h>
#include <shlwapi.h>

#include "FtpPaths.h"
#include "PathRules.h"
#include "SettingsIo.h"
#include "ShiftJis.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

// The temporary name an upload that replaces a remote file goes to first.
std::string TemporaryNameFor(const std::string& name) {
    return name + ".quiltmark-upload";
}

} // namespace

bool FtpTab::IsAsciiTransfer(const std::string& name) {
    TransferMode mode = TransferMode::Auto;
    if (IsDlgButtonChecked(view_, IDC_MODE_ASCII) == BST_CHECKED)
        mode = TransferMode::Ascii;
    else if (IsDlgButtonChecked(view_, IDC_MODE_BINARY) == BST_CHECKED)
        mode = TransferMode::Binary;
    if (mode != TransferMode::Auto)
        return mode == TransferMode::Ascii;
    // The options dialog edits the list in the settings file: read it afresh.
    ReadSettings(profile_, settings_, {"FTP_SendMode/SendModeAscii"});
    if (settings_.sendModeAscii.empty()) {
        settings_.sendModeAscii = kDefaultAsciiExtensions;
        WriteSettings(profile_, settings_, {"FTP_SendMode/SendModeAscii"});
    }
    return quiltmark::IsAsciiTransfer(name, mode, ParseAsciiExtensions(settings_.sendModeAscii));
}

void FtpTab::OnModeButton() {
    settings_.ascii = IsDlgButtonChecked(view_, IDC_MODE_ASCII) == BST_CHECKED ? 1 : 0;
    settings_.binary = IsDlgButtonChecked(view_, IDC_MODE_BINARY) == BST_CHECKED ? 1 : 0;
    settings_.both = IsDlgButtonChecked(view_, IDC_MODE_AUTO) == BST_CHECKED ? 1 : 0;
    WriteSettings(profile_, settings_, {"FTP_SendMode/Ascii", "FTP_SendMode/Binary", "FTP_SendMode/Both"});
}

bool FtpTab::RemoteFileExists(const std::string& name, bool* listed) {
    std::vector<RemoteItem> items;
    const bool ok = connection_.List(remoteDir_, 1, items);
    if (!ok)
        NoteFailure();
    if (listed)
        *listed = ok;
    for (const RemoteItem& item : items) {
        if (item.name == name)
            return true;
    }
    return false;
}

bool FtpTab::PutFile(const std::string& localPath, const std::string& name, bool ascii, bool replaces) {
    const std::string target = remoteDir_ + name;
    if (!replaces)
        return connection_.Put(localPath, target, ascii);
    // The old file stays until the new one has arrived whole.
    const std::string temporary = remoteDir_ + TemporaryNameFor(name);
    if (!connection_.Put(localPath, temporary, ascii)) {
        NoteFailure();
        if (Connected())
            connection_.RemoveFile(temporary);
        return false;
    }
    if (connection_.Rename(temporary, target))
        return true;
    // Some servers do not rename over an existing file: replace it directly.
    connection_.RemoveFile(temporary);
    AppendFtpLog(FillIn(Text(IDS_FTP_RENAME_REFUSED), {name}));
    return connection_.Put(localPath, target, ascii);
}

void FtpTab::FtpDownload() {
    host_.ShowFtpTab();
    std::vector<FtpFileEntry> rows;
    for (const FtpFileEntry* row : remote_.Selected())
        rows.push_back(*row);
    if (rows.empty() || !Connected()) {
        if (Connected())
            Tell(Text(IDS_FTP_NOTHING_SELECTED), IDS_CAPTION_ERROR);
        downloadTarget_.clear();
        return;
    }
    ShowBusyCursor();
    const bool noQuestions = IsDlgButtonChecked(view_, IDC_NO_OVERWRITE) == BST_CHECKED;
    for (const FtpFileEntry& row : rows) {
        const std::string& name = row.name;
        if (row.isFolder) {
            Tell(Text(IDS_FTP_NO_FOLDER_TRANSFER), IDS_FTP_CAPTION_SORRY);
            continue;
        }
        std::string target = downloadTarget_;
        const bool chosenTarget = !target.empty();
        downloadTarget_.clear();
        if (!chosenTarget) {
            // A name from the server is joined to the local folder only when
            // it cannot lead out of it.
            if (!IsSafeLocalName(name)) {
                AppendFtpLog(FillIn(Text(IDS_FTP_UNSAFE_NAME), {name}));
                continue;
            }
            target = localDir_ + name;
        }
        bool yes = true;
        if (!noQuestions && PathFileExistsA(target.c_str())) {
            const std::string question = chosenTarget ? Text(IDS_FTP_ASK_OVERWRITE)
                                                      : FillIn(Text(IDS_FTP_ASK_OVERWRITE_NAMED), {name});
            yes = AskYesNo(question, IDS_FTP_CAPTION_OVERWRITE);
        }
        if (!yes)
            continue;
        const bool ascii = IsAsciiTransfer(name);
        if (connection_.Get(remoteDir_ + name, target, ascii)) {
            AppendFtpLog(FillIn(Text(ascii ? IDS_FTP_DOWNLOADED_ASCII : IDS_FTP_DOWNLOADED_BINARY), {name}));
        } else {
            NoteFailure();
            Tell(FillIn(Text(IDS_FTP_DOWNLOAD_FAILED), {name}), IDS_CAPTION_ERROR);
        }
    }
    downloadTarget_.clear();
    FillLocalList();
}

void FtpTab::FtpUpload() {
    host_.ShowFtpTab();
    std::vector<FtpFileEntry> rows;
    for (const FtpFileEntry* row : local_.Selected())
        rows.push_back(*row);
    if (rows.empty() || !Connected()) {
        if (Connected())
            Tell(Text(IDS_FTP_NOTHING_SELECTED), IDS_CAPTION_ERROR);
        return;
    }
    ShowBusyCursor();
    const bool noQuestions = IsDlgButtonChecked(view_, IDC_NO_OVERWRITE) == BST_CHECKED;
    for (const FtpFileEntry& row : rows) {
        const std::string& name = row.name;
        if (row.isFolder) {
            Tell(Text(IDS_FTP_NO_FOLDER_TRANSFER), IDS_FTP_CAPTION_SORRY);
            continue;
        }
        const bool exists = RemoteFileExists(name);
        if (exists && !noQuestions &&
            !AskYesNo(FillIn(Text(IDS_FTP_ASK_OVERWRITE_NAMED), {name}), IDS_FTP_CAPTION_OVERWRITE))
            continue;
        const bool ascii = IsAsciiTransfer(name);
        if (PutFile(localDir_ + name, name, ascii, exists)) {
            AppendFtpLog(FillIn(Text(ascii ? IDS_FTP_UPLOADED_ASCII : IDS_FTP_UPLOADED_BINARY), {name}));
        } else {
            NoteFailure();
            Tell(FillIn(Text(IDS_FTP_UPLOAD_FAILED), {name}), IDS_CAPTION_ERROR);
        }
    }
    FillRemoteList();
}

void FtpTab::DropUpload(const std::string& path) {
    if (!Connected())
        return;
    const std::string name = FileNameOf(path);
    const FtpProfile* profile = table_.Current();
    const std::string server = profile ? profile->serverName : std::string();
    if (!AskYesNo(FillIn(Text(IDS_FTP_ASK_DROP_UPLOAD), {name, server}), IDS_FTP_CAPTION_TRANSFER))
        return;
    ShowBusyCursor();
    const bool exists = RemoteFileExists(name);
    const bool noQuestions = IsDlgButtonChecked(view_, IDC_NO_OVERWRITE) == BST_CHECKED;
    bool yes = true;
    if (exists && !noQuestions)
        yes = AskYesNo(FillIn(Text(IDS_FTP_ASK_OVERWRITE_NAMED), {name}), IDS_FTP_CAPTION_OVERWRITE);
    if (yes) {
        // The mode follows the whole dropped path.
        const bool ascii = IsAsciiTransfer(path);
        if (PutFile(path, name, ascii, exists)) {
            AppendFtpLog(
                FillIn(Text(ascii ? IDS_FTP_DROP_UPLOADED_ASCII : IDS_FTP_DROP_UPLOADED_BINARY), {name}));
        } else {
            NoteFailure();
            Tell(FillIn(Text(IDS_FTP_UPLOAD_FAILED), {name}), IDS_CAPTION_ERROR);
        }
    }
    FillRemoteList();
}

void FtpTab::DownloadWithSaveDialog(const FtpFileEntry& row) {
    if (!IsSafeLocalName(row.name)) {
        AppendFtpLog(FillIn(Text(IDS_FTP_UNSAFE_NAME), {row.name}));
        return;
    }
    ReadSettings(profile_, settings_, {"FTP/FtpRemoteFileDir"});
    const std::string folder =
        !settings_.ftpRemoteFileDir.empty() && PathFileExistsA(settings_.ftpRemoteFileDir.c_str())
            ? settings_.ftpRemoteFileDir
            : localDir_;
    std::string filter = Text(IDS_FTP_SAVE_FILTER);
    // "|" separates the parts; never the second byte of a double-byte character.
    for (size_t i = 0; i < filter.size(); i += CharLength(filter, i)) {
        if (filter[i] == '|' && CharLength(filter, i) == 1)
            filter[i] = '\0';
    }
    std::vector<char> file(32768, '\0');
    row.name.copy(file.data(), file.size() - 1);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = view_;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.c_str();
    dialog.Flags = OFN_HIDEREADONLY;
    if (!GetSaveFileNameA(&dialog))
        return;
    downloadTarget_.assign(file.data());
    settings_.ftpRemoteFileDir = FolderOf(downloadTarget_);
    WriteSettings(profile_, settings_, {"FTP/FtpRemoteFileDir"});
    // The download works on the selection: make it this row only.
    remote_.SelectOnly({row.name});
    FtpDownload();
}

} // namespace quiltmark
