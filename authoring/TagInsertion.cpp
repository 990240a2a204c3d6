// The tag insertion engine.
#include "TagInsertion.h"

#include <vector>

#include "NimbetCodes.h"
#include "ShiftJis.h"

namespace quiltmark {

void TagInserter::InsertTag(std::string start, std::string end, const InsertionContext& context) {
    if (context.lowerCase) {
        start = LowerAsciiLetters(std::move(start));
        end = LowerAsciiLetters(std::move(end));
    }
    if (!context.editorShowing)
        return;
    if (start == end) {
        editor_.NimbetSetSelText(kEditorId, start.c_str());
        return;
    }
    std::string selection;
    const bool selected = SelectedText(selection);
    const std::string text = start + selection + end;
    editor_.NimbetSetSelText(kEditorId, text.c_str());
    if (selected)
        return;
    // The caret stands after the end text; put it between the two texts. Both
    // measures count a line break as two bytes, as CR LF in the end text does.
    int from = 0, to = 0;
    editor_.NimbetGetSelB(kEditorId, &from, &to);
    const int caret = from - static_cast<int>(end.size());
    if (caret >= 1)
        editor_.NimbetSetSelB(kEditorId, caret, caret);
}

bool TagInserter::SelectedText(std::string& selection) {
    const int length = editor_.NimbetGetTextLength(kEditorId);
    if (length < 0)
        return false;
    // The whole text's length bounds any selection.
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    if (editor_.NimbetGetSelText(kEditorId, buffer.data()) != NIMBET_OK)
        return false;
    buffer.back() = '\0';
    selection.assign(buffer.data());
    return true;
}

} // namespace quiltmark
