// Walks the emphasis rules over one line, character by character: the stack of
// open emphases, the begin and end tests with their boundary conditions, and
// the line's record of the multi-line rules it opens and closes.
#pragma once

#include "EmphasisTable.h"
#include "LineRecord.h"

namespace nimbet {

// Deepest nesting of emphases within a line; no rule begins beyond it.
constexpr int kMaxEmphasisDepth = 16;

class EmphasisEvaluator {
  public:
    // Starts a line: the stack holds the rules open at its start, and the
    // line's openedHere and closedHere are saved and emptied.
    EmphasisEvaluator(const EmphasisTable& rules, LineRecord& line) noexcept;

    // Tries the rules at the character starting at byte i (the caller skips
    // tabs). Rules are tried in registration order, each first with its begin
    // and, when it is the innermost open emphasis, with its end; the first
    // success or the first begin that fails its boundary test ends the search.
    void tryRulesAt(int i) noexcept;

    // Moves past the character [i, next): it becomes the previous character,
    // and every emphasis whose last byte lies in it ends.
    void passCharacter(int i, int next) noexcept;

    // Index of the innermost open emphasis, or -1 for normal text.
    int currentRule() const noexcept { return depth_ > 0 ? stack_[depth_ - 1].rule : -1; }
    int depth() const noexcept { return depth_; }

    // Whether openedHere or closedHere now differ from what the line held.
    bool carryChanged() const noexcept;

  private:
    struct Open {
        int rule;
        int endSearchFrom; // the end string is not looked for before this byte
        int endsAt;        // byte after the emphasis' last byte; -1 while open
    };

    bool mayBegin(int r) const noexcept;
    bool boundaryHolds(const EmphasisRule& rule, int i) const noexcept;
    bool endPossibleAt(int i) const noexcept;
    void begin(int r, int i) noexcept;
    void end(int i) noexcept;
    int classAt(int i) const noexcept;

    const EmphasisTable& rules_;
    LineRecord& line_;
    const char* text_;
    int length_;
    Open stack_[kMaxEmphasisDepth];
    int depth_ = 0;
    int previousStart_ = -1;       // start of the previous character; -1 at the line start
    int previousClass_ = kNoClass; // equals no class at the line start
    CarrySlots savedOpened_;
    CarrySlots savedClosed_;
};

} // namespace nimbet
