// The undo history of one editor: a ring of 256 records, newest first. Every
// change opens a record before it changes the text; undo and redo walk the
// ring. A change made after an undo drops the whole history.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "TextPlace.h"

namespace nimbet {

struct UndoRecord {
    enum Kind : int { Replacement = 0, Deletion = 1 };
    int kind = Replacement;
    TextPlace start{0, 0};
    TextPlace newEnd{0, 0};             // replacement: after the inserted text
    TextPlace oldEnd{0, 0};             // end of the removed text
    bool keepCaret = false;             // deletion: undo leaves the caret at the start
    bool chained = false;               // undoing this continues with the next older record
    std::optional<std::string> newText; // absent: nothing inserted
    std::optional<std::string> oldText; // absent: nothing removed
};

class UndoRing {
public:
    static constexpr int kCapacity = 256;

    // Stores `record` as the newest record. After an undo the whole history is
    // dropped first; otherwise the oldest record falls out when the ring is full.
    // Records are moved, never copied.
    void push(UndoRecord&& record);

    // Drops every record.
    void clear();

    int undone() const noexcept { return undone_; }
    int available() const noexcept { return available_; }
    bool canUndo() const noexcept { return undone_ < kCapacity && available_ > 0; }
    bool canRedo() const noexcept { return undone_ > 0; }

    // The record the next undo reverses, and the one the next redo repeats.
    const UndoRecord& nextUndo() const noexcept { return at(undone_); }
    const UndoRecord& nextRedo() const noexcept { return at(undone_ - 1); }
    void markUndone() noexcept {
        ++undone_;
        --available_;
    }
    void markRedone() noexcept {
        --undone_;
        if (available_ < kCapacity)
            ++available_;
    }

    // Makes undoing the newest record continue with the one before it (a text
    // moved by drag-and-drop is one step).
    void chainNewest() noexcept { records_[physical(0)].chained = true; }

    // Record i counted from the newest (0).
    const UndoRecord& at(int i) const noexcept { return records_[physical(i)]; }

private:
    size_t physical(int i) const noexcept { return static_cast<size_t>((head_ + i) % kCapacity); }

    std::array<UndoRecord, kCapacity> records_;
    int head_ = 0;      // physical slot of the newest record
    int undone_ = 0;    // how many of the newest records are undone
    int available_ = 0; // how many records can still be undone
};

} // namespace nimbet
