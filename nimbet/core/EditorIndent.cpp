// Indent and unindent of the selected lines, each one undoable step whose
// record holds the lines before and after.
#include <vector>

#include "CarryOver.h"
#include "Editor.h"

namespace nimbet {

namespace {

// Bytes of one indentation level at the start of the line, or 0 when the line
// keeps its indentation. Spaces count 1 column and full-width spaces 2; the
// level is complete once the count reaches the tab width and another character
// follows; a tab ends the level and goes with the spaces before it.
int LevelToRemove(const LineRecord& line, int tabWidth) noexcept {
    int columns = 0;
    for (int i = 0;;) {
        if (i >= line.length)
            return 0;
        if (columns >= tabWidth)
            return i;
        const auto c = static_cast<unsigned char>(line.text[i]);
        if (c == '\t')
            return i + 1;
        if (c == ' ') {
            columns += 1;
            i += 1;
        } else if (c == 0x81 && i + 1 < line.length && static_cast<unsigned char>(line.text[i + 1]) == 0x40) {
            columns += 2;
            i += 2;
        } else {
            return 0;
        }
    }
}

} // namespace

NimbetResult Editor::indent() {
    return reindent(true);
}
NimbetResult Editor::unindent() {
    return reindent(false);
}

NimbetResult Editor::reindent(bool add) {
    if (!writeEnabled_ || !caret_.selecting)
        return NIMBET_FAILED;
    const SelectionRange range = selection();
    const int first = range.start.line;
    int last = range.finish.line;
    if (range.finish.pos == 1 && last > first)
        --last; // a selection ending at the start of a line leaves that line alone

    // Both texts and every line's change are worked out before anything changes.
    const int tabWidth = metrics_.tabWidth();
    std::vector<int> removed;
    std::string oldText, newText;
    LineRecord* firstLine = buffer_.lineAt(first);
    LineRecord* line = firstLine;
    for (int n = first; n <= last; ++n, line = line->next) {
        oldText.append(line->text, static_cast<size_t>(line->length));
        if (add) {
            newText += '\t';
            newText.append(line->text, static_cast<size_t>(line->length));
        } else {
            const int bytes = LevelToRemove(*line, tabWidth);
            removed.push_back(bytes);
            newText.append(line->text + bytes, static_cast<size_t>(line->length - bytes));
        }
        if (n < last) {
            oldText += "\r\n";
            newText += "\r\n";
        }
    }
    const int oldLastLength = lineRef(last).length;

    line = firstLine;
    for (int n = first; n <= last; ++n, line = line->next) {
        if (add) {
            if (InsertBytes(*line, "\t", 0, 1) != LineResult::Ok) {
                for (LineRecord* done = firstLine; done != line; done = done->next)
                    DeleteBytes(*done, 0, 1);
                return NIMBET_NOMEMORY; // back as it was
            }
        } else {
            DeleteBytes(*line, 0, removed[static_cast<size_t>(n - first)]);
        }
        refreshRows(*line, n);
    }
    RecomputeCarryOver(firstLine);
    changed();

    const int newLastLength = lineRef(last).length;
    UndoRecord entry;
    entry.kind = UndoRecord::Replacement;
    entry.start = {first, 1};
    entry.oldEnd = {last, oldLastLength + 1};
    entry.newEnd = {last, newLastLength + 1};
    entry.oldText = std::move(oldText);
    entry.newText = std::move(newText);
    undo_.push(std::move(entry));

    selectRange({first, 1}, {last, newLastLength + 1});
    setCaret({last, newLastLength + 1});
    if (!add)
        caret_.firstColumn = 1;
    setTopLine(caret_.topLine); // wrapped lines may have lost rows under the view
    events_.repaint(Repaint::Full);
    events_.notify(NIMBET_NOTIFY_TEXT, add ? NIMBET_TEXT_INDENT : NIMBET_TEXT_UNINDENT);
    events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_EXPORT);
    return NIMBET_OK;
}

} // namespace nimbet
