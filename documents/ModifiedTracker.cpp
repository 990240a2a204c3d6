// The modified test with its saved-text cache.
#include "ModifiedTracker.h"

#include <memory>

namespace quiltmark {

void ModifiedTracker::SetSaved(std::string text) {
    SetSaved(std::make_shared<const std::string>(std::move(text)));
}

void ModifiedTracker::SetSaved(std::shared_ptr<const std::string> text) {
    saved_ = text ? std::move(text) : std::make_shared<const std::string>();
    savedConverted_.reset();
}

bool ModifiedTracker::IsModified(const std::string& editorText, NkfLibrary& library) {
    if (SameBytes(editorText))
        return false;
    std::unique_ptr<NkfModule> module = library.Load();
    if (!module)
        return true;
    if (!savedConverted_)
        savedConverted_ = ConvertWith(*module, *saved_, 's').text;
    return ConvertWith(*module, editorText, 's').text != *savedConverted_;
}

} // namespace quiltmark
