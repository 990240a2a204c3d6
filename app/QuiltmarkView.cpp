// The main view: creation, the initial update with the start-up document, and
// its message handling.
#include "QuiltmarkView.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <vector>

#include "Automation.h"
#include "MainFrame.h"
#include "MenuTexts.h"
#include "PathRules.h"
#include "PreviewFile.h"
#include "RecentFiles.h"
#include "ResourceText.h"
#include "SettingsIo.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);

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
      host_(editorApi_, *this), inserter_(editorApi_), ftp_(instance, profile, settings_, *this),
      programFolder_(std::move(programFolder)), insertionDialogs_(instance, frame.Hwnd()),
      insertions_(*this, insertionDialogs_, settings_.aHrefFileDir, settings_.imgFileDir) {
    settings_.programFolder = programFolder_;
    AddCommands();
    AddDocumentCommands();
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
    // A start-up file named like the preview file is refused; the program
    // then starts as without a file.
    const std::string startupFile = RefusePreviewFile(commandLineFile) ? std::string() : commandLineFile;
    ReadDocumentSettings(profile_, settings_, !startupFile.empty());
    LoadStartupDocument(startupFile);
    NavigatePreview();
    AttachSplitters();
    ReadFtpSettings(profile_, settings_, documentFolder_);
    ftp_.Initialise(Hwnd());
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

void CQuiltmarkView::InsertTag(std::string start, std::string end) {
    const InsertionContext context{mode_.EditorActive(), settings_.chkSmallTag != 0};
    inserter_.InsertTag(std::move(start), std::move(end), context);
}

void CQuiltmarkView::SetFrameTitle(const std::string& title, bool shortForm) {
    shortTitleShown_ = shortForm;
    // Every keystroke sets the title; a title that is already shown is not
    // sent to the window system again.
    const int length = GetWindowTextLengthA(frame_.Hwnd());
    if (length == static_cast<int>(title.size())) {
        std::string shown(static_cast<size_t>(length) + 1, '\0');
        shown.resize(static_cast<size_t>(GetWindowTextA(frame_.Hwnd(), shown.data(), length + 1)));
        if (shown == title)
            return;
    }
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
    if (OnFtpMessage(message, wParam, lParam, result))
        return true;
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
    case WM_TIMER:
        if (wParam != kTitleCheckTimer)
            return false;
        RunTitleCheck();
        return true;
    case kTitleCheckResultMessage:
        ApplyTitleCheck(static_cast<std::uint64_t>(wParam), lParam != 0);
        return true;
    default:
        return false;
    }
}

} // namespace quiltmark
