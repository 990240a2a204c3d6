// The FTP tab's connection: connect through the settings dialog, disconnect,
// the status callback and the log.
#include "FtpTab.h"

#include <shlwapi.h>

#include "FtpSettingsDlg.h"
#include "ResourceText.h"
#include "SettingsIo.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

// WinINet calls the status callback without the view: it reaches the tab
// through this one pointer, set when the tab is initialised.
FtpTab* activeTab = nullptr;

constexpr int kNavigationButtons[] = {IDC_LOCAL_UP, IDC_REMOTE_UP, IDC_LOCAL_BROWSE, IDC_REMOTE_GO};
constexpr int kFtpTabIndex = 2;

UINT StatusTextId(SessionStatus status) {
    switch (status) {
    case SessionStatus::ResolvingName:
        return IDS_FTP_STATUS_RESOLVING;
    case SessionStatus::NameResolved:
        return IDS_FTP_STATUS_RESOLVED;
    case SessionStatus::ConnectingToServer:
        return IDS_FTP_STATUS_CONNECTING;
    case SessionStatus::ConnectedToServer:
        return IDS_FTP_STATUS_CONNECTED;
    case SessionStatus::ClosingConnection:
        return IDS_FTP_STATUS_CLOSING;
    case SessionStatus::ConnectionClosed:
        return IDS_FTP_STATUS_CLOSED;
    default:
        return 0;
    }
}

} // namespace

void CALLBACK FtpStatusCallback(HINTERNET, DWORD_PTR, DWORD status, LPVOID information, DWORD length) {
    if (activeTab)
        activeTab->OnStatus(status, information, length);
}

FtpTab::FtpTab(HINSTANCE instance, ProfileStore& profile, Settings& settings, FtpTabHost& host)
    : instance_(instance), profile_(profile), settings_(settings), host_(host) {}

void FtpTab::Initialise(HWND view) {
    view_ = view;
    activeTab = this;
    busyCursor_ = LoadCursorA(instance_, MAKEINTRESOURCEA(IDC_BUSYCURSOR));
    table_ = ProfileTableFromSettings(settings_);

    const std::string headers[kColumnCount] = {Text(IDS_FTP_COLUMN_NAME), Text(IDS_FTP_COLUMN_DATE),
                                               Text(IDS_FTP_COLUMN_SIZE), Text(IDS_FTP_COLUMN_TYPE)};
    const char* headerTexts[kColumnCount] = {headers[0].c_str(), headers[1].c_str(), headers[2].c_str(),
                                             headers[3].c_str()};
    HICON smallFolder = static_cast<HICON>(
        LoadImageA(instance_, MAKEINTRESOURCEA(IDI_FOLDER), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    HICON largeFolder = static_cast<HICON>(
        LoadImageA(instance_, MAKEINTRESOURCEA(IDI_FOLDER), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    local_.Attach(Item(IDC_LOCAL_LIST), smallFolder, largeFolder, headerTexts);
    remote_.Attach(Item(IDC_REMOTE_LIST), smallFolder, largeFolder, headerTexts);
    DestroyIcon(smallFolder);
    DestroyIcon(largeFolder);

    SetDlgItemTextA(view_, IDC_FTP_LOG, Text(IDS_FTP_LOG_START).c_str());
    SetNavigationEnabled(false);

    // Automatic mode first, so that the default extension list is stored
    // before the stored button states take over.
    CheckRadioButton(view_, IDC_MODE_ASCII, IDC_MODE_AUTO, IDC_MODE_AUTO);
    IsAsciiTransfer("dummy.html");
    CheckDlgButton(view_, IDC_NO_OVERWRITE, settings_.overWrite != 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(view_, IDC_MODE_ASCII, settings_.ascii != 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(view_, IDC_MODE_BINARY, settings_.binary != 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(view_, IDC_MODE_AUTO, settings_.both != 0 ? BST_CHECKED : BST_UNCHECKED);
    SetViewMode(settings_.listMode);
}

FtpTab::~FtpTab() {
    if (activeTab == this)
        activeTab = nullptr;
}

std::string FtpTab::Text(UINT id) const {
    return LoadResourceString(instance_, id);
}

bool FtpTab::AskYesNo(const std::string& text, UINT captionId) const {
    return MessageBoxA(view_, text.c_str(), Text(captionId).c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void FtpTab::Tell(const std::string& text, UINT captionId) const {
    MessageBoxA(view_, text.c_str(), Text(captionId).c_str(), MB_OK | MB_ICONINFORMATION);
}

void FtpTab::ShowBusyCursor() const {
    if (busyCursor_)
        SetCursor(busyCursor_);
}

std::string FtpTab::ItemText(int id) const {
    HWND item = Item(id);
    const int length = GetWindowTextLengthA(item);
    std::string text(length > 0 ? length + 1 : 1, '\0');
    const int got = GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
    text.resize(got > 0 ? got : 0);
    return text;
}

void FtpTab::AppendFtpLog(const std::string& line) {
    log_.Append(line);
    ShowLog();
}

void FtpTab::ShowLog() {
    SetWindowTextA(Item(IDC_FTP_LOG), log_.Text().c_str());
    shownLogSize_ = log_.Text().size();
    ScrollLogToEnd();
}

void FtpTab::ScrollLogToEnd() {
    HWND box = Item(IDC_FTP_LOG);
    const LRESULT lines = SendMessageA(box, EM_GETLINECOUNT, 0, 0);
    SendMessageA(box, EM_LINESCROLL, 0, lines);
}

void FtpTab::OnStatus(DWORD status, const void* information, DWORD length) {
    const SessionStatus kind = ClassifyStatus(status);
    if (kind != SessionStatus::Other) {
        std::string line = Text(StatusTextId(kind));
        if (StatusNamesAddress(kind)) {
            // The address comes as text; never read past the length given.
            std::string address;
            if (information && length > 0) {
                const char* text = static_cast<const char*>(information);
                address.assign(text, strnlen(text, length));
            }
            line = FillIn(line, {address});
        }
        log_.Append(line);
        connected_ = ConnectedAfter(kind) ? 1 : 0;
    }
    // WinINet reports statuses for every step of a listing or a transfer;
    // the box is redrawn only when there is a new line to show.
    if (log_.Text().size() != shownLogSize_)
        ShowLog();
}

void FtpTab::SetNavigationEnabled(bool enabled) {
    for (int id : kNavigationButtons)
        EnableWindow(Item(id), enabled);
    SendMessageA(Item(IDC_LOCAL_PATH), EM_SETREADONLY, !enabled, 0);
    SendMessageA(Item(IDC_REMOTE_PATH), EM_SETREADONLY, !enabled, 0);
}

void FtpTab::SaveProfileTable() {
    StoreProfileTable(table_, settings_);
    WriteSettings(profile_, settings_, ProfileTableSettingNames(table_.Count()));
}

void FtpTab::WriteProfileKey(const char* key) {
    if (table_.listPos < 0 || table_.listPos >= table_.Count())
        return;
    StoreProfileTable(table_, settings_);
    WriteSettings(profile_, settings_, {std::string("FTP/") + key + std::to_string(table_.listPos)});
}

void FtpTab::NoteFailure() {
    // The error codes of a dropped connection differ between WinINet
    // versions: a failing command on the control connection tells for sure.
    if (!connected_ || connection_.CurrentDirectory())
        return;
    connected_ = 0;
    AppendFtpLog(Text(IDS_FTP_CONNECTION_LOST));
}

void FtpTab::FtpConnect() {
    SendMessageA(Item(IDC_TAB), TCM_SETCURFOCUS, kFtpTabIndex, 0);
    bool go = true;
    if (connected_ == 1) {
        if (AskYesNo(Text(IDS_FTP_ASK_DISCONNECT), IDS_FTP_CAPTION_DISCONNECT))
            FtpDisconnect();
        else
            go = false;
    }
    if (go) {
        FtpSettingsDlg dialog(instance_, table_);
        go = dialog.DoModal(GetAncestor(view_, GA_ROOT)) == IDOK;
    }
    const FtpProfile* profile = table_.Current();
    if (go && profile) {
        ShowBusyCursor();
        connection_.CloseAll();
        UINT failure = 0;
        if (!connection_.OpenInternet())
            failure = IDS_FTP_OPEN_FAILED;
        else if (!connection_.SetCallback(FtpStatusCallback))
            failure = IDS_FTP_CALLBACK_FAILED;
        else if (!connection_.Connect(profile->serverName, profile->account, profile->passwd,
                                      profile->passive != 0))
            failure = IDS_FTP_CONNECT_FAILED;
        if (failure) {
            AppendFtpLog(Text(failure));
            connected_ = 0;
            FtpDisconnect();
        } else {
            const bool last = profile->isDirLast == 1;
            localDir_ = last ? profile->localLastDir : profile->localFirstDir;
            remoteDir_ = last ? profile->remoteLastDir : profile->remoteFirstDir;
            FillLocalList();
            FillRemoteList();
            SetNavigationEnabled(true);
        }
    }
    SaveProfileTable();
}

void FtpTab::FtpDisconnect() {
    SendMessageA(Item(IDC_TAB), TCM_SETCURFOCUS, kFtpTabIndex, 0);
    local_.Clear();
    remote_.Clear();
    SetDlgItemTextA(view_, IDC_LOCAL_PATH, "");
    SetDlgItemTextA(view_, IDC_REMOTE_PATH, "");
    SetNavigationEnabled(false);
    CloseHandles();
    // The closing statuses normally clear the flag; a WinINet that does not
    // report them must not leave the tab looking connected.
    connected_ = 0;
}

void FtpTab::ToggleConnection() {
    host_.ShowFtpTab();
    FtpDisconnect();
    FtpConnect();
}

void FtpTab::CloseHandles() {
    connection_.CloseAll();
}

} // namespace quiltmark
