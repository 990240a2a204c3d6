// Helpers of the FTP tab's end-to-end tests: the test server's folders, a
// session connected to one of its accounts, the program's dialogs and message
// boxes, the file lists and files compared byte for byte.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "AppSession.h"

namespace ftpui {

void SetServerRoot(const std::string& unixPath);
void SetServerAddress(const std::string& address);
const std::string& ServerAddress();
// The home folder of a test-server account, with its backslash.
std::string Home(const std::string& account);

std::string ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);

// A program session with one stored profile for `account` whose local folder
// is the session's "local\" folder and whose remote folder is `remote`.
class FtpSession : public AppSession {
  public:
    explicit FtpSession(const std::string& account, const std::string& remote = "<home>",
                        bool passive = false, const std::string& password = "secret");
    std::string LocalFolder() const { return Folder() + "local\\"; }

    // Starts the program and waits for its window.
    bool Launch();
    // The connect command, then the connect button of the settings dialog.
    bool Connect();
    bool Connected() const;
    // A window of the program with this class and title, or null after the timeout.
    HWND WaitForWindow(const char* className, const std::string& title, DWORD timeoutMs = 20000) const;
    HWND WaitForSettingsDialog() const;
    // Waits for a message box, checks its text (when given) and presses `button`.
    std::string Answer(int button, DWORD timeoutMs = 30000) const;
    std::string LogText() const;
    bool LogContains(const std::string& text) const;
    // Waits until the log holds `text`.
    bool WaitForLog(const std::string& text, DWORD timeoutMs = 30000) const;

    int Rows(int list) const;
    int Position(int list, const std::string& name) const;
    int Select(int list, const std::vector<std::string>& names) const;
    std::string PathText(int editId) const;
    // Types into a path field and presses Enter.
    void EnterPath(int editId, const std::string& path) const;
    // Waits until the list holds a row of this name (or, with present false, none).
    bool WaitForRow(int list, const std::string& name, bool present = true, DWORD timeoutMs = 20000) const;
    bool Idle() const;

  private:
    std::string account_;
};

} // namespace ftpui
