// Modal dialogs from dialog templates, with simple data exchange: members
// bound to control ids are put into the controls when the dialog opens and
// taken back when OK is pressed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quiltmark {

class Dialog {
  public:
    Dialog(HINSTANCE instance, int templateId) : instance_(instance), templateId_(templateId) {}
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Shows the dialog and returns IDOK, IDCANCEL or the code given to End.
    INT_PTR DoModal(HWND owner);
    HWND Hwnd() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    HINSTANCE Instance() const { return instance_; }
    // The whole text of a control.
    std::string ItemText(int id) const;

    // A check box shows value != 0; OK stores 1 or 0.
    void BindCheck(int controlId, int& value) {
        bindings_.push_back({controlId, Kind::Check, &value, nullptr});
    }
    // An edit shows the text; OK stores it.
    void BindText(int controlId, std::string& value) {
        bindings_.push_back({controlId, Kind::Text, nullptr, &value});
    }
    // An edit shows the number; OK refuses text that is not a number.
    void BindInt(int controlId, int& value) { bindings_.push_back({controlId, Kind::Int, &value, nullptr}); }

    // Puts the bound values into the controls.
    void PutValues();
    // Takes the controls' values into the bound members; false (and the
    // offending control focused) when a number does not parse.
    bool TakeValues();
    void End(INT_PTR code);

  protected:
    // After the values were put into the controls; return FALSE when the
    // focus was set.
    virtual BOOL OnInitDialog() { return TRUE; }
    // After OK took the values; false keeps the dialog open.
    virtual bool Validate() { return true; }
    // Any other message; return true when handled.
    virtual bool OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

  private:
    enum class Kind { Check, Text, Int };
    struct Binding {
        int id;
        Kind kind;
        int* number;
        std::string* text;
    };
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    int templateId_;
    HWND hwnd_ = nullptr;
    std::vector<Binding> bindings_;
};

} // namespace quiltmark
