// Helpers of the FTP tab's end-to-end tests.
#include "FtpUiSupport.h"

#include <cstdio>

#include "Automation.h"
#include "resource_ids.h"

using namespace quiltmark::automation;

namespace ftpui {
namespace {

std::string serverRoot;
std::string serverAddress = "127.0.0.21";

struct TitledSearch {
    DWORD processId;
    const char* className;
    std::string title;
    HWND found;
};

BOOL CALLBACK FindTitled(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<TitledSearch*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->processId || !IsWindowVisible(hwnd))
        return TRUE;
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpA(name, search->className) != 0)
        return TRUE;
    if (search->title.empty() || AppSession::TextOf(hwnd) == search->title) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

void SetServerRoot(const std::string& unixPath) {
    // Wine shows the Linux root as drive Z:.
    serverRoot = "Z:" + unixPath;
    for (char& c : serverRoot) {
        if (c == '/')
            c = '\\';
    }
    if (serverRoot.back() != '\\')
        serverRoot += '\\';
}

void SetServerAddress(const std::string& address) {
    serverAddress = address;
}

const std::string& ServerAddress() {
    return serverAddress;
}

std::string Home(const std::string& account) {
    return serverRoot + account + "\\";
}

std::string ReadBytes(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return "<absent>";
    std::string bytes;
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    std::fclose(file);
    return bytes;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    std::fclose(file);
    return ok;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

FtpSession::FtpSession(const std::string& account, const std::string& remote, bool passive,
                       const std::string& password)
    : account_(account) {
    CreateDirectoryA(LocalFolder().c_str(), nullptr);
    // The password in its stored form: each byte times 47 minus 5.
    std::string stored = ",";
    for (char c : password)
        stored += std::to_string(static_cast<signed char>(c) * 47 - 5) + ",";
    SetIni("FTP", "ListTotal", "1");
    SetIni("FTP", "ListPos", "0");
    SetIni("FTP", "ServerName0", serverAddress);
    SetIni("FTP", "Account0", account);
    SetIni("FTP", "Passwd0", stored);
    SetIni("FTP", "LocalFirstDir0", LocalFolder());
    SetIni("FTP", "RemoteFirstDir0", remote);
    SetIni("FTP", "Passive0", passive ? "1" : "0");
}

bool FtpSession::Launch() {
    return Start() && WaitForFrame() != nullptr;
}

HWND FtpSession::WaitForWindow(const char* className, const std::string& title, DWORD timeoutMs) const {
    TitledSearch search{GetProcessId(Process()), className, title, nullptr};
    WaitUntil(
        [&] {
            search.found = nullptr;
            EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

HWND FtpSession::WaitForSettingsDialog() const {
    return WaitForWindow("#32770", "FTPの設定");
}

bool FtpSession::Connect() {
    PostCommand(ID_FTP_CONNECT);
    HWND dialog = WaitForSettingsDialog();
    if (!dialog)
        return false;
    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    return WaitUntil([&] { return Connected() && Idle(); }, 30000);
}

bool FtpSession::Connected() const {
    return Query(kQueryFtpConnected) == 1;
}

bool FtpSession::Idle() const {
    return Flush();
}

std::string FtpSession::Answer(int button, DWORD timeoutMs) const {
    HWND box = nullptr;
    WaitUntil(
        [&] {
            // Message boxes have a static text 0xFFFF; the program's dialogs do not.
            for (HWND candidate : MessageBoxes()) {
                if (GetDlgItem(candidate, 0xFFFF)) {
                    box = candidate;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    if (!box)
        return "<no message box>";
    const std::string text = MessageText(box);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    return text;
}

std::string FtpSession::LogText() const {
    return TextOf(GetDlgItem(View(), IDC_FTP_LOG));
}

bool FtpSession::LogContains(const std::string& text) const {
    return LogText().find(text) != std::string::npos;
}

bool FtpSession::WaitForLog(const std::string& text, DWORD timeoutMs) const {
    return WaitUntil([&] { return LogContains(text); }, timeoutMs);
}

int FtpSession::Rows(int list) const {
    return static_cast<int>(Query(kQueryFtpRowCount, list));
}

namespace {

LRESULT CopyRequest(HWND view, unsigned long request, const std::vector<std::string>& names) {
    std::string data;
    for (const std::string& name : names)
        data += name + "\n";
    COPYDATASTRUCT copy{};
    copy.dwData = request;
    copy.cbData = static_cast<DWORD>(data.size());
    copy.lpData = data.data();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(view, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_NORMAL, 10000,
                             &result))
        return -1000;
    return static_cast<LRESULT>(result);
}

} // namespace

int FtpSession::Position(int list, const std::string& name) const {
    return static_cast<int>(CopyRequest(View(), kCopyFtpFindRow + list, {name}));
}

int FtpSession::Select(int list, const std::vector<std::string>& names) const {
    return static_cast<int>(CopyRequest(View(), kCopyFtpSelectRows + list, names));
}

std::string FtpSession::PathText(int editId) const {
    return TextOf(GetDlgItem(View(), editId));
}

void FtpSession::EnterPath(int editId, const std::string& path) const {
    HWND edit = GetDlgItem(View(), editId);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostKey(edit, VK_RETURN);
    Flush();
}

bool FtpSession::WaitForRow(int list, const std::string& name, bool present, DWORD timeoutMs) const {
    return WaitUntil([&] { return (Position(list, name) >= 0) == present; }, timeoutMs);
}

} // namespace ftpui
