// One editor's platform-free state and operations: the text buffer, caret and
// selection, editing with undo, layout metrics and the write-enable switch.
// The window layer owns an Editor and forwards exports and input to it. The
// operations are implemented by family in Editor*.cpp.
#pragma once

#include <string>
#include <string_view>

#include "Clipboard.h"
#include "EditorEvents.h"
#include "Emphasis.h"
#include "LayoutMetrics.h"
#include "NimbetCodes.h"
#include "RowLayout.h"
#include "TextBuffer.h"
#include "TextPlace.h"
#include "UndoRing.h"

namespace nimbet {

// Caret, selection and scroll origin. Lines and positions are 1-based.
struct CaretState {
    int caretLine = 1, caretPos = 1;
    int goalLine = 1, goalPos = 1;     // the place whose column vertical moves keep
    int anchorLine = 0, anchorPos = 0; // fixed end of the selection
    int endLine = 0, endPos = 0;       // moving end of the selection
    bool selecting = false;            // a selection exists (anchor != end)
    bool forward = false;              // anchor precedes end in text order
    bool overwriteMode = false;
    bool lineSelectMode = false;      // selecting whole lines from the line numbers
    int topLine = 1, firstColumn = 1; // scroll origin (topLine counts rows when wrapping)
};

// The selection in text order; without a selection both ends are the caret.
struct SelectionRange {
    TextPlace start;
    TextPlace finish;
    bool exists = false;
};

// Keys the key-down handler acts on.
enum class EditorKey {
    Left, Right, Up, Down, Home, End, PageUp, PageDown, // movement
    Insert, Delete, Backspace, Tab, Enter,
};

class Editor {
public:
    explicit Editor(EditorEvents& events);

    TextBuffer& buffer() noexcept { return buffer_; }
    const TextBuffer& buffer() const noexcept { return buffer_; }
    const CaretState& caret() const noexcept { return caret_; }
    LayoutMetrics& metrics() noexcept { return metrics_; }
    const LayoutMetrics& metrics() const noexcept { return metrics_; }
    const UndoRing& undoRing() const noexcept { return undo_; }
    // Where copy, cut and paste go; without one they fail.
    void setClipboard(ClipboardAccess* clipboard) noexcept { clipboard_ = clipboard; }

    // ---- Whole text and lines (Editor.cpp)

    // Replaces the whole text (NimbetSetText). Notifies code 11 first, even when
    // writing is disabled.
    NimbetResult setText(const char* text);
    int lineCount() const noexcept { return buffer_.lineCount(); }
    int lineCode() const noexcept { return buffer_.lineCode(); }
    // Walks every line after a change: for the exports, not for per-edit work.
    long long textLength() const noexcept { return buffer_.textLength(); }
    NimbetResult getText(char* out, int lineCode) const;
    const char* lineData(int line) const noexcept;
    int lineLength(int line) const noexcept;
    int setMark(int line, int mark) noexcept; // returns the previous mark
    int getMark(int line) const noexcept;

    // The emphasis rules and the highlight string the painter styles lines by.
    Emphasis& emphasis() noexcept { return emphasis_; }
    const Emphasis& emphasis() const noexcept { return emphasis_; }

    bool writeEnabled() const noexcept { return writeEnabled_; }
    void setWriteEnabled(bool enable) noexcept { writeEnabled_ = enable; }
    // Applies a NimbetSetMetrics kind. Kind 12 is answered by the caller (the
    // window presses Insert); the rest is stored here.
    NimbetResult setMetric(int kind, int value);

    // ---- Positions and selection (EditorPositions.cpp)

    TextPlace caretPlace() const noexcept { return {caret_.caretLine, caret_.caretPos}; }
    SelectionRange selection() const noexcept;
    // True when (line, pos) names a place: line 1..count, pos 1..length+1.
    bool validPlace(TextPlace place) const noexcept;
    // Through offset of a place: pos + sum of (length + 2) over earlier lines.
    long long throughOffset(TextPlace place) const noexcept;
    // Select from `first` to `second`, caret at `second`; equal ends clear the
    // selection and place the caret. False (nothing changed) outside the text.
    bool setSelection(TextPlace first, TextPlace second, bool redraw);
    NimbetResult setSelectionThrough(int from, int to);
    void clearSelection(bool keepLineMode = false);
    void selectAll();
    NimbetResult setCaretLine(int line);
    NimbetResult setCaretPos(int pos);
    NimbetResult setCaretThrough(int offset);
    int caretThrough() const noexcept;
    // Display column of the caret within its row (NimbetGetCaretVPos).
    int caretColumn() const noexcept;
    bool insideSelection(TextPlace place) const noexcept;

    // ---- Caret movement and scrolling (EditorMovement.cpp)

    void moveCaret(EditorKey key, bool shift, bool ctrl);
    void scrollCaretIntoView();
    RowRule rowRule() const noexcept;
    // Absolute display row of a place (its line number without wrapping).
    int rowOfPlace(TextPlace place) const noexcept;
    int totalRows() const noexcept;
    // Switches wrapping (the row arithmetic follows it); topLine keeps showing
    // the same text.
    void setWrapping(bool wrap, int column);
    // Recomputes the stored row counts of every line.
    void refreshAllRows();
    // The same after a change of the column count, the tab width or the font:
    // the line at the top of the view stays at the top.
    void relayoutRows();

    // ---- Editing (EditorEditing.cpp)

    void typeChar(unsigned char c);
    void inputMethodResult(std::string_view text);
    int imeSwallow() const noexcept { return imeSwallow_; }
    void enter();
    void backspace();
    void deleteKey();
    void tab(bool shift);
    NimbetResult setSelText(const char* text);
    NimbetResult getSelText(char* out) const;
    // Bytes of the selected text with two per line break (0 without a selection).
    long long selectedLength() const noexcept;
    std::string selectedText() const;

    // ---- Indent and unindent (EditorIndent.cpp)

    NimbetResult indent();
    NimbetResult unindent();

    // ---- Clipboard (EditorClipboard.cpp)

    NimbetResult copy();
    NimbetResult cut();
    NimbetResult paste();

    // ---- Undo and redo (EditorUndo.cpp)

    NimbetResult undo();
    NimbetResult redo();

    // ---- Pointing: the mouse and drag-and-drop (EditorPointing.cpp)

    // Caret and goal to `place`, kept inside the text and on a character start.
    void pointCaret(TextPlace place) noexcept;
    // Sets the selection's ends and the caret at once (the caret need not be
    // an end: a line selection keeps it on the clicked line). A selection
    // exists when the ends differ; the goal follows the caret. Nothing is sent.
    void setSelectionEnds(TextPlace anchor, TextPlace end, TextPlace caret) noexcept;
    void setLineSelectMode(bool on) noexcept { caret_.lineSelectMode = on; }
    // The scroll origin, clamped: topLine to 1..total rows, firstColumn to
    // 1..1024 (it stays 1 while wrapping).
    void setTopLine(int row) noexcept;
    void setFirstColumn(int column) noexcept;
    // Inserts dropped text at the caret as one undoable step. A move first
    // deletes the selection (its own record) and inserts at the caret's place
    // as it lies after the removal, chaining the two records so that one undo
    // reverses both; a copy clears the selection. Notifies caret code 3 and
    // text code 14. False when nothing was inserted.
    bool dropText(std::string_view text, bool move);
    // Deletes the selection after it was moved into another window, as one
    // record; notifies like a drop. False when nothing was deleted.
    bool deleteDraggedSelection();

    // ---- Key handler (EditorKeys.cpp)

    // Runs one key-down; false for keys the control ignores.
    bool keyDown(EditorKey key, bool shift, bool ctrl);
    void toggleOverwriteMode();

private:
    friend class EditorTestAccess;

    void resetForLoad();
    LineRecord& lineRef(int n) const noexcept { return *buffer_.lineAt(n); }
    void setCaret(TextPlace place) noexcept;
    void setCaretKeepGoal(TextPlace place) noexcept;
    TextPlace clampPlace(TextPlace place) const noexcept;
    TextPlace snapPlace(TextPlace place) const noexcept;
    TextPlace placeOfThrough(long long offset, bool reach) const noexcept;
    void extendSelection(TextPlace oldCaret);
    void selectRange(TextPlace anchor, TextPlace end) noexcept;
    void selectForReplay(TextPlace from, TextPlace to);

    // Movement helpers.
    long long goalColumn() const noexcept;
    TextPlace placeAtRow(int row, long long column) const noexcept;
    int rowsBefore(int line) const noexcept;

    // Text changes. All keep the line count, the carry-over and the row counts.
    std::string textBetween(TextPlace from, TextPlace to) const;
    bool removeRange(TextPlace from, TextPlace to);
    TextPlace insertAt(TextPlace at, std::string_view text, bool* ok);
    bool deleteSelection(UndoRecord* record);
    // Inserts one byte at the caret as the replacement `entry` (the selection
    // already deleted into it) and records it; true when the line's rows changed.
    bool insertByteAtCaret(UndoRecord& entry, char byte);
    NimbetResult replaceSelection(const char* text, size_t length, bool record, bool moveCaret);
    // Recounts the rows of `line`, which is line `number`; true when they
    // changed while wrapping is on.
    bool refreshRows(LineRecord& line, int number) noexcept;
    void refreshRows(int firstLine, int count) noexcept;
    void changed() noexcept { ++textVersion_; }
    void repaintAfterTyping(bool hadSelection, bool rowsChanged, int oldTop, int oldColumn);

    // Indent helpers.
    NimbetResult reindent(bool add);

    EditorEvents& events_;
    TextBuffer buffer_;
    CaretState caret_;
    Emphasis emphasis_;
    LayoutMetrics metrics_;
    UndoRing undo_;
    ClipboardAccess* clipboard_ = nullptr;
    bool writeEnabled_ = true;
    int imeSwallow_ = 0;         // character messages still to ignore after an input-method result
    bool skipTrailByte_ = false; // a lead byte arrived as a character: ignore its trail byte too
    unsigned textVersion_ = 0;

    // The goal's display column, kept while neither the goal, the text nor the
    // layout change (vertical moves far from the goal line stay cheap).
    struct GoalCache {
        TextPlace goal{0, 0};
        unsigned version = 0;
        RowRule rule;
        long long column = 0;
        bool valid = false;
    };
    mutable GoalCache goalCache_;
};

} // namespace nimbet
