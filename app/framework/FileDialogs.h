// The common dialogs every command uses to ask for a file or a folder: open,
// save as and the shell's folder dialog.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quiltmark {

struct FileDialogRequest {
    std::string filter;           // in the framework's form "name|pattern|...||"
    std::string defaultExtension; // without the dot
    std::string initialName;      // may be empty
    std::string initialFolder;
};

// The chosen path, or nothing when the user cancelled. Both dialogs hide the
// read-only check box and ask before a file is overwritten.
std::optional<std::string> ChooseFileToOpen(HWND owner, const FileDialogRequest& request);
std::optional<std::string> ChooseFileToSave(HWND owner, const FileDialogRequest& request);

// The folder dialog with `title`, starting at `initialFolder`; the chosen
// folder as the shell gives it (without a trailing backslash unless it is a
// drive's root), or nothing when cancelled.
std::optional<std::string> ChooseFolder(HWND owner, const std::string& title,
                                        const std::string& initialFolder);

// "a|b|c|d||" as the dialog wants it: every "|" a NUL (a "|" that is the
// second byte of a double-byte character stays).
std::string DialogFilter(const std::string& filter);

} // namespace quiltmark
