// One run of the real Quiltmark.exe for the UI driver: a fresh folder holding
// copies of the program and its library (so the settings file beside the
// program starts absent), or a folder where the program already stands, the
// process, and helpers that find its windows and drive them with messages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class AppSession {
  public:
    AppSession();
    // Runs the program that already stands in folder (given with its trailing
    // backslash), such as an unpacked release; the folder is left as it is.
    explicit AppSession(std::string folder);
    ~AppSession();
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    // The session folder, with its trailing backslash.
    const std::string& Folder() const { return folder_; }
    std::string IniPath() const { return folder_ + "Quiltmark.ini"; }
    // Copies a file from the driver's folder into the session folder.
    bool CopyBinary(const std::string& fromName, const std::string& toName);
    bool WriteFile(const std::string& name, const std::string& bytes);

    void SetIni(const char* section, const char* key, const std::string& value);
    // The stored value, or "<absent>".
    std::string Ini(const char* section, const char* key) const;
    bool IniExists() const;

    // Starts the program with the given arguments (already quoted as needed).
    bool Start(const std::string& arguments = "");
    // Waits until the main window is visible (the start-up has finished).
    HWND WaitForFrame(DWORD timeoutMs = 20000);
    HWND Frame() const { return frame_; }
    HWND View() const;
    HWND Child(int id) const;
    // A message box (dialog class "#32770") of the program, or null after the timeout.
    HWND WaitForMessageBox(DWORD timeoutMs = 20000) const;
    std::vector<HWND> MessageBoxes() const;

    // Sends a command as the menu would.
    void Command(int id) const;
    // Posts it instead, for commands that may open a modal message box.
    void PostCommand(int id) const;
    LRESULT Query(int query, LPARAM argument = 0) const;
    std::string Title() const;
    std::string EditorText() const;
    static std::string TextOf(HWND window);
    // The text of a message box, and its OK button pressed.
    static std::string MessageText(HWND box);
    static void PressOk(HWND box);

    // The editor control's window (a child of the view).
    HWND Editor() const;
    // A window's rectangle in the view's client coordinates.
    RECT InView(HWND window) const;
    // Posts a key press (down and up) or a typed character to a window; they
    // pass through the program's message loop like real input.
    void PostKey(HWND window, int virtualKey) const;
    void PostChar(HWND window, char c) const;
    // Waits until everything posted to the program so far has been handled.
    bool Flush() const;
    // The address the preview browser was last asked to show.
    std::string NavigateAddress() const;
    // Drops the files (full paths) on the view as the shell would.
    bool DropFiles(const std::vector<std::string>& paths) const;

    // A file of the session folder, or "<absent>".
    std::string ReadFile(const std::string& name) const;

    // Closes the main window and waits for the process to end.
    bool Close(DWORD timeoutMs = 20000);
    // Closes a window whose text has unsaved changes: the unsaved-changes
    // prompt is answered No and the process is awaited.
    bool CloseDiscarding(DWORD timeoutMs = 20000);
    DWORD ExitCode() const;
    bool Running() const;
    HANDLE Process() const { return process_.hProcess; }

  private:
    std::string driverFolder_;
    std::string folder_;
    bool ownsFolder_ = true;
    PROCESS_INFORMATION process_{};
    HWND frame_ = nullptr;
};

// Polls a condition until it holds or the timeout passes.
template <typename Condition> bool WaitUntil(Condition condition, DWORD timeoutMs = 10000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}
