// ASCII or binary: the three transfer-mode buttons and, in automatic mode,
// the list of extensions that travel as text ("SendModeAscii").
#pragma once

#include <string>
#include <vector>

namespace quiltmark {

enum class TransferMode { Ascii, Binary, Auto };

// The list stored when none is: each extension followed by a comma, after a
// leading comma.
inline constexpr const char* kDefaultAsciiExtensions = ",txt,shtml,shtm,pl,js,java,html,htm,css,cgi,";
inline constexpr size_t kMaxAsciiExtensions = 100;

// The extensions between the commas, lower-cased, at most 100. A text that
// does not begin or end with a comma (edited by hand) also yields the text
// before the first and after the last comma.
std::vector<std::string> ParseAsciiExtensions(const std::string& text);

// True for ASCII mode: always in ASCII mode, never in binary mode; in
// automatic mode for a name without a dot, or whose text after the last dot,
// lower-cased, is one of the extensions.
bool IsAsciiTransfer(const std::string& name, TransferMode mode, const std::vector<std::string>& extensions);

} // namespace quiltmark
