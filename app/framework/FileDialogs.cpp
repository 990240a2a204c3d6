// Open, save and folder dialogs through the common dialogs and the shell,
// for every command that asks for a file or a folder.
#include "FileDialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "ShiftJis.h"

namespace quiltmark {
namespace {

// Large enough for any path the dialog can return; a longer one is reported
// by the dialog as an error, never cut.
constexpr DWORD kPathBufferSize = 32768;

std::optional<std::string> RunFileDialog(HWND owner, const FileDialogRequest& request, bool save) {
    const std::string filter = DialogFilter(request.filter);
    std::vector<char> name(kPathBufferSize, '\0');
    request.initialName.copy(name.data(), std::min<size_t>(request.initialName.size(), kPathBufferSize - 1));
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = kPathBufferSize;
    ofn.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
    ofn.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_ENABLESIZING;
    const BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!chosen)
        return std::nullopt;
    return std::string(name.data());
}

int CALLBACK SelectInitialFolder(HWND dialog, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data)
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

} // namespace

std::string DialogFilter(const std::string& filter) {
    std::string out = filter;
    for (size_t i = 0; i < out.size(); i += CharLength(out, i))
        if (out[i] == '|')
            out[i] = '\0';
    out.push_back('\0');
    return out;
}

std::optional<std::string> ChooseFileToOpen(HWND owner, const FileDialogRequest& request) {
    return RunFileDialog(owner, request, false);
}

std::optional<std::string> ChooseFileToSave(HWND owner, const FileDialogRequest& request) {
    return RunFileDialog(owner, request, true);
}

std::optional<std::string> ChooseFolder(HWND owner, const std::string& title,
                                        const std::string& initialFolder) {
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = SelectInitialFolder;
    info.lParam = reinterpret_cast<LPARAM>(initialFolder.empty() ? nullptr : initialFolder.c_str());
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    if (!chosen)
        return std::nullopt;
    std::vector<char> path(kPathBufferSize, '\0');
    // The A function writes at most MAX_PATH bytes.
    const BOOL ok = SHGetPathFromIDListA(chosen, path.data());
    CoTaskMemFree(chosen);
    if (!ok || path[0] == '\0')
        return std::nullopt;
    return std::string(path.data());
}

} // namespace quiltmark
