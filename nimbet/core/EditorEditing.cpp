// The editing operations: deleting and replacing the selection, typed
// characters, input-method results, Enter, Backspace, Delete and Tab. Each one
// records what undo needs, moves the caret and notifies the parent.
#include <cstring>
#include <new>

#include "CarryOver.h"
#include "CharSteps.h"
#include "Editor.h"
#include "ShiftJis.h"

namespace nimbet {

namespace {

// Bytes between two places, two per line break.
long long LengthBetween(const TextBuffer& buffer, TextPlace from, TextPlace to) noexcept {
    if (from.line == to.line)
        return to.pos - from.pos;
    const LineRecord* line = buffer.lineAt(from.line);
    long long total = line->length - (from.pos - 1) + 2;
    line = line->next;
    for (int n = from.line + 1; n < to.line; ++n, line = line->next)
        total += line->length + 2;
    return total + (to.pos - 1);
}

// Writes the bytes between two places into `out` (lines joined by CR LF),
// without a terminating NUL.
void CopyBetween(const TextBuffer& buffer, TextPlace from, TextPlace to, char* out) noexcept {
    const LineRecord* line = buffer.lineAt(from.line);
    if (from.line == to.line) {
        std::memcpy(out, line->text + from.pos - 1, static_cast<size_t>(to.pos - from.pos));
        return;
    }
    const size_t rest = static_cast<size_t>(line->length - (from.pos - 1));
    std::memcpy(out, line->text + from.pos - 1, rest);
    out += rest;
    for (int n = from.line + 1; n <= to.line; ++n) {
        *out++ = '\r';
        *out++ = '\n';
        line = line->next;
        const size_t bytes =
            n < to.line ? static_cast<size_t>(line->length) : static_cast<size_t>(to.pos - 1);
        std::memcpy(out, line->text, bytes);
        out += bytes;
    }
}

bool Typeable(unsigned char c) noexcept {
    return (c >= 0x20 && c <= 0x7E) || (c >= 0xA1 && c <= 0xDF);
}

} // namespace

std::string Editor::textBetween(TextPlace from, TextPlace to) const {
    std::string text(static_cast<size_t>(LengthBetween(buffer_, from, to)), '\0');
    CopyBetween(buffer_, from, to, text.data());
    return text;
}

long long Editor::selectedLength() const noexcept {
    const SelectionRange range = selection();
    return range.exists ? LengthBetween(buffer_, range.start, range.finish) : 0;
}

std::string Editor::selectedText() const {
    const SelectionRange range = selection();
    return range.exists ? textBetween(range.start, range.finish) : std::string();
}

NimbetResult Editor::getSelText(char* out) const {
    if (!out)
        return NIMBET_BADARG;
    const SelectionRange range = selection();
    if (!range.exists)
        return NIMBET_NOSELECTION;
    CopyBetween(buffer_, range.start, range.finish, out);
    out[LengthBetween(buffer_, range.start, range.finish)] = '\0';
    return NIMBET_OK;
}

// Removes the text between two places. Only growing the first line can fail,
// and that happens before anything is changed.
bool Editor::removeRange(TextPlace from, TextPlace to) {
    LineRecord& first = lineRef(from.line);
    if (from.line == to.line) {
        DeleteBytes(first, from.pos - 1, to.pos - from.pos);
    } else {
        const LineRecord& last = lineRef(to.line);
        const int oldLength = first.length;
        if (InsertBytes(first, last.text + to.pos - 1, first.length, last.length - (to.pos - 1)) !=
            LineResult::Ok)
            return false;
        DeleteBytes(first, from.pos - 1, oldLength - (from.pos - 1));
        for (int n = from.line + 1; n <= to.line; ++n)
            buffer_.removeLine(first.next, from.line + 1);
    }
    refreshRows(first, from.line);
    RecomputeCarryOver(&first);
    changed();
    return true;
}

TextPlace Editor::insertAt(TextPlace at, std::string_view text, bool* ok) {
    *ok = true;
    if (text.empty())
        return at;
    const auto outcome = buffer_.insertText(at.line, at.pos - 1, text.data(), text.size(), false);
    *ok = outcome.result == LineResult::Ok;
    refreshRows(at.line, outcome.breaks + 1);
    changed();
    const TextPlace end = outcome.breaks > 0
                              ? TextPlace{at.line + outcome.breaks, outcome.bytesAfterLastBreak + 1}
                              : TextPlace{at.line, at.pos + static_cast<int>(text.size())};
    return *ok ? end : clampPlace(end);
}

bool Editor::deleteSelection(UndoRecord* record) {
    if (!writeEnabled_)
        return false;
    if (!caret_.selecting) {
        if (record)
            record->start = record->oldEnd = caretPlace();
        return false;
    }
    const SelectionRange range = selection();
    if (record) {
        record->oldText = textBetween(range.start, range.finish);
        record->start = range.start;
        record->oldEnd = range.finish;
    }
    if (!removeRange(range.start, range.finish))
        throw std::bad_alloc(); // nothing has changed yet
    clearSelection();
    // Exactly at the start of the removed text (it stays a place of the
    // text): what is inserted next must go exactly there, even when the join
    // made a lone lead byte pair with the byte after it. Operations that end
    // here move the caret to a character start themselves.
    setCaret(range.start);
    const int row = rowOfPlace(caretPlace());
    if (row < caret_.topLine || row - caret_.topLine > metrics_.page())
        caret_.topLine = row;
    return true;
}

NimbetResult Editor::replaceSelection(const char* text, size_t length, bool record, bool moveCaret) {
    if (!writeEnabled_)
        return NIMBET_FAILED;
    UndoRecord entry;
    if (record && text)
        entry.newText.emplace(text, length); // copied before anything changes
    deleteSelection(record ? &entry : nullptr);
    entry.kind = UndoRecord::Replacement;
    bool ok = true;
    const TextPlace end = text ? insertAt(caretPlace(), {text, length}, &ok) : caretPlace();
    // A lone lead byte at the end of the text before or of the inserted text
    // pairs with the byte after it: the caret goes to that character's start,
    // while the record keeps the exact end for undo.
    if (moveCaret)
        setCaret(snapPlace(end));
    if (record) {
        entry.newEnd = end; // also without moving the caret, so that undo finds the inserted text
        undo_.push(std::move(entry));
    }
    scrollCaretIntoView();
    events_.repaint(Repaint::Full);
    return ok ? NIMBET_OK : NIMBET_NOMEMORY;
}

NimbetResult Editor::setSelText(const char* text) {
    if (!writeEnabled_) {
        events_.notify(NIMBET_NOTIFY_TEXT, NIMBET_TEXT_SETSELTEXT);
        return NIMBET_READONLY;
    }
    if (!text)
        text = ""; // nothing to insert: the selection is just removed
    const NimbetResult result = replaceSelection(text, std::strlen(text), true, true);
    events_.notify(NIMBET_NOTIFY_TEXT, NIMBET_TEXT_SETSELTEXT);
    return result;
}

void Editor::repaintAfterTyping(bool hadSelection, bool rowsChanged, int oldTop, int oldColumn) {
    const bool viewMoved = oldTop != caret_.topLine || oldColumn != caret_.firstColumn;
    events_.repaint(!hadSelection && !rowsChanged && !viewMoved ? Repaint::CaretLine : Repaint::Full);
}

bool Editor::insertByteAtCaret(UndoRecord& entry, char byte) {
    entry.kind = UndoRecord::Replacement;
    LineRecord& line = lineRef(caret_.caretLine);
    if (InsertBytes(line, &byte, caret_.caretPos - 1, 1) != LineResult::Ok) {
        if (entry.oldText) { // the replaced text is gone: keep it undoable
            entry.newText.reset();
            entry.newEnd = entry.start;
            undo_.push(std::move(entry));
        }
        throw std::bad_alloc();
    }
    const bool rowsChanged = refreshRows(line, caret_.caretLine);
    RecomputeCarryOver(&line);
    changed();
    setCaret({caret_.caretLine, caret_.caretPos + 1});
    entry.newEnd = caretPlace();
    undo_.push(std::move(entry));
    return rowsChanged;
}

void Editor::typeChar(unsigned char c) {
    if (imeSwallow_ > 0) {
        --imeSwallow_;
        return;
    }
    if (skipTrailByte_) {
        skipTrailByte_ = false;
        return;
    }
    if (IsLeadByte(c)) {
        // A double-byte character arriving byte by byte: neither byte is a
        // typeable character, and its trail byte must not be typed as ASCII.
        skipTrailByte_ = true;
        return;
    }
    if (!Typeable(c) || !writeEnabled_)
        return;
    const bool hadSelection = caret_.selecting;
    const int oldTop = caret_.topLine, oldColumn = caret_.firstColumn;
    UndoRecord entry;
    entry.newText.emplace(1, static_cast<char>(c));
    if (caret_.overwriteMode && !caret_.selecting) {
        const LineRecord& line = lineRef(caret_.caretLine);
        if (caret_.caretPos <= line.length)
            selectRange(caretPlace(),
                        {caret_.caretLine, caret_.caretPos + CharLengthAt(line, caret_.caretPos - 1)});
    }
    deleteSelection(&entry);
    const bool rowsChanged = insertByteAtCaret(entry, static_cast<char>(c));
    scrollCaretIntoView();
    events_.notify(NIMBET_NOTIFY_TEXT, NIMBET_TEXT_TYPED);
    events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_KEYBOARD);
    repaintAfterTyping(hadSelection, rowsChanged, oldTop, oldColumn);
}

void Editor::inputMethodResult(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    if (!writeEnabled_ || text.empty())
        return;
    const bool hadSelection = caret_.selecting;
    const int oldTop = caret_.topLine, oldColumn = caret_.firstColumn;
    UndoRecord entry;
    entry.newText.emplace(text);
    if (caret_.overwriteMode && !caret_.selecting) {
        // Overwrite as many characters as the result has.
        int characters = 0;
        for (size_t i = 0; i < text.size(); ++characters)
            i += IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
        const LineRecord& line = lineRef(caret_.caretLine);
        int index = caret_.caretPos - 1;
        for (; characters > 0 && index < line.length; --characters)
            index += CharLengthAt(line, index);
        if (index > caret_.caretPos - 1)
            selectRange(caretPlace(), {caret_.caretLine, index + 1});
    }
    deleteSelection(&entry);
    entry.kind = UndoRecord::Replacement;
    const TextPlace start = caretPlace();
    bool ok = true;
    // Inserted by the splitting rule, so that a result holding a line break
    // still leaves the caret on a real place.
    const TextPlace end = insertAt(start, text, &ok);
    setCaret(snapPlace(end));
    entry.newEnd = end;
    imeSwallow_ += static_cast<int>(text.size());
    undo_.push(std::move(entry));
    scrollCaretIntoView();
    repaintAfterTyping(hadSelection || end.line != start.line, false, oldTop, oldColumn);
    events_.notify(NIMBET_NOTIFY_CARET, NIMBET_CARET_KEYBOARD);
    events_.notify(NIMBET_NOTIFY_TEXT, NIMBET_TEXT_IMERESULT);
    if (!ok)
        throw std::bad_alloc();
}

void Editor::enter() {
    if (!writeEnabled_)
        return;
    UndoRecord entry;
    entry.newText.emplace("\r\n");
    const bool deleted = deleteSelection(&entry);
    entry.kind = UndoRecord::Replacement;
    LineRecord& line = lineRef(caret_.caretLine);
    const int index = caret_.caretPos - 1;
    LineRecord* fresh = CreateLine(line.text + index, line.length - index);
    if (!fresh) {
        if (deleted) { // the selection is gone: keep it undoable
            entry.newText.reset();
            entry.newEnd = entry.start;
            undo_.push(std::move(entry));
        }
        throw std::bad_alloc();
    }
    TruncateLine(line, index);
    buffer_.insertLineAfter(&line, caret_.caretLine, fresh);
    refreshRows(line, caret_.caretLine);
    refreshRows(*fresh, caret_.caretLine + 1);
    RecomputeCarryOver(&line);
    changed();
    setCaret({caret_.caretLine + 1, 1});
    entry.newEnd = caretPlace();
    if (rowOfPlace(caretPlace()) > caret_.topLine + metrics_.page() - 2)
        ++caret_.topLine;
    caret_.firstColumn = 1;
    undo_.push(std::move(entry));
    events_.notify(NIMBET_NOTIFY_TEXT, NIMBET_TEXT_ENTER);
    events_.repaint(Repaint::Full);
}

void Editor::backspace() {
    if (!writeEnabled_)
        return;
    const bool hadSelection = caret_.selecting;
    const int oldTop = caret_.topLine, oldColumn = caret_.firstColumn;
    bool joined = false, rowsChanged = false;
    UndoRecord entry;
    if (caret_.selecting) {
        deleteSelection(&entry);
        setCaret(snapPlace(caretPlace()));
    } else if (caret_.caretPos == 1 && caret_.caretLine == 1) {
        return;
    } else if (caret_.caretPos == 1) {
        const int n = caret_.caretLine;
        LineRecord& previous = lineRef(n - 1);
        LineRecord* current = previous.next;
        const TextPlace join{n - 1, previous.length + 1};
        entry.oldText.emplace("\r\n");
        if (InsertBytes(previous, current->text, previous.length, current->length) != LineResult::Ok)
            throw std::bad_alloc(); // nothing changed
        buffer_.removeLine(current, n);
        refreshRows(previous, n - 1);
        RecomputeCarryOver(&previous);
        changed();
        entry.oldEnd = {n, 1};
        setCaret(snapPlace(join)); // a lone lead byte may pair with the joined line's first byte
        entry.start = join;
        joined = true;
    } else {
        LineRecord& line = lineRef(caret_.caretLine);
        const int end = caret_.caretPos - 1;
        const int start = CharStartBefore(line, end);
        entry.oldText.emplace(line.text + start, static_cast<size_t>(end - start));
        entry.oldEnd = caretPlace();
        DeleteBytes(line, start, end - start);
        rowsChanged = refreshRows(line, caret_.caretLine);
        RecomputeCarryOver(&line);
        changed();
        setCaret({caret_.caretLine, start + 1});
        entry.start = caretPlace();
    }
    entry.kind = UndoRecord::Deletion;
    undo_.push(std::move(entry));
    events_.notify(NIMBET_NOTIFY_TEXT, NIMBET_TEXT_BACKSPACE);
    scrollCaretIntoView();
    repaintAfterTyping(hadSelection || joined, rowsChanged, oldTop, oldColumn);
}

void Editor::deleteKey() {
    if (!writeEnabled_)
        return;
    const bool hadSelection = caret_.selecting;
    const int oldTop = caret_.topLine, oldColumn = caret_.firstColumn;
    bool joined = false, rowsChanged = false;
    UndoRecord entry;
    int code = NIMBET_TEXT_DELETE;
    if (caret_.selecting) {
        deleteSelection(&entry);
        setCaret(snapPlace(caretPlace()));
        code = NIMBET_TEXT_BACKSPACE;
    } else {
        LineRecord& line = lineRef(caret_.caretLine);
        const TextPlace at = caretPlace();
        if (at.pos > line.length) {
            if (!line.next)
                return; // the end of the text
            LineRecord* next = line.next;
            entry.oldText.emplace("\r\n");
            if (InsertBytes(line, next->text, line.length, next->length) != LineResult::Ok)
                throw std::bad_alloc(); // nothing changed
            buffer_.removeLine(next, at.line + 1);
            entry.oldEnd = {at.line + 1, 1};
            joined = true;
        } else {
            const int bytes = CharLengthAt(line, at.pos - 1);
            entry.oldText.emplace(line.text + at.pos - 1, static_cast<size_t>(bytes));
            DeleteBytes(line, at.pos - 1, bytes);
            entry.oldEnd = {at.line, at.pos + bytes};
        }
        rowsChanged = refreshRows(line, at.line);
        RecomputeCarryOver(&line);
        changed();
        entry.start = at;
        setCaret(snapPlace(at)); // a lone lead byte may pair with the joined line's first byte
    }
    entry.kind = UndoRecord::Deletion;
    entry.keepCaret = true;
    undo_.push(std::move(entry));
    events_.notify(NIMBET_NOTIFY_TEXT, code);
    scrollCaretIntoView();
    repaintAfterTyping(hadSelection || joined, rowsChanged, oldTop, oldColumn);
}

void Editor::tab(bool shift) {
    if (!writeEnabled_)
        return;
    if (caret_.selecting && caret_.anchorLine != caret_.endLine) {
        if (shift)
            unindent();
        else
            indent();
        return;
    }
    if (shift)
        return;
    const bool hadSelection = caret_.selecting;
    const int oldTop = caret_.topLine, oldColumn = caret_.firstColumn;
    UndoRecord entry;
    entry.newText.emplace("\t");
    deleteSelection(&entry);
    const bool rowsChanged = insertByteAtCaret(entry, '\t');
    events_.notify(NIMBET_NOTIFY_TEXT, NIMBET_TEXT_TAB);
    scrollCaretIntoView();
    repaintAfterTyping(hadSelection, rowsChanged, oldTop, oldColumn);
}

} // namespace nimbet
