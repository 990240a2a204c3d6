// The text of a file as the document receives it: the file read line by line
// in text mode, each line ended by CR LF (the last one too).
#pragma once

#include <string>
#include <string_view>

namespace quiltmark {

// Lines end at LF or at CR LF; a CR not followed by LF stays in its line.
// An empty file gives an empty text; a file without a final line end gains one.
std::string TextFromFileBytes(std::string_view bytes);

} // namespace quiltmark
