// The find and replace operations on the source editor.
#include "FindReplace.h"

#include <vector>

#include "NimbetCodes.h"
#include "TextSearch.h"

namespace quiltmark {

std::string FindReplace::Text() {
    // The length is exact for CR LF line ends.
    const int length = editor_.NimbetGetTextLength(kEditorId);
    if (length <= 0)
        return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    if (editor_.NimbetGetText(kEditorId, text.data(), NIMBET_LINECODE_CRLF) != NIMBET_OK)
        return {};
    return text;
}

int FindReplace::SelectionStart() {
    // The result only says whether a selection exists; the offsets come either way.
    int from = 0, to = 0;
    editor_.NimbetGetSelB(kEditorId, &from, &to);
    return from;
}

std::optional<std::string> FindReplace::SelectedText() {
    int from = 0, to = 0;
    if (editor_.NimbetGetSelB(kEditorId, &from, &to) != NIMBET_OK || to <= from)
        return std::nullopt;
    // The selected text joins its lines with CR LF, so the through offsets
    // give its exact length.
    std::vector<char> buffer(static_cast<std::size_t>(to - from) + 1, '\0');
    if (editor_.NimbetGetSelText(kEditorId, buffer.data()) != NIMBET_OK)
        return std::nullopt;
    buffer.back() = '\0';
    return std::string(buffer.data());
}

void FindReplace::Select(std::size_t index, std::size_t length, bool focus) {
    const int from = static_cast<int>(index) + 1;
    editor_.NimbetSetSelB(kEditorId, from, from + static_cast<int>(length));
    if (focus)
        editor_.NimbetSetFocus(kEditorId);
}

void FindReplace::SelectFromStart(const std::string& text, int start, std::size_t length) {
    const std::size_t index = static_cast<std::size_t>(start - 1);
    const std::size_t end = BoundaryAtOrAfter(text, index + length);
    Select(index, end - index, true);
}

void FindReplace::FindNext(std::string_view what, bool down, bool matchCase) {
    const std::string text = Text();
    const int start = SelectionStart();
    if (start < 1 || what.empty())
        return;
    const auto startIndex = static_cast<std::size_t>(start - 1);
    if (down && static_cast<std::size_t>(start) >= text.size())
        return; // the selection starts at the last byte or beyond: nothing follows
    const std::optional<std::size_t> found = down ? FindForward(text, startIndex + 1, what, matchCase)
                                                  : FindBackward(text, startIndex, what, matchCase);
    if (found)
        Select(*found, what.size(), true);
    else
        SelectFromStart(text, start, what.size());
}

void FindReplace::Replace(std::string_view what, std::string_view with) {
    std::string text = Text();
    const int start = SelectionStart();
    // A match may also be the text's very last byte.
    if (start < 1 || what.empty() || static_cast<std::size_t>(start) > text.size())
        return;
    const auto startIndex = static_cast<std::size_t>(start - 1);

    std::size_t searchFrom = startIndex + 1;
    std::optional<std::size_t> replacedLength;
    if (MatchesAt(text, startIndex, what)) {
        // Exactly the matched text is replaced, whatever else the selection held.
        Select(startIndex, what.size(), false);
        const std::string replacement(with);
        editor_.NimbetSetSelText(kEditorId, replacement.c_str());
        const std::size_t oldLength = text.size();
        text = Text();
        // The replacement's length as it now stands in the text (a line break
        // in it is counted the way the text counts it).
        replacedLength = text.size() + what.size() - oldLength;
        searchFrom = startIndex + *replacedLength;
    }
    const std::optional<std::size_t> next =
        searchFrom < text.size() ? FindForward(text, searchFrom, what, true) : std::nullopt;
    if (next)
        Select(*next, what.size(), true);
    else if (replacedLength)
        Select(startIndex, *replacedLength, true);
}

void FindReplace::ReplaceAll(std::string_view what, std::string_view with) {
    const std::string text = Text();
    const Replacement result = ReplaceEveryMatch(text, what, with);
    if (result.count == 0)
        return; // nothing to replace: no step is added to the undo history
    editor_.NimbetSelectAll(kEditorId);
    editor_.NimbetSetSelText(kEditorId, result.text.c_str());
}

} // namespace quiltmark
