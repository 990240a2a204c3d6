// Primitive operations on one line. Lines are kept at their exact size: the
// block is reallocated on every change. A line whose bytes lie in the block of
// a loaded text gets a block of its own when it grows.
#include "LineRecord.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

#include "ShiftJis.h"

namespace nimbet {

namespace {
char kEmpty[1] = {0};
std::atomic<unsigned long long> g_lineChanges{0};

// Allocates a block for `length` bytes plus the NUL.
char* AllocateText(int length) noexcept {
    return static_cast<char*>(std::malloc(static_cast<size_t>(length) + 1));
}
} // namespace

unsigned long long LineChanges() noexcept {
    return g_lineChanges.load(std::memory_order_relaxed);
}

void NoteLineChange() noexcept {
    g_lineChanges.fetch_add(1, std::memory_order_relaxed);
}

LineRecord::~LineRecord() {
    if (!(storage & kSharedText))
        std::free(text);
}

void ClearCarrySlots(LineRecord& line) noexcept {
    line.openAtStart.clear();
    line.openedHere.clear();
    line.closedHere.clear();
}

RecordBlock* BlockOf(const LineRecord* line) noexcept {
    if (!line || !(line->storage & kPooledRecord))
        return nullptr;
    const auto address = reinterpret_cast<std::uintptr_t>(line);
    return reinterpret_cast<RecordBlock*>(address & ~static_cast<std::uintptr_t>(kRecordBlockBytes - 1));
}

void NoteBlockChange(const LineRecord* line) noexcept {
    if (RecordBlock* block = BlockOf(line))
        block->changed = true;
}

void DestroyLine(LineRecord* line) noexcept {
    if (!line)
        return;
    if (line->storage & kPooledRecord)
        line->~LineRecord(); // the buffer frees the block
    else
        delete line;
}

LineRecord* CreateLine(const char* bytes, int n) noexcept {
    if (!bytes)
        bytes = kEmpty;
    if (n < 0)
        n = static_cast<int>(std::strlen(bytes));
    auto* line = new (std::nothrow) LineRecord();
    if (!line)
        return nullptr;
    line->text = AllocateText(n);
    if (!line->text) {
        delete line;
        return nullptr;
    }
    std::memcpy(line->text, bytes, static_cast<size_t>(n));
    line->text[n] = '\0';
    line->length = n;
    return line;
}

LineResult InsertBytes(LineRecord& line, const char* bytes, int index, int n) noexcept {
    if (!bytes || index < 0 || index > line.length)
        return LineResult::Refused;
    if (n < 0)
        n = static_cast<int>(std::strlen(bytes));
    if (n == 0)
        return LineResult::Ok;
    NoteLineChange();
    NoteBlockChange(&line);
    const long long newLength = static_cast<long long>(line.length) + n;
    if (newLength > 0x7FFFFFF0LL)
        return LineResult::NoMemory;
    char* grown;
    if (line.storage & kSharedText) {
        grown = AllocateText(static_cast<int>(newLength));
        if (!grown)
            return LineResult::NoMemory;
        std::memcpy(grown, line.text, static_cast<size_t>(line.length) + 1);
        line.storage &= static_cast<std::uint8_t>(~(kSharedText | kLoadedCrLf));
    } else {
        grown = static_cast<char*>(std::realloc(line.text, static_cast<size_t>(newLength) + 1));
        if (!grown)
            return LineResult::NoMemory;
    }
    std::memmove(grown + index + n, grown + index, static_cast<size_t>(line.length - index) + 1);
    std::memcpy(grown + index, bytes, static_cast<size_t>(n));
    line.text = grown;
    line.length = static_cast<int>(newLength);
    return LineResult::Ok;
}

LineResult DeleteBytes(LineRecord& line, int index, int n) noexcept {
    if (index < 0 || n < 0 || static_cast<long long>(index) + n > line.length)
        return LineResult::Refused;
    NoteLineChange();
    NoteBlockChange(&line);
    std::memmove(line.text + index, line.text + index + n, static_cast<size_t>(line.length - index - n) + 1);
    line.length -= n;
    line.storage &= static_cast<std::uint8_t>(~kLoadedCrLf);
    if (line.storage & kSharedText)
        return LineResult::Ok; // shorter in place; the block belongs to the buffer
    if (char* shrunk = static_cast<char*>(std::realloc(line.text, static_cast<size_t>(line.length) + 1)))
        line.text = shrunk; // a failed shrink keeps the larger block, which is still valid
    return LineResult::Ok;
}

LineResult TruncateLine(LineRecord& line, int index) noexcept {
    if (index < 0 || index > line.length)
        return LineResult::Refused;
    return DeleteBytes(line, index, line.length - index);
}

void CopyBytes(const LineRecord& line, int start, int end, char* out) noexcept {
    if (!out)
        return;
    if (start < 0 || start >= end || end > line.length) {
        out[0] = '\0';
        return;
    }
    std::memcpy(out, line.text + start, static_cast<size_t>(end - start));
    out[end - start] = '\0';
}

ByteKind ByteKindAt(const LineRecord& line, int index) noexcept {
    if (index < 0 || index >= line.length)
        return ByteKind::End;
    int i = 0;
    while (true) {
        const bool lead = IsLeadByte(line.text[i]) && i + 1 < line.length;
        if (i == index)
            return lead ? ByteKind::Lead : ByteKind::Single;
        if (lead && i + 1 == index)
            return ByteKind::Trail;
        i += lead ? 2 : 1;
    }
}

const char* BytesFrom(const LineRecord& line, int index) noexcept {
    if (index < 0 || index >= line.length)
        return kEmpty;
    return line.text + index;
}

} // namespace nimbet
