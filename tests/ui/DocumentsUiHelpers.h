// Helpers of the documents driver: the program's dialogs told apart and
// answered by control id, and files of the session folder.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "AppSession.h"

namespace documents_ui {

// The common file dialogs have the file-name box 1148; message boxes have
// their text in the static 0xFFFF.
constexpr int kFileNameBox = 1148;
constexpr int kMessageText = 0xFFFF;

// A visible dialog of the program that has a control with `id`, or null
// after the timeout.
HWND WaitForDialogWith(const AppSession& app, int id, DWORD timeoutMs = 20000);
// A visible dialog with neither a file-name box nor a message text (the
// folder dialog).
HWND WaitForFolderDialog(const AppSession& app, DWORD timeoutMs = 20000);
// The message box, its text and caption.
struct Box {
    HWND window = nullptr;
    std::string text;
    std::string caption;
};
Box WaitForBox(const AppSession& app, DWORD timeoutMs = 20000);
// Presses a button (IDOK, IDYES, ...) of a dialog and waits until it is gone.
void Press(HWND dialog, int button);
// Types `path` into a file dialog's name box and presses its OK button.
void ChooseInFileDialog(HWND dialog, const std::string& path);

std::string Quoted(const std::string& path);
bool Exists(const std::string& path);
std::string ReadPath(const std::string& path);
// How many files of `folder` match `pattern`.
int CountFiles(const std::string& folder, const std::string& pattern);
std::vector<std::string> FileNames(const std::string& folder, const std::string& pattern);

} // namespace documents_ui
