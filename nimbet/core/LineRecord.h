// One line of the text: its bytes without the line break, its mark, the
// emphasis carry-over slots and its display-row count.
#pragma once

namespace nimbet {

constexpr int kCarrySlots = 5; // at most 5 multi-line emphasis rules exist

enum class ByteKind { Single = 0, Lead = 1, Trail = 2, End = 3 };

// Results of the primitives that change a line.
enum class LineResult { Ok = 0, Refused = 2, NoMemory = 3 };

struct LineRecord {
    LineRecord* next = nullptr; // null for the last line
    LineRecord* prev = nullptr; // null for the first line
    int mark = 0;               // 0 none, 1 blue, 2 red, 3 green
    int openAtStart[kCarrySlots];
    int openedHere[kCarrySlots];
    int closedHere[kCarrySlots];
    char* text = nullptr; // heap block of exactly length + 1 bytes, NUL-terminated
    int length = 0;
    int rows = 1; // display rows when wrapping; 1 otherwise

    LineRecord() noexcept;
    ~LineRecord();
    LineRecord(const LineRecord&) = delete;
    LineRecord& operator=(const LineRecord&) = delete;
};

// Creates a line holding n bytes of `bytes` (n = -1: up to the NUL).
// Returns null when memory runs out.
LineRecord* CreateLine(const char* bytes = "", int n = 0) noexcept;

// Inserts n bytes (n = -1: up to the NUL) at byte index `index`.
LineResult InsertBytes(LineRecord& line, const char* bytes, int index, int n) noexcept;

// Removes n bytes from `index`; refused when the range is not inside the line.
LineResult DeleteBytes(LineRecord& line, int index, int n) noexcept;

// Cuts the line at `index`; refused when index < 0 or index > length.
LineResult TruncateLine(LineRecord& line, int index) noexcept;

// Copies bytes [start, end) into `out` and terminates it; an empty or invalid
// range yields an empty string. `out` must hold end - start + 1 bytes.
void CopyBytes(const LineRecord& line, int start, int end, char* out) noexcept;

// What the byte at `index` is, walking from the start of the line.
ByteKind ByteKindAt(const LineRecord& line, int index) noexcept;

// The bytes from `index` on; an empty string beyond the length.
const char* BytesFrom(const LineRecord& line, int index) noexcept;

void ClearCarrySlots(LineRecord& line) noexcept;

} // namespace nimbet
