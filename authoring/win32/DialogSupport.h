// Small pieces shared by the insertion dialogs.
#pragma once

#include <windows.h>

namespace quiltmark {

// Places a control at pixel coordinates of the dialog's client area. A combo
// box gets room for its list below the given height.
void PlaceItem(HWND dialog, int id, int x, int y, int width, int height);

// Centres the dialog over its owner (or the work area without one), kept
// inside the work area.
void CentreOverOwner(HWND dialog);

// Gives a message handled by a dialog procedure the result `value`.
INT_PTR DialogResult(HWND dialog, LRESULT value);

// True for the colour picker's notifications (2025 - 2029).
bool IsPickerNote(UINT message);

} // namespace quiltmark
