// The left mouse button, mouse moves and double clicks on the control:
// clicking places the caret, dragging selects text (scrolling the view when
// the mouse leaves the text area), the line-number area selects whole lines,
// a double click selects a word or opens a link, and a click soon after a
// double click selects the line. The window supplies the points and carries
// out what only it can do (cursor, capture, focus, timer, shell).
#pragma once

#include <string>

#include "Editor.h"
#include "EditorEvents.h"
#include "MouseMapping.h"

namespace nimbet {

enum class CursorShape { Arrow, IBeam, LineSelect, Link };

class MouseHost {
public:
    virtual ~MouseHost() = default;
    virtual void setCursor(CursorShape shape) = 0;
    virtual void captureMouse() = 0;
    virtual void releaseMouse() = 0;
    virtual void takeFocus() = 0;
    // The triple-click window: 200 ms, then MouseInput::tripleClickTimerEnded.
    virtual void startTripleClickTimer() = 0;
    virtual void stopTripleClickTimer() = 0;
    // Hands a URL or "mailto:" address to the shell.
    virtual void openLink(const std::string& target) = 0;
};

// A selection of whole display rows (whole lines without wrapping).
struct LineSelection {
    TextPlace anchor;
    TextPlace end;
    TextPlace caret;
};

// The rows from `originRow` to `targetRow` (absolute display rows, either
// order), from the start of the upper one to the start of the row after the
// lower one (the end of the text after the last row). The anchor lies at the
// origin's far edge. Selecting downwards the caret stays at the end of the
// target line (or at the end of a target row that continues below);
// selecting upwards it is at the start of the target row.
LineSelection LinesBetween(const Editor& editor, int originRow, int targetRow) noexcept;

class MouseInput {
public:
    MouseInput(Editor& editor, EditorEvents& events, MouseHost& host) noexcept
        : editor_(editor), events_(events), host_(host) {}

    void buttonDown(int x, int y, bool shift);
    void buttonUp(int x, int y);
    void doubleClick(int x, int y, bool shift);
    // A move while no drag is waiting (see takePendingDrag).
    void move(int x, int y);
    void tripleClickTimerEnded();
    // Another window took the mouse capture: no selection drag goes on.
    void captureLost() noexcept;
    // True once after a press on the selection when dragging out is enabled:
    // the next move starts dragging the selection out instead of selecting.
    bool takePendingDrag() noexcept;
    // Without drag-and-drop in the window (no OLE) a press on the selection
    // is an ordinary click.
    void setDragOutAvailable(bool available) noexcept { dragOutAvailable_ = available; }

    bool mouseSelecting() const noexcept { return mouseSelecting_; }
    bool lineSelecting() const noexcept { return lineSelecting_; }
    bool dragPending() const noexcept { return dragPending_; }
    bool tripleClickWindow() const noexcept { return tripleWindow_; }

private:
    bool dragOutEnabled() const noexcept;
    bool onSelectedText(TextPlace place) const noexcept;
    void textClick(const MouseHit& hit, bool shift);
    void lineClick(const MouseHit& hit, bool shift);
    void moveLineSelection(int x, int y);
    void moveTextSelection(int x, int y);
    void hover(int x, int y);
    // The mouse moved a selection: repaint what changed and tell the parent.
    void afterSelectionMove(TextPlace oldCaret, int oldTop, int oldColumn, int mouseCode);

    Editor& editor_;
    EditorEvents& events_;
    MouseHost& host_;
    bool mouseSelecting_ = false; // dragging a text selection (mouse captured)
    bool lineSelecting_ = false;  // dragging a line selection (mouse captured)
    TextPlace dragAnchor_;        // the pressed place a text selection drag starts from
    int lineOriginRow_ = 1;       // display row where the line selection began
    bool dragOutAvailable_ = true;
    bool dragPending_ = false;    // pressed on the selection, waiting for a move
    bool doubleClicked_ = false;  // the next button-up opens the triple-click window
    bool tripleWindow_ = false;   // a click now selects the whole line
};

} // namespace nimbet
