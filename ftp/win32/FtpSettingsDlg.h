// The FTP settings dialog (resource 138): the stored profiles, the fields of
// one profile and the register, connect, new, delete, browse and last-folder
// buttons. The rules live in FtpSettingsForm; this class moves the values
// between it and the controls.
#pragma once

#include <windows.h>

#include "Dialog.h"
#include "FtpSettingsForm.h"

namespace quiltmark {

class FtpSettingsDlg : public Dialog {
  public:
    FtpSettingsDlg(HINSTANCE instance, FtpProfileTable& table);

  protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  private:
    static constexpr UINT kListClicked = WM_APP + 1;
    static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data);
    void ShowFields();
    void TakeFields();
    void ShowList();
    void ShowConfirmation();
    void OnCommand(int id, int code);
    void RegisterButton();
    void ConnectButton();
    void BrowseButton();
    void Report(FormOutcome outcome);

    FtpSettingsForm form_;
    bool showing_ = false; // fields are being filled: ignore their change notifications
};

} // namespace quiltmark
