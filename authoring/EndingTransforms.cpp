// The sentence-ending transforms.
#include "EndingTransforms.h"

#include <vector>

#include "NimbetCodes.h"
#include "ShiftJis.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

constexpr int kEditorId = 0;
constexpr std::string_view kCopula = "です";

constexpr EndingCommand kEndingCommands[] = {
    {ID_ENDING_DOG, "edit.endingDog", "だわん"},
    {ID_ENDING_CAT, "edit.endingCat", "だにゃん"},
    {ID_ENDING_MOUSE, "edit.endingMouse", "だちゅ～"},
};

} // namespace

std::span<const EndingCommand> EndingCommands() {
    return kEndingCommands;
}

std::string ReplaceEndings(std::string_view text, std::string_view word) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, kCopula.size(), kCopula) == 0) {
            out.append(word);
            i += kCopula.size();
            continue;
        }
        // Whole characters: a lead byte takes the byte after it along.
        const std::size_t length = IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
        out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

void RewriteEndings(EditorApi& editor, std::string_view word, bool editorShowing) {
    if (!editorShowing)
        return;
    const int length = editor.NimbetGetTextLength(kEditorId);
    if (length < 0)
        return;
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    if (editor.NimbetGetText(kEditorId, buffer.data(), NIMBET_LINECODE_STORED) != NIMBET_OK)
        return;
    buffer.back() = '\0';
    const std::string result = ReplaceEndings(buffer.data(), word);
    editor.NimbetSelectAll(kEditorId);
    editor.NimbetSetSelText(kEditorId, result.c_str());
}

} // namespace quiltmark
