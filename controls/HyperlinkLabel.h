// A static label shown as a link: its text underlined in the link colour, the
// given cursor over it, and a click opens its address with the shell's "open"
// verb. A failure to open is reported in a message box.
#pragma once

#include <windows.h>

#include <string>

class CHyperlinkLabel {
  public:
    CHyperlinkLabel() = default;
    ~CHyperlinkLabel();
    CHyperlinkLabel(const CHyperlinkLabel&) = delete;
    CHyperlinkLabel& operator=(const CHyperlinkLabel&) = delete;

    // Takes over the static control `label`. `failureText` and `failureCaption`
    // are shown when the address cannot be opened. False without a label.
    bool Attach(HWND label, std::string address, HCURSOR cursor, std::string failureText,
                std::string failureCaption);
    const std::string& Address() const { return address_; }
    HWND GetSafeHwnd() const { return label_; }
    // Opens the address as a click does.
    void Open();

  private:
    static LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    void Paint();
    void Detach();

    HWND label_ = nullptr;
    HFONT underlined_ = nullptr;
    HCURSOR cursor_ = nullptr;
    std::string address_;
    std::string failureText_;
    std::string failureCaption_;
};
