// The modified test with its saved-text cache.
#include "ModifiedTracker.h"

#include <memory>

namespace quiltmark {

void ModifiedTracker::SetSaved(std::string text) {
    saved_ = std::move(text);
    savedConverted_.reset();
}

bool ModifiedTracker::IsModified(const std::string& editorText, NkfLibrary& library) {
    if (SameBytes(editorText))
        return false;
    std::unique_ptr<NkfModule> module = library.Load();
    if (!module)
        return true;
    if (!savedConverted_)
        savedConverted_ = ConvertWith(*module, saved_, 's').text;
    return ConvertWith(*module, editorText, 's').text != *savedConverted_;
}

} // namespace quiltmark
