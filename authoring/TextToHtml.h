// Plain Shift_JIS text to HTML body text: the four reserved characters become
// character references, every "http://" address becomes a link, and every
// line but the last ends with "<BR>".
#pragma once

#include <string>
#include <string_view>

namespace quiltmark {

// The input is a sequence of lines, each ended by CR LF. A CR not followed by
// LF is an ordinary character of its line; a bare LF also ends a line, and a
// last line without a line end counts as a line. Every other byte (0x1A
// included) is kept. Double-byte characters are stepped over whole, so a
// second byte ("h", "\", "|") never starts an address; a lead byte without a
// valid second byte is a character of its own. Lines of any length convert.
std::string TextToHtml(std::string_view text);

// Paste as HTML: the clipboard's text with one CR LF appended, converted. A
// text that ends in CR LF therefore keeps one "<BR>" and CR LF at its end.
std::string ClipboardTextToHtml(std::string_view clipboard);

} // namespace quiltmark
