// The FTP settings dialog.
#include "FtpSettingsDlg.h"

#include <commctrl.h>

#include <string>

#include "FileDialogs.h"
#include "FtpLog.h"
#include "FtpPaths.h"
#include "ResourceText.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

std::string TextOf(HWND control) {
    const int length = GetWindowTextLengthA(control);
    std::string text(length > 0 ? length + 1 : 1, '\0');
    const int got = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    text.resize(got > 0 ? got : 0);
    return text;
}

} // namespace

FtpSettingsDlg::FtpSettingsDlg(HINSTANCE instance, FtpProfileTable& table)
    : Dialog(instance, IDD_FTPSETTINGS), form_(table) {}

// The list loads an entry when the mouse button is released over it, not when
// the keyboard moves the selection.
LRESULT CALLBACK FtpSettingsDlg::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR) {
    if (message == WM_LBUTTONUP)
        PostMessageA(GetParent(list), kListClicked, 0, 0);
    return DefSubclassProc(list, message, wParam, lParam);
}

BOOL FtpSettingsDlg::OnInitDialog() {
    SetWindowSubclass(Item(IDC_FTPSET_LIST), ListProc, 0, 0);
    ShowList();
    ShowFields();
    return TRUE;
}

void FtpSettingsDlg::ShowList() {
    HWND list = Item(IDC_FTPSET_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < form_.ItemCount(); ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(form_.ItemText(i).c_str()));
    SendMessageA(list, LB_SETCURSEL, form_.Selection(), 0);
}

void FtpSettingsDlg::ShowFields() {
    showing_ = true;
    HWND dialog = Hwnd();
    SetDlgItemTextA(dialog, IDC_FTPSET_SERVER, form_.fields.server.c_str());
    SetDlgItemTextA(dialog, IDC_FTPSET_ACCOUNT, form_.fields.account.c_str());
    SetDlgItemTextA(dialog, IDC_FTPSET_PASSWORD, form_.fields.passwd.c_str());
    SetDlgItemTextA(dialog, IDC_FTPSET_LOCAL, form_.fields.localFirstDir.c_str());
    SetDlgItemTextA(dialog, IDC_FTPSET_REMOTE, form_.fields.remoteFirstDir.c_str());
    CheckDlgButton(dialog, IDC_FTPSET_DIRLAST, form_.fields.isDirLast ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_FTPSET_PASSIVE, form_.fields.passive ? BST_CHECKED : BST_UNCHECKED);
    showing_ = false;
    ShowConfirmation();
}

void FtpSettingsDlg::TakeFields() {
    form_.fields.server = TextOf(Item(IDC_FTPSET_SERVER));
    form_.fields.account = TextOf(Item(IDC_FTPSET_ACCOUNT));
    form_.fields.passwd = TextOf(Item(IDC_FTPSET_PASSWORD));
    form_.fields.localFirstDir = TextOf(Item(IDC_FTPSET_LOCAL));
    form_.fields.remoteFirstDir = TextOf(Item(IDC_FTPSET_REMOTE));
    form_.fields.isDirLast = IsDlgButtonChecked(Hwnd(), IDC_FTPSET_DIRLAST) == BST_CHECKED ? 1 : 0;
    form_.fields.passive = IsDlgButtonChecked(Hwnd(), IDC_FTPSET_PASSIVE) == BST_CHECKED ? 1 : 0;
}

void FtpSettingsDlg::ShowConfirmation() {
    TakeFields();
    const bool update = form_.WouldUpdate();
    const std::string name = form_.fields.server + " (" + form_.fields.account + ")";
    SetDlgItemTextA(
        Hwnd(), IDC_FTPSET_REGISTER,
        LoadResourceString(Instance(), update ? IDS_FTP_UPDATE_BUTTON : IDS_FTP_NEW_BUTTON).c_str());
    const std::string note =
        LoadResourceString(Instance(), update ? IDS_FTP_UPDATE_NOTE : IDS_FTP_NEW_NOTE) + "\n" + name;
    SetDlgItemTextA(Hwnd(), IDC_FTPSET_CONFIRM, note.c_str());
    EnableWindow(Item(IDC_FTPSET_REGISTER), form_.CanRegister());
}

void FtpSettingsDlg::Report(FormOutcome outcome) {
    UINT text = 0;
    if (outcome == FormOutcome::TableFull)
        text = IDS_FTP_TABLE_FULL;
    else if (outcome == FormOutcome::MissingInput)
        text = form_.ItemCount() > 0 ? IDS_FTP_INPUT_MISSING_LIST : IDS_FTP_INPUT_MISSING;
    if (text) {
        MessageBoxA(Hwnd(), LoadResourceString(Instance(), text).c_str(),
                    LoadResourceString(Instance(), IDS_CAPTION_ERROR).c_str(), MB_OK | MB_ICONINFORMATION);
    }
}

void FtpSettingsDlg::RegisterButton() {
    TakeFields();
    const int before = form_.ItemCount();
    bool changedRemote = false;
    const FormOutcome outcome = form_.Register(&changedRemote);
    if (outcome != FormOutcome::Done) {
        // The register button's own check names only the required fields.
        if (outcome == FormOutcome::MissingInput)
            MessageBoxA(Hwnd(), LoadResourceString(Instance(), IDS_FTP_INPUT_MISSING).c_str(),
                        LoadResourceString(Instance(), IDS_CAPTION_ERROR).c_str(),
                        MB_OK | MB_ICONINFORMATION);
        else
            Report(outcome);
        return;
    }
    if (changedRemote)
        SetDlgItemTextA(Hwnd(), IDC_FTPSET_REMOTE, form_.fields.remoteFirstDir.c_str());
    if (form_.ItemCount() > before) {
        SendMessageA(Item(IDC_FTPSET_LIST), LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(form_.ItemText(form_.ItemCount() - 1).c_str()));
        SendMessageA(Item(IDC_FTPSET_LIST), LB_SETCURSEL, form_.Selection(), 0);
    }
    ShowConfirmation();
}

void FtpSettingsDlg::ConnectButton() {
    TakeFields();
    const FormOutcome outcome = form_.Connect();
    if (outcome != FormOutcome::Done) {
        Report(outcome);
        return;
    }
    End(IDOK);
}

void FtpSettingsDlg::BrowseButton() {
    const std::optional<std::string> chosen = ChooseFolder(
        Hwnd(), LoadResourceString(Instance(), IDS_FTP_BROWSE_FIRST), TextOf(Item(IDC_FTPSET_LOCAL)));
    if (chosen)
        SetDlgItemTextA(Hwnd(), IDC_FTPSET_LOCAL, (*chosen + "\\").c_str());
}

void FtpSettingsDlg::OnCommand(int id, int code) {
    switch (id) {
    case IDC_FTPSET_LIST:
        if (code == LBN_DBLCLK) {
            form_.Select(static_cast<int>(SendMessageA(Item(IDC_FTPSET_LIST), LB_GETCURSEL, 0, 0)));
            ShowFields();
        }
        break;
    case IDC_FTPSET_SERVER:
    case IDC_FTPSET_ACCOUNT:
    case IDC_FTPSET_PASSWORD:
        if (code == EN_CHANGE && !showing_)
            ShowConfirmation();
        break;
    case IDC_FTPSET_NEW:
        TakeFields();
        form_.NewEntry();
        ShowFields();
        SetFocus(Item(IDC_FTPSET_SERVER));
        break;
    case IDC_FTPSET_DELETE:
        TakeFields();
        form_.Delete();
        ShowList();
        if (form_.ItemCount() > 0)
            ShowFields();
        else
            ShowConfirmation();
        break;
    case IDC_FTPSET_BROWSE:
        BrowseButton();
        break;
    case IDC_FTPSET_LASTDIR:
        form_.ShowLastDir();
        SetDlgItemTextA(Hwnd(), IDC_FTPSET_REMOTE, form_.fields.remoteFirstDir.c_str());
        break;
    case IDC_FTPSET_REGISTER:
        RegisterButton();
        break;
    default:
        break;
    }
}

bool FtpSettingsDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_COMMAND) {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == IDOK && code == BN_CLICKED) {
            ConnectButton();
            result = TRUE;
            return true;
        }
        if (id == IDCANCEL && code == BN_CLICKED) {
            form_.Close();
            End(IDCANCEL);
            result = TRUE;
            return true;
        }
        OnCommand(id, code);
        return false;
    }
    if (message == kListClicked) {
        form_.Select(static_cast<int>(SendMessageA(Item(IDC_FTPSET_LIST), LB_GETCURSEL, 0, 0)));
        ShowFields();
        result = TRUE;
        return true;
    }
    if (message == WM_DESTROY)
        RemoveWindowSubclass(Item(IDC_FTPSET_LIST), ListProc, 0);
    (void)lParam;
    return false;
}

} // namespace quiltmark
