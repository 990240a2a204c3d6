// The text of one editor instance: a doubly linked list of lines, the line
// count and the line code of the last loaded text.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "LineRecord.h"
#include "RowIndex.h"

namespace nimbet {

enum class BreakKind { None = 0, CrLf = 1, Cr = 2, Lf = 3 };

// Finds the next line break in text[from, n): where it starts, its kind and how
// many bytes it takes (2 for CR LF, 1 otherwise). kind None when there is none.
struct LineBreak {
    size_t at;
    BreakKind kind;
    int width;
};
LineBreak FindLineBreak(const char* text, size_t from, size_t n) noexcept;

class TextBuffer {
  public:
    TextBuffer();
    ~TextBuffer();
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;

    LineRecord* first() const noexcept { return first_; }
    LineRecord* last() const noexcept { return last_; }
    int lineCount() const noexcept { return count_; }

    // Line n (1-based), or null outside 1..lineCount. Walks from the nearest of
    // the first line, the last line and the previous lookup.
    LineRecord* lineAt(int n) const noexcept;

    int lineCode() const noexcept { return lineCode_; }

    // Frees every line and leaves one empty line. False when memory ran out
    // (the buffer is then still valid, possibly with the old first line).
    bool reset() noexcept;

    // Links `fresh` after `at`, which is line number `atNumber`.
    void insertLineAfter(LineRecord* at, int atNumber, LineRecord* fresh) noexcept;
    // Unlinks and frees line `number`; the only line is never removed.
    void removeLine(LineRecord* line, int number) noexcept;

    struct InsertOutcome {
        LineResult result;
        int breaks;              // line breaks met in the text
        int bytesAfterLastBreak; // bytes of the final segment
    };
    // Inserts `text` (n bytes) at byte `index` of line `lineNumber`, splitting it
    // into lines at every CR LF, CR and LF. With setLineCode the first break's
    // kind becomes the line code. On NoMemory the text is inserted as far as it
    // got and the lines are consistent.
    InsertOutcome insertText(int lineNumber, int index, const char* text, size_t n,
                             bool setLineCode) noexcept;

    // Replaces the single line of a just reset buffer by `text` (n bytes),
    // split into lines like insertText, the first break's kind becoming the
    // line code. The bytes are copied into one block that the lines share,
    // their breaks turned into the lines' NULs, and the records are made in
    // blocks too: a big text costs little more than its size. Refused when the
    // buffer holds more lines or the block cannot be had (nothing changed);
    // NoMemory when it stopped part-way (the lines made so far stay).
    LineResult load(const char* text, size_t n) noexcept;

    // Sum of line lengths plus two bytes per line break; walks the lines only
    // when some line changed since the last call.
    long long textLength() const noexcept;

    // Writes every line with the given break between lines (1 CR LF, 2 CR, 3 LF,
    // 4 the stored line code, anything else nothing) and a final NUL. `out` must
    // hold textLength() + 1 bytes.
    void exportText(char* out, int lineCode) const noexcept;

    // Counts the lines by walking the list (used to check the kept count).
    int walkCount() const noexcept;

    // Display rows. A line's rows field changes only through setRows, so that
    // the row sum and the remembered lines of the row lookups stay right.
    void setRows(LineRecord& line, int number, int rows) noexcept;
    int totalRows() const noexcept { return rowIndex_.totalRows(); }
    // Rows of the lines above line n (1..lineCount).
    int rowsBefore(int n) const noexcept;
    // The line holding display row `row` (clamped to the rows there are).
    RowSpot lineOfRow(int row) const noexcept;

    // Called once after every 100 segments of a long insertion so that the
    // window stays responsive; set by the platform layer.
    void setPump(std::function<void()> pump) { pump_ = std::move(pump); }

  private:
    void freeAll() noexcept;
    // A line record made in one of the buffer's blocks, or null.
    LineRecord* pooledLine() noexcept;
    // Copies the run of lines from `line` on that lie as loaded with CR LF
    // breaks between them (all but the last one's break) to `out`, which it
    // advances; returns the run's last line (`line` when there is no run).
    const LineRecord* copyLoadedRun(const LineRecord* line, char*& out) const noexcept;
    // Takes `block` into the buffer's keeping (freed with the lines).
    bool keepBlock(void* block) noexcept;
    void rememberLookup(int n, LineRecord* line) const noexcept {
        cacheNumber_ = n;
        cacheLine_ = line;
    }

    LineRecord* first_ = nullptr;
    LineRecord* last_ = nullptr;
    int count_ = 0;
    int lineCode_ = 1;
    mutable int cacheNumber_ = 0; // 0: nothing remembered
    mutable LineRecord* cacheLine_ = nullptr;
    std::function<void()> pump_;
    RowIndex rowIndex_;
    mutable long long length_ = 0; // the text length as of LineChanges() == lengthAt_
    mutable unsigned long long lengthAt_ = 0;
    mutable bool lengthKnown_ = false;
    std::vector<void*> blocks_;              // loaded texts, freed by freeAll
    std::vector<RecordBlock*> recordBlocks_; // the blocks of loaded lines' records, freed by freeAll
};

} // namespace nimbet
