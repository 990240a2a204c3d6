// What the find and replace dialogs do to the source editor: find the next
// match down or up, replace the match at the selection and find the next one,
// and replace every match as one undoable step. Everything goes through the
// editor library's exports; selections are through offsets.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "EditorApi.h"

namespace quiltmark {

class FindReplace {
  public:
    static constexpr int kEditorId = 0;

    explicit FindReplace(EditorApi& editor) : editor_(editor) {}

    // Down: the first match after the first character of the selection.
    // Up: the last match that ends before the selection. A match is selected
    // and the editor focused; without one the selection becomes the search
    // text's length from the unchanged start.
    void FindNext(std::string_view what, bool down, bool matchCase);
    // When the text at the selection start is `what` (case-sensitive), that
    // text is replaced by `with`; then the next match after it is selected, or
    // else the replacement itself.
    void Replace(std::string_view what, std::string_view with);
    // Every match, case-sensitive, left to right, in one undoable step.
    void ReplaceAll(std::string_view what, std::string_view with);

    // The selected text, or nothing when there is no selection.
    std::optional<std::string> SelectedText();

  private:
    // The whole text with CR LF line ends: index i is through offset i + 1.
    std::string Text();
    // Through offset of the selection start (the caret without a selection).
    int SelectionStart();
    void Select(std::size_t index, std::size_t length, bool focus);
    // The selection of `length` bytes from the start when nothing was found,
    // ended on a character boundary.
    void SelectFromStart(const std::string& text, int start, std::size_t length);

    EditorApi& editor_;
};

} // namespace quiltmark
