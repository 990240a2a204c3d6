// The decisions of drag-and-drop that do not need a window: which effect a
// drop has, whether it lands inside the dragged selection, and where the drop
// place is once a moved selection has been removed.
#pragma once

#include "TextPlace.h"

namespace nimbet {

// Drag-and-drop flags (metrics kind 8).
enum DragDropFlags : unsigned {
    kDropModeMove = 0x01,
    kDropModeCopy = 0x02,
    kDropInDisabled = 0x04,
    kDragOutDisabled = 0x08,
    kDropModeCtrl = 0x10,
};

enum class DropMode { Move = 1, Copy = 2, CtrlDecides = 16 };
enum class DropEffect { None, Copy, Move };

// The drop mode the flags select; of the mode bits the last in the order
// move, copy, Ctrl-decides that is set wins (move when none is).
DropMode DropModeOf(unsigned flags);

struct DropSituation {
    unsigned flags;     // metrics kind 8
    bool offersText;    // the data object offers CF_TEXT in global memory
    bool selfDrag;      // the drag started in this control
    bool ctrlHeld;
};
DropEffect ChooseDropEffect(const DropSituation& s);

// The effect the drag source permits: the wanted one when allowed, else the
// other of copy and move when that is allowed, else none.
DropEffect FitAllowedEffects(DropEffect wanted, bool copyAllowed, bool moveAllowed);

// Both ends count as inside.
bool PlaceInsideSelection(TextPlace place, TextPlace start, TextPlace finish);

// Where `drop` lies after the selection [start, finish] (which holds
// `breaksInSelection` line breaks) is removed. A place before the selection
// stays; one after it moves up by the removed breaks, and on the selection's
// last line it also moves left by what was removed of that line.
TextPlace DropPlaceAfterRemoval(TextPlace drop, TextPlace start, TextPlace finish);

} // namespace nimbet
