// Character-aware search and replace on the editor's text.
#include "TextSearch.h"

#include <algorithm>

#include "ShiftJis.h"

namespace quiltmark {
namespace {

bool IsLineBreakByte(unsigned char c) {
    return c == '\r' || c == '\n';
}

// Walks the character boundaries of a text from its start. Queries must not
// go backwards, so that a whole search walks the text once.
class Boundaries {
  public:
    explicit Boundaries(std::string_view text) : text_(text) {}

    std::size_t AtOrAfter(std::size_t index) {
        const std::size_t stop = std::min(index, text_.size());
        while (at_ < stop) {
            // Most bytes are single-byte characters; only the rest need a closer look.
            const auto c = static_cast<unsigned char>(text_[at_]);
            at_ = c < 0x80 && c != '\r' ? at_ + 1 : NextCharacter(text_, at_);
        }
        return at_ < index ? text_.size() : at_;
    }
    bool Is(std::size_t index) { return AtOrAfter(index) == index; }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// Calls onMatch(index) for every match of `what` that starts at or after
// `from` and lies completely before `limit`, in text order. onMatch returns
// where the search goes on, or npos to stop.
template <typename OnMatch>
void ForEachMatch(std::string_view text, std::size_t from, std::size_t limit, std::string_view what,
                  bool matchCase, OnMatch onMatch) {
    if (what.empty() || limit > text.size() || what.size() > limit)
        return;
    Boundaries starts(text);
    Boundaries ends(text);
    from = starts.AtOrAfter(from);
    if (from >= limit)
        return;

    // Case-insensitive searches look through a folded copy of the searched
    // part; folding never changes the length, so indexes carry over.
    std::string folded;
    std::string foldedWhat;
    std::string_view haystack = text.substr(from, limit - from);
    if (!matchCase) {
        folded = LowerAsciiLetters(std::string(haystack));
        foldedWhat = LowerAsciiLetters(std::string(what));
        haystack = folded;
        what = foldedWhat;
    }
    std::size_t next = from;
    while (next != std::string_view::npos && next < limit) {
        const std::size_t found = haystack.find(what, next - from);
        if (found == std::string_view::npos)
            return;
        const std::size_t at = from + found;
        if (starts.Is(at) && ends.Is(at + what.size()))
            next = onMatch(at);
        else
            next = starts.AtOrAfter(at + 1);
    }
}

} // namespace

std::size_t NextCharacter(std::string_view text, std::size_t i) noexcept {
    if (i + 1 < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto following = static_cast<unsigned char>(text[i + 1]);
        if (c == '\r' && following == '\n')
            return i + 2;
        if (IsLeadByte(c) && !IsLineBreakByte(following))
            return i + 2;
    }
    return i + 1;
}

std::size_t BoundaryAtOrAfter(std::string_view text, std::size_t index) noexcept {
    return Boundaries(text).AtOrAfter(index);
}

std::optional<std::size_t> FindForward(std::string_view text, std::size_t from, std::string_view what,
                                       bool matchCase) {
    std::optional<std::size_t> first;
    ForEachMatch(text, from, text.size(), what, matchCase, [&](std::size_t at) {
        first = at;
        return std::string_view::npos;
    });
    return first;
}

std::optional<std::size_t> FindBackward(std::string_view text, std::size_t limit, std::string_view what,
                                        bool matchCase) {
    // Matches may overlap: the last one starts at the last boundary that
    // still holds a whole match.
    std::optional<std::size_t> last;
    ForEachMatch(text, 0, std::min(limit, text.size()), what, matchCase, [&](std::size_t at) {
        last = at;
        return at + 1;
    });
    return last;
}

bool MatchesAt(std::string_view text, std::size_t index, std::string_view what) {
    if (what.empty() || index > text.size() || text.size() - index < what.size() ||
        text.compare(index, what.size(), what) != 0)
        return false;
    Boundaries boundaries(text);
    return boundaries.Is(index) && boundaries.Is(index + what.size());
}

Replacement ReplaceEveryMatch(std::string_view text, std::string_view what, std::string_view with) {
    Replacement result;
    std::size_t copied = 0;
    ForEachMatch(text, 0, text.size(), what, true, [&](std::size_t at) {
        if (result.count == 0)
            result.text.reserve(text.size());
        result.text.append(text, copied, at - copied);
        result.text.append(with);
        copied = at + what.size();
        ++result.count;
        return copied;
    });
    if (result.count > 0)
        result.text.append(text, copied);
    return result;
}

} // namespace quiltmark
