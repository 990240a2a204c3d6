// The main window's modeless find and replace dialogs (the system's common
// dialogs): at most one of the two is open; their notifications (the
// registered message "commdlg_FindReplace") become FindReplace operations on
// the source editor.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <memory>
#include <string>
#include <vector>

#include "FindReplace.h"

namespace quiltmark {

class App;

class FindReplaceDialogs {
  public:
    enum State { kClosed = 0, kFindOpen = 1, kReplaceOpen = 2 };

    FindReplaceDialogs(App& app, EditorApi& editor) : app_(app), search_(editor) {}
    ~FindReplaceDialogs();
    FindReplaceDialogs(const FindReplaceDialogs&) = delete;
    FindReplaceDialogs& operator=(const FindReplaceDialogs&) = delete;

    // The find dialog, starting with the selected text or `placeholder`.
    void OpenFind(HWND owner, const std::string& placeholder);
    // The replace dialog, starting with the selected text or nothing.
    void OpenReplace(HWND owner);

    // The message the dialogs send to their owner.
    static UINT NotificationMessage();
    void OnNotification(const FINDREPLACEA& request);

    State Current() const { return state_; }
    HWND Window() const { return session_ ? session_->window : nullptr; }

  private:
    // The structure and buffers a dialog works on; they must outlive it.
    struct Session {
        FINDREPLACEA request{};
        std::vector<char> what;
        std::vector<char> with;
        HWND window = nullptr;
    };

    void Open(HWND owner, State kind, const std::string& initial);
    void Close();
    // The text of one of the dialog's edit fields, whatever its length.
    std::string FieldText(int id, const char* fallback) const;

    App& app_;
    FindReplace search_;
    State state_ = kClosed;
    std::unique_ptr<Session> session_;
};

} // namespace quiltmark
