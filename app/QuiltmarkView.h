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
#include <string>

#include "CommandTable.h"
#include "EditorHost.h"
#include "FormView.h"
#include "NimbetEditorApi.h"
#include "PreviewFile.h"
#include "Settings.h"
#include "Splitter.h"
#include "TagInsertion.h"
#include "ViewKeys.h"
#include "ViewLayout.h"
#include "ViewMode.h"
#include "WebBrowser2.h"

namespace quiltmark {

class CMainFrame;
class ProfileStore;

class CQuiltmarkView : public FormView, private EditorHostSite {
  public:
    // Posted to itself: shows the message about a preview that could not be written.
    static constexpr UINT kShowPreviewReportMessage = WM_APP + 0x10;

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
    // Asked before anything replaces the document: true when the caller may
    // go on.
    bool CheckUnsavedChanges();

    // ---- Frame: what the main frame uses, and the option and tool dialogs
    //      (QuiltmarkViewFrame.cpp)
    EditorApi& Editor() { return editorApi_; }
    // The window title: the full title, or the short one while minimised,
    // followed by " *" while the text is modified.
    std::string WindowTitle(bool minimised);

  private:
    void AddFrameCommands();
    void OptionsCommand();
    void ToolsCommand();
    LRESULT AnswerFrameQuery(int query, LPARAM argument);

  private:
    // Start-up
    void SetUpTabs();
    void SetUpFtpControls();
    void LoadStartupDocument(const std::string& commandLineFile);
    bool OpenDocumentFile(const std::string& path);
    void SetDocument(const std::string& text, const std::string& path);
    std::string EditorText();
    void SetFrameTitle(const std::string& title);

    bool IsModified();

    // Modes and layout (QuiltmarkViewModes.cpp)
    void AttachSplitters();
    void ShowCurrentMode();
    void Layout();
    void SelectTab(int tab);
    void ToggleTwoPane(int kind);
    void MovePanes(int barId, int distance);
    void ShowControl(int id, bool show);
    void Place(int id, const Rect& r);

    // Preview file, browser and external tools (QuiltmarkViewPreview.cpp)
    void CreateBrowser();
    void WritePreview();
    void WritePreview(const std::string& text);
    void ReportPreviewFailure(const WriteFailure& failure);
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

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

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
    std::string savedText_;
};

} // namespace quiltmark
