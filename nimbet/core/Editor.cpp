// Whole-text operations of the editor: loading, export, line access and the
// layout settings.
#include "Editor.h"

#include <cstring>

#include "CarryOver.h"
#include "TextScan.h"

namespace nimbet {

Editor::Editor(EditorEvents& events) : events_(events) {
    buffer_.setPump([this] { events_.pumpOneMessage(); });
}

void Editor::resetForLoad() {
    const bool overwrite = caret_.overwriteMode; // the typing mode survives reloads
    caret_ = CaretState{};
    caret_.overwriteMode = overwrite;
    undo_.clear();
    changed();
    events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_EXPORT);
}

NimbetResult Editor::setText(const char* text) {
    if (!text)
        return NIMBET_BADARG;
    events_.notify(NIMBET_NOTIFY_TEXT, NIMBET_TEXT_SETTEXT);
    if (!writeEnabled_)
        return NIMBET_READONLY;
    if (!buffer_.reset())
        return NIMBET_NOMEMORY;
    resetForLoad();
    const size_t length = TextLength(text);
    LineResult result = buffer_.load(text, length);
    if (result == LineResult::Refused) // no block for the whole text: line by line, as far as it goes
        result = buffer_.insertText(1, 0, text, length, true).result;
    RecomputeCarryOver(buffer_.first());
    changed();
    if (metrics_.wrap)
        refreshAllRows();
    events_.repaint(Repaint::Full);
    return result == LineResult::Ok ? NIMBET_OK : NIMBET_NOMEMORY;
}

NimbetResult Editor::getText(char* out, int lineCode) const {
    if (!out)
        return NIMBET_BADARG;
    buffer_.exportText(out, lineCode);
    return NIMBET_OK;
}

const char* Editor::lineData(int line) const noexcept {
    const LineRecord* record = buffer_.lineAt(line);
    return record ? record->text : nullptr;
}

int Editor::lineLength(int line) const noexcept {
    const LineRecord* record = buffer_.lineAt(line);
    return record ? record->length : NIMBET_BADARG;
}

int Editor::setMark(int line, int mark) noexcept {
    LineRecord* record = buffer_.lineAt(line);
    if (!record || mark < 0 || mark > 3)
        return NIMBET_BADARG;
    const int previous = record->mark;
    record->mark = mark;
    return previous;
}

int Editor::getMark(int line) const noexcept {
    const LineRecord* record = buffer_.lineAt(line);
    return record ? static_cast<int>(record->mark) : static_cast<int>(NIMBET_BADARG);
}

NimbetResult Editor::setMetric(int kind, int value) {
    const int columnsBefore = metrics_.visibleColumns();
    const int tabBefore = metrics_.tabWidth();
    const NimbetResult result = metrics_.set(kind, value);
    if (result != NIMBET_OK)
        return result;
    // Wrapped rows depend on the tab width and the column count.
    if (metrics_.wrap && (columnsBefore != metrics_.visibleColumns() || tabBefore != metrics_.tabWidth()))
        relayoutRows();
    return NIMBET_OK;
}

} // namespace nimbet
