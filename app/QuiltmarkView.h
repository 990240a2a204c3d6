// The main view: the form that fills the main window, with the tab control,
// the source editor (editor instance 0), the preview area and the FTP tab's
// controls. It holds the program's settings and document state, shows the
// current tab or the two-pane arrangement, and owns the command table of
// almost every menu and toolbar command.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>

#include "BackgroundModifiedCheck.h"
#include "BackupSchedule.h"
#include "CharacterCodes.h"
#include "CommandTable.h"
#include "DocumentFiles.h"
#include "EditorHost.h"
#include "FormView.h"
#include "FtpTab.h"
#include "ModifiedTracker.h"
#include "NimbetEditorApi.h"
#include "NkfLibraryWin.h"
#include "PreviewFile.h"
#include "Settings.h"
#include "Splitter.h"
#include "StructuredInsertions.h"
#include "TagInsertion.h"
#include "ViewKeys.h"
#include "ViewLayout.h"
#include "ViewMode.h"
#include "WebBrowser2.h"
#include "Win32InsertionDialogs.h"

namespace quiltmark {

class CMainFrame;
class ProfileStore;

class CQuiltmarkView : public FormView, private EditorHostSite, private InsertionSite, private FtpTabHost {
  public:
    // Posted to itself: shows the message about a preview that could not be written.
    static constexpr UINT kShowPreviewReportMessage = WM_APP + 0x10;
    // The timer that runs the full modified test for the title once the
    // input has been handled.
    static constexpr UINT_PTR kTitleCheckTimer = 0x7201;
    // Posted by the background modified test: wParam = ticket, lParam = 1
    // when modified.
    static constexpr UINT kTitleCheckResultMessage = WM_APP + 0x11;

    CQuiltmarkView(HINSTANCE instance, ProfileStore& profile, NimbetBinding& nimbet, CMainFrame& frame,
                   std::string programFolder);
    ~CQuiltmarkView() override;

    bool Create(HWND frame);
    // The view's first update: window size, bars, editor, tabs, start-up
    // document, the rest of the settings and the first mode shown.
    void InitialUpdate(const std::string& commandLineFile);

    CommandTable& Commands() { return commands_; }
    Settings& Config() { return settings_; }
    const std::array<std::string, kUserTagCount>& UserTagMenuTexts() const { return userTagMenuTexts_; }
    int TwoPaneKind() const { return mode_.twoPaneKind; }
    // Copies the state that is saved at close into the settings.
    void StoreCloseState();
    // Removes the preview file (at close and before another file is opened),
    // unless it is the document itself.
    void DeletePreviewFile();
    // Enter in the FTP path fields, Tab into the editor, and Right and Down
    // into the editor in two-pane display.
    bool PreTranslateKey(MSG& msg) override;

    // The authoring commands' one way into the editor: start and end texts
    // around the selection, or one text in place of it, as one undoable step.
    void InsertTag(std::string start, std::string end);
    // ---- Documents (QuiltmarkViewDocuments.cpp, QuiltmarkViewCodes.cpp) ----
    // Asked before anything replaces the document: when the document is
    // modified the user chooses to save (go on only when the save succeeded),
    // to discard (go on) or to cancel. True when the caller may go on.
    bool CheckUnsavedChanges();
    // The editor text differs from the text last loaded or saved (compared
    // through NKF32.DLL when it is there).
    bool IsModified();
    // Shows the main window's title: the full title, or the short title while
    // the window is minimised, with " *" when the document is modified.
    void ShowTitle(bool minimised);
    // The save-code commands of the frame: 0 Shift_JIS, 1 EUC-JP, 2 7-bit
    // JIS, 3 UTF-8. Codes other than Shift_JIS need NKF32.DLL.
    void SelectSaveCode(int code);

    // ---- FTP (QuiltmarkViewFtp.cpp)
    // Closes the FTP tab's search, connection and internet handles.
    void CloseFtpHandles();

    // ---- Frame: what the main frame uses, and the option and tool dialogs
    //      (QuiltmarkViewFrame.cpp)
    EditorApi& Editor() { return editorApi_; }

  private:
    void AddFrameCommands();
    void OptionsCommand();
    void ToolsCommand();
    LRESULT AnswerFrameQuery(int query, LPARAM argument);

    // Start-up
    void SetUpTabs();
    std::string EditorText();
    // shortForm tells which of the two titles the text is built from, so that
    // a late marker update keeps the form the window shows.
    void SetFrameTitle(const std::string& title, bool shortForm = false);

    // Documents (QuiltmarkViewDocuments.cpp)
    void AddDocumentCommands();
    void LoadStartupDocument(const std::string& commandLineFile);
    bool OpenDocumentFile(const std::string& path, bool forceConversion = false);
    void SetDocument(const std::string& text, const std::string& path);
    void NewDocument();
    void OpenCommand(bool textAsHtml);
    void OpenRecent(int slot);
    bool RefusePreviewFile(const std::string& path);
    bool Save();
    bool SaveAs();
    bool WriteDocument(const std::string& path, const std::string& text);
    void MarkSaved(const std::string& text);
    void StoreRecentFiles();
    void ReportFileProblem(UINT headline, const std::string& path, const FileResult& result, UINT tail);
    int Ask(UINT textId, UINT captionId, UINT buttons);

    // Character codes and the text-change handling (QuiltmarkViewCodes.cpp)
    void HandleTextChange();
    void ReloadAsShiftJis();
    void ShowCodeMessage(CodeMessage message);
    void UpdateTitleMarker(const std::function<const std::string&()>& text);
    void RunTitleCheck();
    void ApplyTitleCheck(std::uint64_t ticket, bool modified);
    void WriteBackup(const std::string& text, const LocalMinute& time);

    // Modes and layout (QuiltmarkViewModes.cpp)
    void AttachSplitters();
    void ShowCurrentMode();
    void Layout();
    void SelectTab(int tab);
    void ToggleTwoPane(int kind);
    void MovePanes(int barId, int distance);
    void ArrangeFtpIcons();
    void ShowControl(int id, bool show);
    void Place(int id, const Rect& r);

    // Preview file, browser and external tools (QuiltmarkViewPreview.cpp)
    void CreateBrowser();
    void WritePreview();
    void WritePreview(const std::string& text);
    void ReportPreviewFailure(const WriteFailure& failure);
    void ReportWriteFailure(UINT headline, const std::string& path, const WriteFailure& failure, UINT tail);
    void ShowPendingPreviewReport();
    void NavigatePreview();
    void RefreshPreviewCommand();
    void RunToolCommand(int index);

    // Keys and dropped files (QuiltmarkViewInput.cpp)
    void MoveCaretForKey(ViewKey key);
    bool OnPathEnter(int editId);
    void OnDropFiles(HDROP drop);
    void OpenDroppedFile(const std::string& path);
    void UploadDroppedFile(const std::string& path);
    bool FtpConnected() const;

    // Authoring: tag commands, paste as HTML, user tags and the ending
    // transforms (QuiltmarkViewAuthoring.cpp)
    void AddAuthoringCommands();
    void PasteAsHtml();
    void InsertUserTag(int slot);
    void EditUserTags();
    void RefreshUserTagMenuTexts();
    LRESULT AnswerAuthoringQuery(int query, int argument);

    // Notifications and commands (QuiltmarkViewCommands.cpp)
    void AddCommands();
    void OnTextChanged(LPARAM barId, WPARAM distance);
    void ShowEditorMenu();
    void OpenAddress(const char* address, UINT failureMessageId);
    LRESULT AnswerQuery(WPARAM query, LPARAM argument);
    LRESULT CopyEditorText(WPARAM size, LPARAM buffer);

    // Insertion: font, link, image, table, list, date and colour-code
    // commands and their dialogs (QuiltmarkViewInsertion.cpp)
    void AddInsertionCommands();
    bool EditorShowing() override;
    bool SelectedText(std::string& text) override;
    void Insert(std::string start, std::string end) override { InsertTag(std::move(start), std::move(end)); }
    std::string DocumentFolder() override { return documentFolder_; }
    bool FolderExists(const std::string& folder) override;
    std::optional<PixelSize> PictureSize(const std::string& path, PictureProblem& problem) override;
    void ShowPictureNote(PictureProblem problem, const std::string& path) override;
    std::tm LocalTime() override;

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // ---- FTP (QuiltmarkViewFtp.cpp)
    void AddFtpCommands();
    // List notifications, right-click menus and test-driver requests of the
    // FTP tab; true when handled.
    bool OnFtpMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT AnswerFtpQuery(int query, int argument);
    // FtpTabHost
    void ShowFtpTab() override { SelectTab(kFtpTab); }
    bool OpenInEditor(const std::string& path) override;
    std::string DocumentFolder() const override { return documentFolder_; }
    std::string ProgramFolder() const override { return programFolder_; }

    // EditorHostSite
    void WarnOldLibrary() override;
    void FocusSourceTab() override;
    void BrowserBack() override { browser_.GoBack(); }
    void BrowserForward() override { browser_.GoForward(); }

    ProfileStore& profile_;
    CMainFrame& frame_;
    NimbetEditorApi editorApi_;
    EditorHost host_;
    TagInserter inserter_;
    CommandTable commands_;
    Settings settings_;
    HIMAGELIST tabImages_ = nullptr;
    FtpTab ftp_;

    // View state
    ViewMode mode_;
    int splitDirection_ = 1; // 1 side by side, otherwise one above the other
    TwoPaneGeometry panes_;
    int ftpSplit_ = kDefaultWindowWidth / 2;
    int clientWidth_ = kDefaultWindowWidth;
    bool layoutReady_ = false;
    std::array<std::string, kUserTagCount> userTagMenuTexts_;
    int pings_ = 0;

    // The preview browser (control 1002) and the three splitter bars
    CWebBrowser2 browser_;
    CSplitterX ftpBar_;
    CSplitterX sideBar_;
    CSplitterY stackedBar_;
    FailureNotice previewNotice_;
    std::string pendingPreviewReport_;

    // Document state
    std::string programFolder_;
    std::string currentPath_;
    std::string documentFolder_;
    std::string previewPath_;
    std::string fullTitle_;
    std::string shortTitle_;
    bool shortTitleShown_ = false;
    std::string savedText_;

    // Insertion
    Win32InsertionDialogs insertionDialogs_;
    StructuredInsertions insertions_;
    ModifiedTracker modified_;
    BackupSchedule backups_;
    NkfLibraryWin nkf_;
    FailureNotice backupNotice_;
    // Counts the changes of the text and of the saved text; a background
    // answer counts only for the state it was asked about.
    std::uint64_t changeTicket_ = 0;
    int lastChangeMicroseconds_ = 0; // the last text-change handling, for benchmarks
    bool titleCheckPending_ = false;
    BackgroundModifiedCheck titleCheck_{nkf_, [this](std::uint64_t ticket, bool modified) {
                                            PostMessageA(Hwnd(), kTitleCheckResultMessage,
                                                         static_cast<WPARAM>(ticket), modified ? 1 : 0);
                                        }};
};

} // namespace quiltmark
