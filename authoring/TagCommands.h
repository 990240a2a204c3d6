// The commands that need nothing but a fixed pair of texts: character
// formatting, headings, alignment, the comment, and the single tags and
// character references of the Insert menu. The view adds one command row per
// entry; each hands its texts to InsertTag.
#pragma once

#include <span>

namespace quiltmark {

struct TagCommand {
    int id;           // the command's id (menu, accelerator, toolbar)
    const char* name; // stable name of the command row
    const char* start;
    const char* end; // equal to start: the text replaces the selection
};

// Every simple tag command, in capitals (the lower-case option applies when
// they are inserted).
std::span<const TagCommand> TagCommands();

} // namespace quiltmark
