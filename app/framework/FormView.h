// A view built from a dialog template: a child window whose controls come
// from the template and whose messages go to a member function.
#pragma once

#include <windows.h>

namespace quiltmark {

class FormView {
  public:
    FormView(HINSTANCE instance, int templateId) : instance_(instance), templateId_(templateId) {}
    virtual ~FormView() = default;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    // Creates the form as a child of parent (the template must have the
    // WS_CHILD and DS_CONTROL styles).
    bool Create(HWND parent);
    HWND Hwnd() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    HINSTANCE Instance() const { return instance_; }

    // Keyboard handling before accelerators; true when the message was used.
    virtual bool PreTranslateKey(MSG&) { return false; }
    // Dialog keys (Tab between the form's controls) after the accelerators.
    bool PreTranslateDialogKey(MSG& msg);

  protected:
    // Called for every message of the form; return true and set result when
    // the message was handled.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    int templateId_;
    HWND hwnd_ = nullptr;
};

} // namespace quiltmark
