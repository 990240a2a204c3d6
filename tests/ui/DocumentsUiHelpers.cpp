// Finding and answering the program's dialogs by control id.
#include "DocumentsUiHelpers.h"

#include <cstdio>

namespace documents_ui {

namespace {

// A visible dialog of the program for which `wanted` holds, or null after
// the timeout.
template <typename Wanted> HWND WaitForDialog(const AppSession& app, Wanted wanted, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND box : app.MessageBoxes())
                if (wanted(box)) {
                    found = box;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

} // namespace

HWND WaitForDialogWith(const AppSession& app, int id, DWORD timeoutMs) {
    return WaitForDialog(
        app, [id](HWND box) { return GetDlgItem(box, id) != nullptr; }, timeoutMs);
}

HWND WaitForFolderDialog(const AppSession& app, DWORD timeoutMs) {
    return WaitForDialog(
        app, [](HWND box) { return !GetDlgItem(box, kFileNameBox) && !GetDlgItem(box, kMessageText); },
        timeoutMs);
}

Box WaitForBox(const AppSession& app, DWORD timeoutMs) {
    Box box;
    box.window = WaitForDialogWith(app, kMessageText, timeoutMs);
    if (box.window) {
        box.text = AppSession::MessageText(box.window);
        box.caption = AppSession::TextOf(box.window);
    }
    return box;
}

void Press(HWND dialog, int button) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

void ChooseInFileDialog(HWND dialog, const std::string& path) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, kFileNameBox), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(path.c_str()), SMTO_NORMAL, 10000, &result);
    Press(dialog, IDOK);
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadPath(const std::string& path) {
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

std::vector<std::string> FileNames(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(data.cFileName);
    while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

int CountFiles(const std::string& folder, const std::string& pattern) {
    return static_cast<int>(FileNames(folder, pattern).size());
}

} // namespace documents_ui
