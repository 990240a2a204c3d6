// Searching and replacing in the editor's text, character by character.
//
// The text is the editor's whole text fetched with CR LF line ends, so that
// byte index i is the editor's through offset i + 1 everywhere in it (the
// through offsets count two bytes per line break, whatever line ends the
// document has). A match only counts where it starts and ends on a character
// boundary: a double-byte character (and a CR LF pair) is never split, so a
// search for "\" or "|" never finds the second byte of a character such as
// "表" (95 5C). Without match case only the ASCII letters of whole characters
// are compared case-insensitively.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quiltmark {

// The index just after the character that starts at i (i < text.size()):
// CR LF and a lead byte with its trail byte are one character each; a lead
// byte before a line break (a lone lead byte) is a character of its own.
std::size_t NextCharacter(std::string_view text, std::size_t i) noexcept;

// The first character boundary at or after `index` (text.size() at most).
std::size_t BoundaryAtOrAfter(std::string_view text, std::size_t index) noexcept;

// The first match of `what` that starts at or after `from`.
std::optional<std::size_t> FindForward(std::string_view text, std::size_t from, std::string_view what,
                                       bool matchCase);

// The last match of `what` that lies completely before `limit`.
std::optional<std::size_t> FindBackward(std::string_view text, std::size_t limit, std::string_view what,
                                        bool matchCase);

// Whether `what` matches exactly (case-sensitive) at `index`.
bool MatchesAt(std::string_view text, std::size_t index, std::string_view what);

struct Replacement {
    std::string text;
    std::size_t count = 0;
};

// Every match of `what` replaced by `with`, left to right, non-overlapping,
// case-sensitive. An empty `what` matches nothing.
Replacement ReplaceEveryMatch(std::string_view text, std::string_view what, std::string_view with);

} // namespace quiltmark
