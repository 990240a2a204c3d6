// Starting, finding and driving one Quiltmark process.
#include "AppSession.h"

#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <utility>

#include "Automation.h"

namespace {

constexpr DWORD kMessageTimeout = 10000;

std::string ModuleFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p(path);
    return p.substr(0, p.rfind('\\') + 1);
}

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path + "\\");
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->processId)
        return TRUE;
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpA(name, search->className) == 0 && (!search->visibleOnly || IsWindowVisible(hwnd)))
        search->found.push_back(hwnd);
    return TRUE;
}

} // namespace

AppSession::AppSession() : driverFolder_(ModuleFolder()) {
    static int counter = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    char name[64];
    std::snprintf(name, sizeof name, "qm-ui-%lu-%d\\", GetCurrentProcessId(), ++counter);
    folder_ = std::string(temp) + name;
    RemoveTree(folder_);
    CreateDirectoryA(folder_.c_str(), nullptr);
    CopyBinary("Quiltmark.exe", "Quiltmark.exe");
    CopyBinary("Nimbet.dll", "Nimbet.dll");
}

AppSession::AppSession(std::string folder)
    : driverFolder_(ModuleFolder()), folder_(std::move(folder)), ownsFolder_(false) {}

AppSession::~AppSession() {
    if (Running()) {
        Close(5000);
        if (Running())
            TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    if (process_.hProcess) {
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    if (ownsFolder_)
        RemoveTree(folder_);
}

bool AppSession::CopyBinary(const std::string& fromName, const std::string& toName) {
    return CopyFileA((driverFolder_ + fromName).c_str(), (folder_ + toName).c_str(), FALSE) != FALSE;
}

bool AppSession::WriteFile(const std::string& name, const std::string& bytes) {
    FILE* file = std::fopen((folder_ + name).c_str(), "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    std::fclose(file);
    return ok;
}

void AppSession::SetIni(const char* section, const char* key, const std::string& value) {
    WritePrivateProfileStringA(section, key, value.c_str(), IniPath().c_str());
}

std::string AppSession::Ini(const char* section, const char* key) const {
    char value[4096] = {};
    GetPrivateProfileStringA(section, key, "<absent>", value, sizeof value, IniPath().c_str());
    return value;
}

bool AppSession::IniExists() const {
    return GetFileAttributesA(IniPath().c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool AppSession::Start(const std::string& arguments) {
    std::string commandLine = "\"" + folder_ + "Quiltmark.exe\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    frame_ = nullptr;
    return CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(),
                          &startup, &process_) != FALSE;
}

HWND AppSession::WaitForFrame(DWORD timeoutMs) {
    WaitUntil(
        [&] {
            WindowSearch search{process_.dwProcessId, quiltmark::automation::kFrameClass, true, {}};
            EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
            frame_ = search.found.empty() ? nullptr : search.found.front();
            return frame_ != nullptr || !Running();
        },
        timeoutMs);
    return frame_;
}

HWND AppSession::View() const {
    return frame_ ? FindWindowExA(frame_, nullptr, quiltmark::automation::kViewClass, nullptr) : nullptr;
}

HWND AppSession::Child(int id) const {
    return frame_ ? GetDlgItem(frame_, id) : nullptr;
}

std::vector<HWND> AppSession::MessageBoxes() const {
    WindowSearch search{process_.dwProcessId, "#32770", true, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND AppSession::WaitForMessageBox(DWORD timeoutMs) const {
    HWND box = nullptr;
    WaitUntil(
        [&] {
            const auto boxes = MessageBoxes();
            box = boxes.empty() ? nullptr : boxes.front();
            return box != nullptr;
        },
        timeoutMs);
    return box;
}

void AppSession::Command(int id) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(frame_, WM_COMMAND, MAKEWPARAM(id, 0), 0, SMTO_NORMAL, kMessageTimeout, &result);
}

void AppSession::PostCommand(int id) const {
    PostMessageA(frame_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

LRESULT AppSession::Query(int query, LPARAM argument) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(View(), quiltmark::automation::kQueryMessage, query, argument, SMTO_NORMAL,
                             kMessageTimeout, &result))
        return -1000;
    return static_cast<LRESULT>(result);
}

std::string AppSession::TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kMessageTimeout, &length))
        return "<no answer>";
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL,
                        kMessageTimeout, &copied);
    text.resize(copied);
    return text;
}

std::string AppSession::MessageText(HWND box) {
    return TextOf(GetDlgItem(box, 0xFFFF));
}

void AppSession::PressOk(HWND box) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
}

HWND AppSession::Editor() const {
    return FindWindowExA(View(), nullptr, "NimbetTextEidtorControlForWin32", nullptr);
}

RECT AppSession::InView(HWND window) const {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, View(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void AppSession::PostKey(HWND window, int virtualKey) const {
    const UINT scan = MapVirtualKeyA(virtualKey, 0);
    PostMessageA(window, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageA(window, WM_KEYUP, virtualKey, 1 | (scan << 16) | 0xC0000000u);
}

void AppSession::PostChar(HWND window, char c) const {
    PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
}

bool AppSession::Flush() const {
    const LRESULT before = Query(quiltmark::automation::kQueryPings);
    PostMessageA(View(), quiltmark::automation::kPingMessage, 0, 0);
    return WaitUntil([&] { return Query(quiltmark::automation::kQueryPings) > before; });
}

std::string AppSession::NavigateAddress() const {
    std::string address;
    const LRESULT length = Query(quiltmark::automation::kQueryNavigateLength);
    for (LRESULT i = 0; i < length; ++i)
        address += static_cast<char>(Query(quiltmark::automation::kQueryNavigateByte, i));
    return address;
}

bool AppSession::DropFiles(const std::vector<std::string>& paths) const {
    // The drop handle is built in the program's own memory: a DROPFILES
    // header followed by the paths, each ended by a zero, and one more zero.
    std::string block(sizeof(DROPFILES), '\0');
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    std::memcpy(block.data(), &header, sizeof header);
    for (const std::string& path : paths)
        block += path + '\0';
    block += '\0';
    void* remote =
        VirtualAllocEx(process_.hProcess, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote || !WriteProcessMemory(process_.hProcess, remote, block.data(), block.size(), nullptr))
        return false;
    return PostMessageA(View(), WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) != FALSE;
}

std::string AppSession::ReadFile(const std::string& name) const {
    FILE* file = std::fopen((folder_ + name).c_str(), "rb");
    if (!file)
        return "<absent>";
    std::string bytes;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    std::fclose(file);
    return bytes;
}

std::string AppSession::Title() const {
    return TextOf(frame_);
}

std::string AppSession::EditorText() const {
    return TextOf(View());
}

bool AppSession::Close(DWORD timeoutMs) {
    if (frame_)
        PostMessageA(frame_, WM_CLOSE, 0, 0);
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool AppSession::CloseDiscarding(DWORD timeoutMs) {
    if (frame_)
        PostMessageA(frame_, WM_CLOSE, 0, 0);
    // The prompt appears only when the text differs from the saved one: wait
    // for whichever comes first, the prompt or the end of the process.
    HWND prompt = nullptr;
    WaitUntil(
        [&] {
            const auto boxes = MessageBoxes();
            prompt = boxes.empty() ? nullptr : boxes.front();
            return prompt || !Running();
        },
        timeoutMs);
    if (prompt)
        PostMessageA(prompt, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(prompt, IDNO)));
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD AppSession::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

bool AppSession::Running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}
