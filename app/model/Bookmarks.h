// The five bookmarks of the editor: each slot holds an editor line (1-based)
// or -1 when unset; the marked lines carry mark 1 in the editor.
#pragma once

#include <array>

#include "EditorApi.h"

namespace quiltmark {

class Bookmarks {
  public:
    static constexpr int kCount = 5;
    static constexpr int kUnset = -1;

    explicit Bookmarks(EditorApi& api) : api_(api) {}

    // Toggles bookmark n (0-4) on the caret line: a line that bookmark n
    // already marks is unmarked; a line of another bookmark moves to n.
    void Set(int n);
    // Moves the caret to the line of bookmark n; nothing when it is unset.
    void GoTo(int n) const;
    // Before a new text is loaded: all slots unset and every line unmarked.
    void Reset();
    // All slots unset, the editor untouched.
    void Clear() { slots_.fill(kUnset); }

    int Slot(int n) const { return slots_.at(n); }

  private:
    // Unmarks the line a slot held, unless later edits left it beyond the text.
    void UnmarkOldLine(int line);

    EditorApi& api_;
    std::array<int, kCount> slots_{kUnset, kUnset, kUnset, kUnset, kUnset};
};

} // namespace quiltmark
