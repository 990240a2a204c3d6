// One line of the text: its bytes without the line break, its mark, the
// emphasis carry-over slots and its display-row count.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace nimbet {

constexpr int kCarrySlots = 5; // at most 5 multi-line emphasis rules exist

// Five slots of a line's carry-over record, each empty (-1) or naming a
// multi-line emphasis rule by its place among those rules (0-6 fit; there
// are at most five). Packed into 16 bits, three per slot, so that a line
// record stays small: a 100 MB text has two million of them.
class CarrySlots {
  public:
    static constexpr int kMaxValue = 6;

    int operator[](int k) const noexcept {
        const int value = (bits_ >> (3 * k)) & 7;
        return value == 7 ? -1 : value;
    }
    // Values outside 0..kMaxValue empty the slot.
    void set(int k, int value) noexcept {
        const unsigned field = value >= 0 && value <= kMaxValue ? static_cast<unsigned>(value) : 7u;
        bits_ = static_cast<std::uint16_t>((bits_ & ~(7u << (3 * k))) | (field << (3 * k)));
    }
    void clear() noexcept { bits_ = kEmpty; }
    std::array<int, 5> values() const noexcept {
        return {(*this)[0], (*this)[1], (*this)[2], (*this)[3], (*this)[4]};
    }
    bool operator==(const CarrySlots&) const = default;

  private:
    static constexpr std::uint16_t kEmpty = 0x7FFF;
    std::uint16_t bits_ = kEmpty;
};

enum class ByteKind { Single = 0, Lead = 1, Trail = 2, End = 3 };

// Results of the primitives that change a line.
enum class LineResult { Ok = 0, Refused = 2, NoMemory = 3 };

// Where a line's bytes and its record live (LineRecord::storage bits).
enum LineStorage : std::uint8_t {
    kSharedText = 1,   // the bytes lie in a block of the text buffer, not in a block of their own
    kPooledRecord = 2, // the record lies in a block of the text buffer: DestroyLine, never delete
    kLoadedCrLf = 4,   // the bytes are as loaded, and their NUL stands where the CR of a CR LF stood
};

struct LineRecord {
    LineRecord* next = nullptr; // null for the last line
    LineRecord* prev = nullptr; // null for the first line
    char* text = nullptr;       // length + 1 bytes, NUL-terminated; exactly that block unless shared
    int length = 0;
    int rows = 1; // display rows when wrapping; 1 otherwise
    CarrySlots openAtStart;
    CarrySlots openedHere;
    CarrySlots closedHere;
    std::uint8_t mark = 0;    // 0 none, 1 blue, 2 red, 3 green
    std::uint8_t storage = 0; // LineStorage bits

    LineRecord() noexcept = default;
    ~LineRecord();
    LineRecord(const LineRecord&) = delete;
    LineRecord& operator=(const LineRecord&) = delete;
};

// The records a load makes lie in blocks of kRecordBlockBytes, aligned to
// that size, behind a header, so that a record finds its block by its
// address. The header tells whether any line of the block changed since the
// load (its bytes, or a link to or from it): the export copies the lines of
// an unchanged block without visiting them.
constexpr std::size_t kRecordBlockBytes = std::size_t{1} << 20;
struct RecordBlock {
    static constexpr std::size_t kHeaderBytes = 64;
    static constexpr int kCapacity = static_cast<int>((kRecordBlockBytes - kHeaderBytes) / sizeof(LineRecord));

    int count = 0;        // records made so far
    bool changed = false; // a line of the block changed, or a link to or from one
    bool allCrLf = true;  // every line made in the block ended with CR LF

    LineRecord* records() noexcept {
        return reinterpret_cast<LineRecord*>(reinterpret_cast<char*>(this) + kHeaderBytes);
    }
};

// The block of a record a load made, else null.
RecordBlock* BlockOf(const LineRecord* line) noexcept;
// Notes that a line's bytes or links changed.
void NoteBlockChange(const LineRecord* line) noexcept;

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

// A count that moves with every change of any line's bytes and of any line
// list, so that a sum over a text can be kept until it moves.
unsigned long long LineChanges() noexcept;
void NoteLineChange() noexcept;

// Frees a line made by CreateLine or by the text buffer's loading.
void DestroyLine(LineRecord* line) noexcept;

} // namespace nimbet
