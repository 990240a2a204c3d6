// The text of a file as the document receives it: the file's lines, each
// ended by CR LF (the last one too). Every byte but the line ends is kept as
// it is, 0x1A included; a file holding NUL bytes cannot become a document,
// because the editor's text ends at the first NUL.
#pragma once

#include <string>
#include <string_view>

namespace quiltmark {

// Lines end at LF or at CR LF; a CR not followed by LF stays in its line.
// An empty file gives an empty text; a file without a final line end gains one.
std::string TextFromFileBytes(std::string_view bytes);

// True when the bytes hold a NUL, which the editor cannot keep.
bool HoldsNulByte(std::string_view bytes);

} // namespace quiltmark
