// The registration dialog of the user-defined tags (dialog 155): a slot list,
// the name, start and end boxes, add/update and delete, and the two toolbar
// buttons' lists. The rules live in UserTagRegistration; this class only
// moves texts between it and the controls.
#pragma once

#include <windows.h>

#include <array>

#include "Dialog.h"
#include "UserTags.h"

namespace quiltmark {

class CUserTagDlg : public Dialog {
  public:
    // The dialog changes the store directly; toolbarOwner is the window whose
    // toolbar holds the two user-tag buttons (their pictures are shown).
    CUserTagDlg(HINSTANCE instance, std::array<UserTagEntry, kUserTagCount>& tags, int& bar1, int& bar2,
                HWND toolbarOwner);

  protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  private:
    int ChosenSlot() const;
    void ShowFields(const UserTagFields& fields);
    void Report(const std::optional<RegistrationMessage>& message);
    void DrawToolbarPicture(const DRAWITEMSTRUCT& item);

    UserTagRegistration rules_;
    HWND toolbarOwner_;
};

} // namespace quiltmark
