// The line list: lookup, structural changes, splitting incoming text into
// lines, and whole-text export.
#include "TextBuffer.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "CarryOver.h"
#include "TextScan.h"

namespace nimbet {

LineBreak FindLineBreak(const char* text, size_t from, size_t n) noexcept {
    const size_t i = FindBreakByte(text, from, n);
    if (i == n)
        return {n, BreakKind::None, 0};
    if (text[i] == '\n')
        return {i, BreakKind::Lf, 1};
    if (i + 1 < n && text[i + 1] == '\n')
        return {i, BreakKind::CrLf, 2};
    return {i, BreakKind::Cr, 1};
}

TextBuffer::TextBuffer() {
    first_ = last_ = CreateLine();
    if (!first_)
        throw std::bad_alloc();
    count_ = 1;
    rowIndex_.reset(first_);
}

TextBuffer::~TextBuffer() {
    freeAll();
}

void TextBuffer::freeAll() noexcept {
    LineRecord* line = first_;
    while (line) {
        LineRecord* next = line->next;
        DestroyLine(line);
        line = next;
    }
    for (void* block : blocks_)
        std::free(block);
    blocks_.clear();
    for (RecordBlock* block : recordBlocks_)
        ::operator delete(block, std::align_val_t{kRecordBlockBytes});
    recordBlocks_.clear();
    first_ = last_ = nullptr;
    count_ = 0;
    rememberLookup(0, nullptr);
    NoteLineChange();
}

bool TextBuffer::keepBlock(void* block) noexcept {
    try {
        blocks_.push_back(block);
        return true;
    } catch (...) {
        return false;
    }
}

LineRecord* TextBuffer::pooledLine() noexcept {
    RecordBlock* block = recordBlocks_.empty() ? nullptr : recordBlocks_.back();
    if (!block || block->count == RecordBlock::kCapacity) {
        void* memory = ::operator new(kRecordBlockBytes, std::align_val_t{kRecordBlockBytes}, std::nothrow);
        if (!memory)
            return nullptr;
        block = new (memory) RecordBlock();
        try {
            recordBlocks_.push_back(block);
        } catch (...) {
            ::operator delete(memory, std::align_val_t{kRecordBlockBytes});
            return nullptr;
        }
    }
    LineRecord* line = new (block->records() + block->count++) LineRecord();
    line->storage = kPooledRecord;
    return line;
}

LineResult TextBuffer::load(const char* text, size_t n) noexcept {
    if (!text || n > 0x7FFFFFF0u || count_ != 1)
        return LineResult::Refused;
    auto* bytes = static_cast<char*>(std::malloc(n + 1));
    if (!bytes || !keepBlock(bytes)) {
        std::free(bytes);
        return LineResult::Refused;
    }
    bytes[n] = '\0';

    // The reset buffer's only line becomes the first line of the text; each
    // line's break becomes its NUL as soon as the copy reaches it.
    LineRecord* line = first_;
    if (!(line->storage & kSharedText))
        std::free(line->text);
    line->storage |= kSharedText;
    line->text = bytes;
    line->length = 0;
    size_t start = 0;
    int segments = 0;
    LineResult result = LineResult::Ok;
    CopyFindingBreaks(bytes, text, n, [&](size_t at, int width) {
        bytes[at] = '\0';
        line->length = static_cast<int>(at - start);
        if (width == 2)
            line->storage |= kLoadedCrLf;
        else if (RecordBlock* block = BlockOf(line))
            block->allCrLf = false;
        if (segments == 0)
            lineCode_ = static_cast<int>(width == 2         ? BreakKind::CrLf
                                         : text[at] == '\n' ? BreakKind::Lf
                                                            : BreakKind::Cr);
        if (++segments % 100 == 0 && pump_) {
            NoteLineChange(); // every line linked so far is complete
            pump_();
        }
        LineRecord* fresh = pooledLine();
        if (!fresh) {
            result = LineResult::NoMemory;
            return false;
        }
        start = at + static_cast<size_t>(width);
        fresh->storage |= kSharedText;
        fresh->text = bytes + start; // its length follows at its break
        // Appended after the last line: no remembered line moves.
        fresh->prev = line;
        line->next = fresh;
        last_ = fresh;
        ++count_;
        rowIndex_.lineAppended(*fresh);
        line = fresh;
        return true;
    });
    if (RecordBlock* block = BlockOf(line))
        block->allCrLf = false; // the last line ends without a break
    if (result == LineResult::Ok)
        line->length = static_cast<int>(n - start);
    NoteLineChange();
    return result;
}

bool TextBuffer::reset() noexcept {
    LineRecord* fresh = CreateLine();
    if (!fresh)
        return false;
    freeAll();
    first_ = last_ = fresh;
    count_ = 1;
    rowIndex_.reset(first_);
    return true;
}

LineRecord* TextBuffer::lineAt(int n) const noexcept {
    if (n < 1 || n > count_)
        return nullptr;
    // Start from whichever known line is nearest.
    int fromNumber = 1;
    LineRecord* line = first_;
    if (count_ - n < n - 1) {
        fromNumber = count_;
        line = last_;
    }
    if (cacheLine_ && std::abs(cacheNumber_ - n) < std::abs(fromNumber - n)) {
        fromNumber = cacheNumber_;
        line = cacheLine_;
    }
    for (; fromNumber < n; ++fromNumber)
        line = line->next;
    for (; fromNumber > n; --fromNumber)
        line = line->prev;
    rememberLookup(n, line);
    return line;
}

void TextBuffer::insertLineAfter(LineRecord* at, int atNumber, LineRecord* fresh) noexcept {
    fresh->prev = at;
    fresh->next = at->next;
    if (at->next)
        at->next->prev = fresh;
    else
        last_ = fresh;
    NoteBlockChange(at);
    NoteBlockChange(at->next);
    at->next = fresh;
    ++count_;
    NoteLineChange();
    rowIndex_.lineInserted(atNumber + 1, *fresh);
    if (cacheLine_ && cacheNumber_ > atNumber)
        ++cacheNumber_;
}

void TextBuffer::removeLine(LineRecord* line, int number) noexcept {
    if (count_ <= 1)
        return;
    NoteBlockChange(line->prev);
    NoteBlockChange(line);
    NoteBlockChange(line->next);
    if (line->prev)
        line->prev->next = line->next;
    else
        first_ = line->next;
    if (line->next)
        line->next->prev = line->prev;
    else
        last_ = line->prev;
    --count_;
    NoteLineChange();
    if (cacheLine_ == line)
        rememberLookup(0, nullptr);
    else if (cacheLine_ && cacheNumber_ > number)
        --cacheNumber_;
    rowIndex_.lineRemoved(number, *line);
    DestroyLine(line);
}

TextBuffer::InsertOutcome TextBuffer::insertText(int lineNumber, int index, const char* text, size_t n,
                                                 bool setLineCode) noexcept {
    InsertOutcome outcome{LineResult::Ok, 0, 0};
    LineRecord* target = lineAt(lineNumber);
    if (!target || !text || index < 0 || index > target->length) {
        outcome.result = LineResult::Refused;
        return outcome;
    }

    LineBreak brk = FindLineBreak(text, 0, n);
    if (brk.kind == BreakKind::None) {
        outcome.result = InsertBytes(*target, text, index, static_cast<int>(n));
        outcome.bytesAfterLastBreak = static_cast<int>(n);
        RecomputeCarryOver(target);
        return outcome;
    }

    // The bytes after the insertion point move to the end of the last new line.
    LineRecord* tail = CreateLine(target->text + index, target->length - index);
    if (!tail) {
        outcome.result = LineResult::NoMemory;
        return outcome;
    }
    TruncateLine(*target, index);
    LineResult result = InsertBytes(*target, text, index, static_cast<int>(brk.at));
    if (setLineCode && result == LineResult::Ok)
        lineCode_ = static_cast<int>(brk.kind);

    LineRecord* current = target;
    int currentNumber = lineNumber;
    size_t readPoint = brk.at + brk.width;
    int segments = 1;
    outcome.breaks = 1;
    while (result == LineResult::Ok) {
        brk = FindLineBreak(text, readPoint, n);
        const size_t segmentEnd = brk.at;
        LineRecord* fresh = CreateLine(text + readPoint, static_cast<int>(segmentEnd - readPoint));
        if (!fresh) {
            result = LineResult::NoMemory;
            break;
        }
        insertLineAfter(current, currentNumber, fresh);
        current = fresh;
        ++currentNumber;
        if (brk.kind == BreakKind::None) {
            outcome.bytesAfterLastBreak = current->length;
            result = InsertBytes(*current, tail->text, current->length, tail->length);
            break;
        }
        ++outcome.breaks;
        readPoint = segmentEnd + brk.width;
        if (++segments % 100 == 0 && pump_)
            pump_();
    }
    if (result != LineResult::Ok) {
        // Out of memory part-way: put the moved bytes back at the end of the last
        // line reached so that nothing the user had is lost.
        InsertBytes(*current, tail->text, current->length, tail->length);
        outcome.result = result;
    }
    DestroyLine(tail);
    RecomputeCarryOver(target);
    return outcome;
}

long long TextBuffer::textLength() const noexcept {
    const unsigned long long changes = LineChanges();
    if (lengthKnown_ && lengthAt_ == changes)
        return length_;
    long long total = 0;
    for (const LineRecord* line = first_; line; line = line->next)
        total += line->length;
    length_ = total + 2LL * (count_ - 1);
    lengthAt_ = changes;
    lengthKnown_ = true;
    return length_;
}

void TextBuffer::exportText(char* out, int lineCode) const noexcept {
    if (!out)
        return;
    if (lineCode == 4)
        lineCode = lineCode_;
    const char* separator = "";
    switch (lineCode) {
    case 1:
        separator = "\r\n";
        break;
    case 2:
        separator = "\r";
        break;
    case 3:
        separator = "\n";
        break;
    default:
        break;
    }
    const size_t separatorLength = std::strlen(separator);
    char* p = out;
    for (const LineRecord* line = first_; line; line = line->next) {
        if (lineCode == 1)
            line = copyLoadedRun(line, p);
        std::memcpy(p, line->text, static_cast<size_t>(line->length));
        p += line->length;
        if (line->next) {
            std::memcpy(p, separator, separatorLength);
            p += separatorLength;
        }
    }
    *p = '\0';
}

namespace {
// The line after `line` when both lie one after the other in a loaded block
// with a CR LF between them, else null.
const LineRecord* LoadedFollower(const LineRecord* line) noexcept {
    const LineRecord* next = line->next;
    return next && (line->storage & kLoadedCrLf) && next->text == line->text + line->length + 2 ? next
                                                                                                : nullptr;
}
} // namespace

const LineRecord* TextBuffer::copyLoadedRun(const LineRecord* line, char*& out) const noexcept {
    const LineRecord* last = line;
    for (;;) {
        // The lines of an unchanged block lie as loaded, each linked to the
        // record after it: on to the block's last line at once.
        if (RecordBlock* block = BlockOf(last); block && !block->changed && block->allCrLf)
            last = block->records() + block->count - 1;
        const LineRecord* next = LoadedFollower(last);
        if (!next)
            break;
        last = next;
    }
    // Between the run's lines lie only their NULs, where the CRs stood, and
    // the LFs after them.
    const size_t bytes = static_cast<size_t>(last->text - line->text);
    CopyTurningNulsIntoCr(out, line->text, bytes);
    out += bytes;
    return last;
}

int TextBuffer::walkCount() const noexcept {
    int n = 0;
    for (const LineRecord* line = first_; line; line = line->next)
        ++n;
    return n;
}

} // namespace nimbet

namespace nimbet {

void TextBuffer::setRows(LineRecord& line, int number, int rows) noexcept {
    if (rows == line.rows)
        return;
    rowIndex_.rowsChanged(number, rows - line.rows);
    line.rows = rows;
}

int TextBuffer::rowsBefore(int n) const noexcept {
    const RowSpot spot = rowIndex_.spotOfLine(first_, last_, count_, n);
    if (spot.line)
        rememberLookup(spot.number, spot.line);
    return spot.rowsBefore;
}

RowSpot TextBuffer::lineOfRow(int row) const noexcept {
    const RowSpot spot = rowIndex_.spotOfRow(first_, last_, count_, row);
    if (spot.line)
        rememberLookup(spot.number, spot.line);
    return spot;
}

} // namespace nimbet
