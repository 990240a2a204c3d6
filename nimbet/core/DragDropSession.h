// The control's part in OLE drag-and-drop, without OLE: where the caret goes
// while a drag hovers over the text, which effect a drop has, inserting the
// dropped text, and what becomes of a selection dragged out of the control.
#pragma once

#include <string_view>

#include "DropRules.h"
#include "Editor.h"
#include "EditorEvents.h"

namespace nimbet {

// The effects the drag source permits.
struct AllowedEffects {
    bool copy = true;
    bool move = true;
};

enum class DragOutcome { Dropped, Cancelled, Failed };

class DragDropSession {
  public:
    DragDropSession(Editor& editor, EditorEvents& events) noexcept : editor_(editor), events_(events) {}

    // A drag hovers at client point (x, y): over the text the caret follows
    // it. Returns the effect a drop would have.
    DropEffect dragOver(int x, int y, bool offersText, bool ctrl, AllowedEffects allowed);
    // A selection of this control dropped onto itself: nothing happens.
    bool dropsOntoItself() const noexcept;
    // The effect of dropping now at the caret; none when the drop would
    // change nothing (also a selection dropped onto itself).
    DropEffect dropEffect(bool offersText, bool ctrl, AllowedEffects allowed) const;
    // Inserts the dropped text with the effect dropEffect chose; returns the
    // effect carried out (none when nothing changed).
    DropEffect drop(std::string_view text, DropEffect effect);

    // The selection is being dragged out of the control.
    void dragOutStarted() noexcept;
    // The drag ended. A move into another window deletes the selection; a
    // cancelled drag clears it. `performed` is the effect the target reported.
    void dragOutEnded(DragOutcome outcome, DropEffect performed);
    bool selfDrag() const noexcept { return selfDrag_; }
    // A drag out may offer a move only when the text can be changed.
    AllowedEffects dragOutEffects() const noexcept { return {true, editor_.writeEnabled()}; }

  private:
    DropEffect effectFor(bool offersText, bool ctrl, AllowedEffects allowed) const;

    Editor& editor_;
    EditorEvents& events_;
    bool selfDrag_ = false;    // the drag started in this control
    bool droppedHere_ = false; // ... and was dropped back into it
};

} // namespace nimbet
