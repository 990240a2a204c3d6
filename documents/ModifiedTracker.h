// Whether the document is modified: the editor's text differs from the text
// last loaded or saved, compared after conversion to Shift_JIS when NKF32.DLL
// is there (so that a text differing only where the library maps both to the
// same Shift_JIS counts as unmodified), byte for byte otherwise.
//
// The answers are exactly those of converting both texts on every test, at a
// fraction of the cost: equal bytes convert to equal results, so they need no
// conversion at all, and the saved text's conversion is kept until the saved
// text changes. Only an editor text whose bytes differ has to be converted.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "CharacterCodes.h"

namespace quiltmark {

class ModifiedTracker {
  public:
    // The text as it was loaded or saved.
    void SetSaved(std::string text);
    void SetSaved(std::shared_ptr<const std::string> text);
    const std::string& Saved() const { return *saved_; }
    // The saved text shared, for a check that runs elsewhere.
    const std::shared_ptr<const std::string>& SavedShared() const { return saved_; }

    // True when the editor text has exactly the saved bytes: then it is not
    // modified, whatever the library does. Cheap enough for every keystroke.
    bool SameBytes(std::string_view editorText) const { return editorText == *saved_; }

    // The full test through the library (loaded once for it when present).
    bool IsModified(const std::string& editorText, NkfLibrary& library);

  private:
    std::shared_ptr<const std::string> saved_ = std::make_shared<const std::string>();
    // The saved text converted to Shift_JIS by the library, once needed.
    std::optional<std::string> savedConverted_;
};

} // namespace quiltmark
