// A status bar with a message pane and key-state indicators (kana, caps,
// num and scroll lock) whose texts come from the string table.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quiltmark {

struct Indicator {
    UINT textId;    // string shown while the key is locked
    int virtualKey; // the lock key
};

class StatusBar {
  public:
    bool Create(HWND parent, HINSTANCE instance, int windowId, const std::vector<Indicator>& indicators);
    HWND Hwnd() const { return hwnd_; }

    // Text of the message pane; unchanged texts are not set again.
    void SetMessage(const std::string& text);
    const std::string& Message() const { return message_; }
    // Shows each indicator's text while its key is locked.
    void UpdateIndicators();
    // Sizes the bar to the parent and places the panes; returns its height.
    int Layout();

  private:
    HWND hwnd_ = nullptr;
    std::vector<Indicator> indicators_;
    std::vector<std::string> texts_;
    std::vector<std::string> shown_;
    std::vector<int> widths_;
    std::string message_;
};

} // namespace quiltmark
