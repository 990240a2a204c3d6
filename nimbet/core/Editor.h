// One editor's platform-free state and operations: the text buffer, caret and
// selection, and the write-enable switch. The window layer owns an Editor and
// forwards exports and input to it.
#pragma once

#include <string>

#include "EditorEvents.h"
#include "Emphasis.h"
#include "NimbetCodes.h"
#include "TextBuffer.h"

namespace nimbet {

// Caret, selection and scroll origin. Lines and positions are 1-based.
struct CaretState {
    int caretLine = 1, caretPos = 1;
    int goalLine = 1, goalPos = 1;     // the place whose column vertical moves keep
    int anchorLine = 0, anchorPos = 0; // fixed end of the selection
    int endLine = 0, endPos = 0;       // moving end of the selection
    bool selecting = false;
    bool forward = false; // anchor precedes end in text order
    bool overwriteMode = false;
    int topLine = 1, firstColumn = 1;
};

class Editor {
public:
    explicit Editor(EditorEvents& events);

    TextBuffer& buffer() noexcept { return buffer_; }
    const TextBuffer& buffer() const noexcept { return buffer_; }
    const CaretState& caret() const noexcept { return caret_; }

    // Replaces the whole text (NimbetSetText). Notifies code 11 first, even when
    // writing is disabled.
    NimbetResult setText(const char* text);

    int lineCount() const noexcept { return buffer_.lineCount(); }
    int lineCode() const noexcept { return buffer_.lineCode(); }
    long long textLength() const noexcept { return buffer_.textLength(); }
    NimbetResult getText(char* out, int lineCode) const;

    // Line accessors; a line outside 1..lineCount gets null, -4 or no change.
    const char* lineData(int line) const noexcept;
    int lineLength(int line) const noexcept;
    int setMark(int line, int mark) noexcept; // returns the previous mark
    int getMark(int line) const noexcept;

    // The emphasis rules and the highlight string the painter styles lines by.
    Emphasis& emphasis() noexcept { return emphasis_; }
    const Emphasis& emphasis() const noexcept { return emphasis_; }

    bool writeEnabled() const noexcept { return writeEnabled_; }
    void setWriteEnabled(bool enable) noexcept { writeEnabled_ = enable; }

private:
    void resetForLoad();

    EditorEvents& events_;
    TextBuffer buffer_;
    CaretState caret_;
    Emphasis emphasis_;
    bool writeEnabled_ = true;
};

} // namespace nimbet
