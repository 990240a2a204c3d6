// The main view: creation, the initial update with the start-up document, and
// its message handling.
#include "QuiltmarkView.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <cstdio>
#include <vector>

#include "Automation.h"
#include "DocumentText.h"
#include "MainFrame.h"
#include "PathRules.h"
#include "PreviewFile.h"
#include "RecentFiles.h"
#include "ResourceText.h"
#include "SettingsIo.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);

bool ReadFileBytes(const std::string& path, std::string& out) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        out.append(chunk, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

// The view's window class: a dialog class under a name test drivers can find.
void RegisterViewClass(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefDlgProcA;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = automation::kViewClass;
    RegisterClassExA(&wc);
}

} // namespace

CQuiltmarkView::CQuiltmarkView(HINSTANCE instance, ProfileStore& profile, NimbetBinding& nimbet,
                               CMainFrame& frame, std::string programFolder)
    : FormView(instance, IDD_QUILTMARK_FORM), profile_(profile), frame_(frame), editorApi_(nimbet),
      host_(editorApi_, *this), inserter_(editorApi_), programFolder_(std::move(programFolder)) {
    settings_.programFolder = programFolder_;
    AddCommands();
}

CQuiltmarkView::~CQuiltmarkView() {
    if (tabImages_)
        ImageList_Destroy(tabImages_);
}

bool CQuiltmarkView::Create(HWND frame) {
    RegisterViewClass(Instance());
    if (!FormView::Create(frame))
        return false;
    DragAcceptFiles(Hwnd(), TRUE);
    return true;
}

void CQuiltmarkView::InitialUpdate(const std::string& commandLineFile) {
    frame_.RecalcLayout();

    // The window takes its stored size where it stands.
    ReadWindowSettings(profile_, settings_);
    SetWindowPos(frame_.Hwnd(), settings_.chkMostFront == 1 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
                 settings_.cx, settings_.cy, SWP_NOMOVE | SWP_NOACTIVATE);
    ftpSplit_ = settings_.ftpSplit;
    clientWidth_ = settings_.cx;

    frame_.ApplyBarSettings(settings_);
    layoutReady_ = true;

    // The view's own initialisation.
    host_.Create(Hwnd(), profile_, settings_, mode_.twoPaneOn);
    SetUpTabs();
    CreateBrowser();
    ReadDocumentSettings(profile_, settings_, !commandLineFile.empty());
    LoadStartupDocument(commandLineFile);
    NavigatePreview();
    AttachSplitters();
    ReadFtpSettings(profile_, settings_, documentFolder_);
    SetUpFtpControls();
    ReadUserTagSettings(profile_, settings_);
    RefreshUserTagMenuTexts();
    ReadToolSettings(profile_, settings_);
    WriteTitleSetting(profile_, settings_, currentPath_.empty() ? documentFolder_ : currentPath_);

    ReadTwoPaneSettings(profile_, settings_);
    mode_.twoPaneOn = settings_.isMyDev != 0;
    mode_.twoPaneKind = settings_.isMyRealTime;
    splitDirection_ = settings_.isMyHowRL;
    ShowCurrentMode();
}

void CQuiltmarkView::SetUpTabs() {
    HWND tab = Item(IDC_TAB);
    tabImages_ = ImageList_LoadImageA(Instance(), MAKEINTRESOURCEA(IDB_TABIMAGES), 18, 0, kTransparent,
                                      IMAGE_BITMAP, LR_CREATEDIBSECTION);
    SendMessageA(tab, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(tabImages_));
    const UINT texts[] = {IDS_TAB_SOURCE, IDS_TAB_PREVIEW, IDS_TAB_FTP};
    for (int i = 0; i < 3; ++i) {
        std::string text = LoadResourceString(Instance(), texts[i]);
        TCITEMA item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = text.data();
        item.iImage = i;
        SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
}

void CQuiltmarkView::SetUpFtpControls() {
    SetDlgItemTextA(Hwnd(), IDC_FTP_LOG, LoadResourceString(Instance(), IDS_FTP_LOG_START).c_str());
    CheckDlgButton(Hwnd(), IDC_NO_OVERWRITE, settings_.overWrite != 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(Hwnd(), IDC_MODE_ASCII, settings_.ascii != 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(Hwnd(), IDC_MODE_BINARY, settings_.binary != 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(Hwnd(), IDC_MODE_AUTO, settings_.both != 0 ? BST_CHECKED : BST_UNCHECKED);
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

bool CQuiltmarkView::OpenDocumentFile(const std::string& path) {
    AddRecentFile(settings_.recentFiles, path);
    WriteSettings(
        profile_, settings_,
        {"File/RecentFile1", "File/RecentFile2", "File/RecentFile3", "File/RecentFile4", "File/RecentFile5"});
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        const std::string message = LoadResourceString(Instance(), IDS_OPEN_FAILED) + path;
        MessageBoxA(frame_.Hwnd(), message.c_str(), LoadResourceString(Instance(), IDS_CAPTION_ERROR).c_str(),
                    MB_OK | MB_ICONINFORMATION);
        return false;
    }
    currentPath_ = path;
    documentFolder_ = FolderOf(path);
    previewPath_ = PreviewFilePath(documentFolder_);
    SetDocument(TextFromFileBytes(bytes), path);
    return true;
}

void CQuiltmarkView::SetDocument(const std::string& text, const std::string& path) {
    host_.BookmarkSlots().Reset();
    editorApi_.NimbetSetText(EditorHost::kEditorId, text.c_str());
    shortTitle_ = FileNameOf(path);
    if (shortTitle_.empty())
        shortTitle_ = LoadResourceString(Instance(), IDS_NO_FILE_NAME);
    fullTitle_ = path;
    savedText_ = text;
    SetFrameTitle(fullTitle_);
    WritePreview();
    NavigatePreview();
    if (mode_.currentTab == kFtpTab && !mode_.twoPaneOn)
        SelectTab(kSourceTab);
}

std::string CQuiltmarkView::EditorText() {
    const int length = editorApi_.NimbetGetTextLength(EditorHost::kEditorId);
    if (length < 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    if (editorApi_.NimbetGetText(EditorHost::kEditorId, buffer.data(), NIMBET_LINECODE_STORED) != NIMBET_OK)
        return {};
    buffer.back() = '\0';
    return std::string(buffer.data());
}

bool CQuiltmarkView::IsModified() {
    return EditorText() != savedText_;
}

// Until the document commands ask the user, a modified text is never replaced.
bool CQuiltmarkView::CheckUnsavedChanges() {
    return !IsModified();
}

void CQuiltmarkView::InsertTag(std::string start, std::string end) {
    const InsertionContext context{mode_.EditorActive(), settings_.chkSmallTag != 0};
    inserter_.InsertTag(std::move(start), std::move(end), context);
}

void CQuiltmarkView::SetFrameTitle(const std::string& title) {
    SetWindowTextA(frame_.Hwnd(), title.c_str());
}

void CQuiltmarkView::StoreCloseState() {
    settings_.isMyDev = mode_.twoPaneOn ? 1 : 0;
    settings_.isMyRealTime = mode_.twoPaneKind;
    settings_.ftpSplit = ftpSplit_;
    settings_.overWrite = IsDlgButtonChecked(Hwnd(), IDC_NO_OVERWRITE) == BST_CHECKED ? 1 : 0;
    settings_.fileDir = documentFolder_;
}

void CQuiltmarkView::WarnOldLibrary() {
    const std::string text = LoadResourceString(Instance(), IDS_OLD_LIBRARY);
    const std::string title = LoadResourceString(Instance(), IDS_APP_TITLE);
    MessageBoxA(frame_.Hwnd(), text.c_str(), title.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void CQuiltmarkView::FocusSourceTab() {
    SendMessageA(Item(IDC_TAB), TCM_SETCURFOCUS, 0, 0);
}

bool CQuiltmarkView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_SIZE:
        if (layoutReady_)
            Layout();
        return true;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_TAB && header->code == TCN_SELCHANGE) {
            mode_.SelectTab(static_cast<int>(SendMessageA(Item(IDC_TAB), TCM_GETCURSEL, 0, 0)));
            ShowCurrentMode();
            return true;
        }
        return false;
    }
    case NIMBET_NOTIFY_TEXT:
        OnTextChanged(lParam, wParam);
        return true;
    case NIMBET_NOTIFY_CONTEXTMENU:
        ShowEditorMenu();
        return true;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return true;
    case WM_COMMAND:
        // Menu items of the editor's menu and clicks on the form's buttons.
        if (HIWORD(wParam) == 0)
            frame_.Router().Execute(LOWORD(wParam));
        return true;
    case WM_INITMENUPOPUP:
    case WM_MENUSELECT:
    case WM_EXITMENULOOP:
        // The editor's popup menu: states and prompts as in the menu bar.
        result = SendMessageA(frame_.Hwnd(), message, wParam, lParam);
        return true;
    case WM_SETFOCUS:
        if (mode_.EditorActive()) {
            editorApi_.NimbetSetFocus(EditorHost::kEditorId);
            return true;
        }
        return false;
    case WM_GETTEXTLENGTH:
        result = editorApi_.NimbetGetTextLength(EditorHost::kEditorId);
        if (result < 0)
            result = 0;
        return true;
    case WM_GETTEXT:
        result = CopyEditorText(wParam, lParam);
        return true;
    case automation::kQueryMessage:
        result = AnswerQuery(wParam, lParam);
        return true;
    case automation::kPingMessage:
        ++pings_;
        return true;
    case kShowPreviewReportMessage:
        ShowPendingPreviewReport();
        return true;
    default:
        return false;
    }
}

} // namespace quiltmark
