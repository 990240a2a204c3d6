// The fuzzer input read as a program: operation codes, numbers and texts, and
// the two programs the fuzz target runs (raw buffer work, and whole-editor
// work through every input path).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

class Program {
public:
    Program(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool done() const { return at_ >= size_; }
    uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    int number(int limit) { return limit <= 0 ? 0 : static_cast<int>((byte() << 8 | byte()) % limit); }
    // A number in [low, high].
    int between(int low, int high) { return low + number(high - low + 1); }
    bool flag() { return byte() & 1; }
    // Up to 23 arbitrary bytes (no NUL: texts cross the API NUL-terminated).
    std::string text();
    // Up to 23 pieces, each an arbitrary byte or a piece of HTML, a line
    // break, a link or a double-byte character, so that rules, links, words
    // and character boundaries all come up.
    std::string richText();

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

[[noreturn]] void Fail(const char* what);

// The text buffer alone: loading, raw insertions anywhere, carry-over and marks,
// checked against a reference copy of the lines.
void RunBufferProgram(Program& program);
// One editor driven through its operations, the mouse, drag-and-drop,
// scrolling, wrapping and emphasis evaluation, with invariants after each step
// and undo of everything at the end.
void RunEditorProgram(Program& program);

} // namespace fuzz
