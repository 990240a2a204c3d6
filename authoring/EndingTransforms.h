// The sentence-ending transforms: every "です" of the whole text becomes a dog's,
// a cat's or a mouse's way of speaking.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "EditorApi.h"

namespace quiltmark {

struct EndingCommand {
    int id;           // the command's id (edit menu)
    const char* name; // stable name of the command row
    const char* word; // what every "です" becomes
};

// The three ending commands.
std::span<const EndingCommand> EndingCommands();

// Replaces every "です" that starts on a character boundary by word, scanning
// from the start without overlaps; the second byte of a double-byte
// character never starts a match.
std::string ReplaceEndings(std::string_view text, std::string_view word);

// Rewrites the editor's whole text (line breaks as they are stored) with
// ReplaceEndings and puts it back over the whole text as one undoable step,
// leaving the caret at the end. Nothing happens while the editor is hidden.
void RewriteEndings(EditorApi& editor, std::string_view word, bool editorShowing);

} // namespace quiltmark
