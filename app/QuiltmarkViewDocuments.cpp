// The document commands of the view: the start-up document, new, open, open
// text as HTML, the recent files, save and save as, and the unsaved-changes
// prompt before anything replaces the document. The rules live in
// documents/; this file routes the commands to them and to the dialogs.
#include "QuiltmarkView.h"

#include <shlwapi.h>

#include "DocumentNames.h"
#include "DocumentTemplate.h"
#include "DocumentText.h"
#include "FileDialogs.h"
#include "MainFrame.h"
#include "PathRules.h"
#include "PreviewFile.h"
#include "RecentFiles.h"
#include "ResourceText.h"
#include "SettingsIo.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

UINT ProblemTextId(FileProblem problem) {
    switch (problem) {
    case FileProblem::NotFound:
        return IDS_FILE_NOT_FOUND;
    case FileProblem::FolderMissing:
        return IDS_WRITE_NO_FOLDER;
    case FileProblem::IsFolder:
        return IDS_FILE_IS_FOLDER;
    case FileProblem::ReadOnly:
        return IDS_FILE_READ_ONLY;
    case FileProblem::AccessDenied:
        return IDS_WRITE_DENIED;
    case FileProblem::InUse:
        return IDS_FILE_IN_USE;
    case FileProblem::DiskFull:
        return IDS_WRITE_DISK_FULL;
    case FileProblem::TooLarge:
        return IDS_FILE_TOO_LARGE;
    default:
        return IDS_FILE_OTHER;
    }
}

} // namespace

void CQuiltmarkView::AddDocumentCommands() {
    commands_.Add(ID_FILE_NEW, "file.new", [this] { NewDocument(); })
        .Add(ID_FILE_OPEN, "file.open", [this] { OpenCommand(false); })
        .Add(ID_FILE_OPEN_TEXT_AS_HTML, "file.openTextAsHtml", [this] { OpenCommand(true); })
        .Add(ID_FILE_SAVE, "file.save", [this] { Save(); })
        .Add(ID_FILE_SAVE_AS, "file.saveAs", [this] { SaveAs(); })
        .Add(ID_FILE_RELOAD_SJIS, "file.reloadSjis", [this] { ReloadAsShiftJis(); });
    commands_.AddRange(ID_FILE_RECENT_1, kRecentFileCount, "file.recent", [this](int n) { OpenRecent(n); });
}

int CQuiltmarkView::Ask(UINT textId, UINT captionId, UINT buttons) {
    return MessageBoxA(frame_.Hwnd(), LoadResourceString(Instance(), textId).c_str(),
                       LoadResourceString(Instance(), captionId).c_str(), buttons | MB_ICONINFORMATION);
}

void CQuiltmarkView::ReportFileProblem(UINT headline, const std::string& path, const FileResult& result,
                                       UINT tail) {
    std::string message = LoadResourceString(Instance(), headline);
    while (!message.empty() && message.back() == '\n')
        message.pop_back();
    message += "\n\n" + path + "\n";
    if (!result.ok()) {
        message += LoadResourceString(Instance(), IDS_WRITE_REASON) +
                   LoadResourceString(Instance(), ProblemTextId(result.problem));
        if (result.problem == FileProblem::Other && result.error != 0)
            message +=
                " (" + LoadResourceString(Instance(), IDS_ERROR_NUMBER) + std::to_string(result.error) + ")";
        message += "\n";
    }
    message += "\n" + LoadResourceString(Instance(), tail);
    MessageBoxA(frame_.Hwnd(), message.c_str(), LoadResourceString(Instance(), IDS_CAPTION_ERROR).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

void CQuiltmarkView::MarkSaved(const std::string& text) {
    // The text now on disk (or just loaded) is the saved text; any title test
    // still under way is about the old one.
    modified_.SetSaved(text);
    ++changeTicket_;
    titleCheckPending_ = false;
    SetFrameTitle(fullTitle_);
}

void CQuiltmarkView::StoreRecentFiles() {
    WriteSettings(profile_, settings_, RecentFileKeys());
}

bool CQuiltmarkView::RefusePreviewFile(const std::string& path) {
    if (path.empty() || !IsPreviewFileName(path))
        return false;
    Ask(IDS_EDIT_FILE_REFUSED, IDS_CAPTION_CONFIRM, MB_OK);
    return true;
}

void CQuiltmarkView::LoadStartupDocument(const std::string& commandLineFile) {
    if (!commandLineFile.empty()) {
        previewPath_ = PreviewFilePath(FolderOf(commandLineFile));
        if (OpenDocumentFile(commandLineFile))
            return;
        // An unreadable file leaves an empty, unnamed document in its folder.
        const std::string folder = FolderOf(commandLineFile);
        documentFolder_ = !folder.empty() && PathIsDirectoryA(folder.c_str()) ? folder : programFolder_;
    } else {
        documentFolder_ = settings_.fileDir;
        if (documentFolder_.empty() || !PathFileExistsA(documentFolder_.c_str()))
            documentFolder_ = programFolder_;
    }
    currentPath_.clear();
    previewPath_ = PreviewFilePath(documentFolder_);
    SetDocument("", documentFolder_);
}

bool CQuiltmarkView::OpenDocumentFile(const std::string& path, bool forceConversion) {
    AddRecentFile(settings_.recentFiles, path);
    StoreRecentFiles();

    // Nothing of the current document changes until the file has been read
    // whole and can be held by the editor.
    std::string bytes;
    const FileResult read = ReadWholeFile(path, bytes);
    if (!read.ok()) {
        ReportFileProblem(IDS_OPEN_FAILED, path, read, IDS_READ_FAILED_KEPT);
        return false;
    }
    if (HoldsNulByte(bytes)) {
        ReportFileProblem(IDS_READ_HOLDS_NUL, path, {}, IDS_READ_FAILED_KEPT);
        return false;
    }
    std::string text = TextFromFileBytes(bytes);
    bytes = std::string();

    currentPath_ = path;
    const bool convert =
        forceConversion ||
        (ExtensionOf(path) == "txt" && Ask(IDS_CONVERT_QUESTION, IDS_CAPTION_CONVERT, MB_YESNO) == IDYES);
    if (convert) {
        text = TextAsHtmlDocument(text);
        DeletePreviewFile();
    }
    documentFolder_ = FolderOf(path);
    previewPath_ = PreviewFilePath(documentFolder_);
    SetDocument(text, path);
    if (convert) {
        // A converted text has no name of its own: its first save asks for one.
        currentPath_.clear();
        fullTitle_ = documentFolder_;
        shortTitle_ = LoadResourceString(Instance(), IDS_NO_FILE_NAME);
        SetFrameTitle(fullTitle_);
    }
    return true;
}

void CQuiltmarkView::SetDocument(const std::string& text, const std::string& path) {
    host_.BookmarkSlots().Reset();
    editorApi_.NimbetSetText(EditorHost::kEditorId, text.c_str());
    shortTitle_ = ShortTitleOf(path, LoadResourceString(Instance(), IDS_NO_FILE_NAME));
    fullTitle_ = path;
    MarkSaved(text);
    const std::string editorText = EditorText();
    WritePreview(editorText);
    if (settings_.isAutoBackUp == 1)
        WriteBackup(editorText, CurrentLocalMinute());
    NavigatePreview();
    if (mode_.currentTab == kFtpTab && !mode_.twoPaneOn)
        SelectTab(kSourceTab);
}

void CQuiltmarkView::NewDocument() {
    const std::string page = NewDocumentTemplate(settings_.chkSmallTag != 0);
    if (!CheckUnsavedChanges())
        return;
    std::string text;
    if (settings_.isNewHtmlFile == 1) {
        documentFolder_ = programFolder_;
    } else {
        const auto folder =
            ChooseFolder(frame_.Hwnd(), LoadResourceString(Instance(), IDS_FOLDER_PROMPT), documentFolder_);
        if (!folder)
            return;
        documentFolder_ = FolderWithSeparator(*folder);
        text = page;
    }
    DeletePreviewFile();
    currentPath_.clear();
    previewPath_ = PreviewFilePath(documentFolder_);
    SetDocument(text, documentFolder_);
}

void CQuiltmarkView::OpenCommand(bool textAsHtml) {
    if (!CheckUnsavedChanges())
        return;
    FileDialogRequest request;
    request.filter = LoadResourceString(Instance(), textAsHtml ? IDS_FILTER_TEXT : IDS_FILTER_OPEN);
    request.defaultExtension = textAsHtml ? "txt" : "html";
    request.initialFolder = documentFolder_;
    const auto path = ChooseFileToOpen(frame_.Hwnd(), request);
    if (!path || RefusePreviewFile(*path))
        return;
    DeletePreviewFile();
    OpenDocumentFile(*path, textAsHtml);
}

void CQuiltmarkView::OpenRecent(int slot) {
    if (slot < 0 || slot >= kRecentFileCount)
        return;
    // The first item stands greyed in an empty list.
    if (slot == 0 && NoRecentFiles(settings_.recentFiles))
        return;
    if (!CheckUnsavedChanges())
        return;
    const std::string path = settings_.recentFiles[slot];
    if (!path.empty() && PathFileExistsA(path.c_str())) {
        if (RefusePreviewFile(path))
            return;
        DeletePreviewFile();
        OpenDocumentFile(path);
        return;
    }
    Ask(IDS_RECENT_MISSING, IDS_CAPTION_OPEN_FAILED, MB_OK);
    RemoveRecentFile(settings_.recentFiles, slot);
    StoreRecentFiles();
}

bool CQuiltmarkView::Save() {
    if (currentPath_.empty())
        return SaveAs();
    const std::string text = EditorText();
    if (!WriteDocument(currentPath_, text))
        return false;
    fullTitle_ = currentPath_;
    MarkSaved(text);
    return true;
}

bool CQuiltmarkView::SaveAs() {
    FileDialogRequest request;
    request.filter = LoadResourceString(Instance(), IDS_FILTER_SAVE);
    request.defaultExtension = "html";
    request.initialName = LoadResourceString(Instance(), IDS_NEW_PAGE_NAME);
    request.initialFolder = documentFolder_;
    const auto path = ChooseFileToSave(frame_.Hwnd(), request);
    if (!path || RefusePreviewFile(*path))
        return false;
    const std::string text = EditorText();
    // The document moves to the new name only once its file is written.
    if (!WriteDocument(*path, text))
        return false;
    DeletePreviewFile();
    fullTitle_ = *path;
    shortTitle_ = ShortTitleOf(*path, LoadResourceString(Instance(), IDS_NO_FILE_NAME));
    MarkSaved(text);
    currentPath_ = *path;
    documentFolder_ = FolderOf(*path);
    previewPath_ = PreviewFilePath(documentFolder_);
    NavigatePreview();
    AddRecentFile(settings_.recentFiles, *path);
    StoreRecentFiles();
    return true;
}

bool CQuiltmarkView::WriteDocument(const std::string& path, const std::string& text) {
    const SavePlan plan = PlanSave(settings_.isCodeMode, nkf_.Present());
    Conversion converted{text, CodeMessage::None};
    if (plan.convert)
        converted = Convert(nkf_, text, plan.option);
    ShowCodeMessage(converted.message);
    const FileResult saved = SaveFileSafely(path, converted.text);
    if (!saved.ok()) {
        ReportFileProblem(IDS_SAVE_FAILED, path, saved, IDS_SAVE_ORIGINAL_KEPT);
        return false;
    }
    if (plan.tellSavedUnconverted)
        ShowCodeMessage(CodeMessage::SavedUnconverted);
    return true;
}

bool CQuiltmarkView::CheckUnsavedChanges() {
    if (!IsModified())
        return true;
    switch (Ask(IDS_UNSAVED_PROMPT, IDS_CAPTION_CAUTION, MB_YESNOCANCEL)) {
    case IDYES:
        // Go on only when the save left nothing unsaved (it may have been
        // cancelled in the dialog or have failed).
        Save();
        return !IsModified();
    case IDNO:
        return true;
    default:
        return false;
    }
}

} // namespace quiltmark
