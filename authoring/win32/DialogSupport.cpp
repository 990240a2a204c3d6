// Small pieces shared by the insertion dialogs.
#include "DialogSupport.h"

#include <algorithm>

#include "ColourPopup.h"

namespace quiltmark {
namespace {

constexpr int kComboListHeight = 200;

} // namespace

void PlaceItem(HWND dialog, int id, int x, int y, int width, int height) {
    HWND item = GetDlgItem(dialog, id);
    char name[16] = {};
    GetClassNameA(item, name, sizeof name);
    // A drop-down combo box's window height is its field and its dropped
    // list together; the field takes the height its font needs.
    const bool combo = lstrcmpiA(name, "ComboBox") == 0;
    MoveWindow(item, x, y, width, combo ? height + kComboListHeight : height, TRUE);
}

void CentreOverOwner(HWND dialog) {
    RECT work{}, area{}, box{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (!owner || !GetWindowRect(owner, &area))
        area = work;
    GetWindowRect(dialog, &box);
    const int width = box.right - box.left, height = box.bottom - box.top;
    int x = (area.left + area.right - width) / 2;
    int y = (area.top + area.bottom - height) / 2;
    x = std::max<int>(work.left, std::min<int>(x, work.right - width));
    y = std::max<int>(work.top, std::min<int>(y, work.bottom - height));
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR DialogResult(HWND dialog, LRESULT value) {
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, value);
    return TRUE;
}

bool IsPickerNote(UINT message) {
    return message >= kColourSelChange && message <= kColourSelEndCancel;
}

} // namespace quiltmark
