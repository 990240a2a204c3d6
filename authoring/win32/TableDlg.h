// The table dialog (resource 153): row and column counts in two edits with
// wrapping up-down controls (1 to 20). Counts typed beyond that are taken,
// up to a limit above which the dialog refuses them.
#pragma once

#include "Dialog.h"

namespace quiltmark {

class CTableDlg : public Dialog {
  public:
    explicit CTableDlg(HINSTANCE instance);

    int rows = 0;
    int columns = 0;

  protected:
    BOOL OnInitDialog() override;
    bool Validate() override;

  private:
    // The count of an edit; false (after telling the user) when it is too large.
    bool ReadCount(int editId, int& count);
};

} // namespace quiltmark
