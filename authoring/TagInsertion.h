// The one way authoring commands write into the source editor: a start text
// and an end text around the selection, or one text in place of it.
#pragma once

#include <string>

#include "EditorApi.h"

namespace quiltmark {

// What the insertion needs to know of the view at the moment of a command.
struct InsertionContext {
    bool editorShowing = false; // the source tab, or editor and preview together
    bool lowerCase = false;     // tags are inserted in lower case
};

class TagInserter {
  public:
    static constexpr int kEditorId = 0;

    explicit TagInserter(EditorApi& editor) : editor_(editor) {}

    // With the lower-case option both texts are lower-cased first (ASCII
    // letters only). When the editor is not showing nothing happens. Equal
    // texts replace the selection. Different texts wrap the selection as one
    // undoable step; with nothing selected they are inserted at the caret and
    // the caret is left between them.
    void InsertTag(std::string start, std::string end, const InsertionContext& context);

    // The selected text, or false when nothing is selected.
    bool SelectedText(std::string& selection);

  private:
    EditorApi& editor_;
};

} // namespace quiltmark
