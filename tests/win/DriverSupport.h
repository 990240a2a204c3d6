// Shared pieces of the Nimbet test driver: the library bound by ordinal and a
// parent window that records every notification the control sends.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "NimbetBinding.h"

struct Notification {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Notification& o) const {
        return message == o.message && wParam == o.wParam && lParam == o.lParam;
    }
};

NimbetBinding& Nimbet();

// A top-level window acting as the control's parent.
class RecordingParent {
public:
    RecordingParent();
    ~RecordingParent();
    HWND hwnd() const { return hwnd_; }
    std::vector<Notification> received; // messages 2024..2029 in arrival order
    std::function<void()> onAppMessage; // run when WM_APP reaches the parent
    std::function<void(const Notification&)> onNotification; // run after recording a notification
private:
    HWND hwnd_;
};

// Notification helpers: wParam = id * 65536 + code.
inline Notification Note(UINT message, int id, int code) {
    return {message, static_cast<WPARAM>(id * 65536 + code), 0};
}

// The whole text of control 0 with the given line code.
inline std::string EditorText(int lineCode) {
    std::string out(static_cast<size_t>(Nimbet().NimbetGetTextLength(0)) + 1, '\xFF');
    if (Nimbet().NimbetGetText(0, out.data(), lineCode) != NIMBET_OK)
        return "<NimbetGetText failed>";
    return out.substr(0, out.find('\0'));
}
