// The emphasis rules an editor colours its text by: registration with its
// limits, and the decoding of the rule flags.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "NimbetCodes.h"

namespace nimbet {

// A colour as the host passes it: red in bits 0-7, green 8-15, blue 16-23.
using Color = std::uint32_t;

// How far an emphasis reaches once its begin string was found.
enum RuleType : int {
    kRuleWord = 1,       // only the begin string
    kRuleToLineEnd = 2,  // from the begin string to the end of the line
    kRuleWithinLine = 3, // to the end string, or to the end of the line
    kRuleMultiLine = 4,  // to the end string, over following lines if need be
};

// Conditions on the characters around a begin string.
enum RuleBoundary : int {
    kBoundaryNone = 0,
    kBoundaryBlank = 4,      // spaces, tabs or full-width spaces around it
    kBoundaryIdentifier = 8, // no identifier character around it
    kBoundaryReserved = 16,  // accepted, tests nothing
    kBoundaryClass = 32,     // the character classes change at both of its edges
};

// Bits of the flags argument of NimbetAddEmphasis.
enum RuleFlag : unsigned {
    kFlagBold = 0x01,
    kFlagIgnoreCase = 0x02,
    kFlagBoundaryBlank = 0x04,
    kFlagBoundaryIdentifier = 0x08,
    kFlagBoundaryReserved = 0x10,
    kFlagBoundaryClass = 0x20,
    kFlagNotAtLineStart = 0x40,
};

constexpr int kMaxRules = 256;
constexpr int kMaxMultiLineRules = 5; // the carry-over slots of a line hold them
constexpr int kMaxPermittingRules = 7;

// A class value that equals no character class (the class of an empty begin).
constexpr int kNoClass = -1;

struct EmphasisRule {
    std::string begin;
    std::string end; // empty: the rule has no end string
    int beginFirstClass = kNoClass;
    int beginLastClass = kNoClass; // of the last character, two bytes when double-byte
    int type = kRuleWord;
    int boundary = kBoundaryNone;
    bool matchCase = true;
    bool notAtLineStart = false;
    bool bold = false;
    Color color = 0;
    int level = 0;
    int permit = 0; // 0: nothing begins inside; else rules of level >= permit may

    // Rules of these types look for their end string.
    bool seeksEnd() const noexcept {
        return (type == kRuleWithinLine || type == kRuleMultiLine) && !end.empty();
    }
};

class EmphasisTable {
  public:
    // Registers a rule (NimbetAddEmphasis). The limits are checked before
    // anything is stored, so a refused rule changes no count.
    NimbetResult add(const char* begin, const char* end, int type, Color color, unsigned flags, int level,
                     int permit);

    // The flags NimbetSetEmphasis stands for.
    static constexpr unsigned SimpleFlags(bool onlyWord, bool bold) noexcept {
        return (bold ? kFlagBold : 0u) | (onlyWord ? kFlagBoundaryClass : 0u);
    }

    // Removes every rule. The lines' carry-over slots refer to the multi-line
    // rules, so the caller clears them too (see Emphasis::reset).
    void clear() noexcept;

    int count() const noexcept { return static_cast<int>(rules_.size()); }
    int multiLineCount() const noexcept { return multiLineCount_; }
    int permittingCount() const noexcept { return permittingCount_; }
    const EmphasisRule& operator[](int index) const noexcept { return rules_[static_cast<size_t>(index)]; }

    // Lines record multi-line rules by their place among the multi-line
    // rules (0 for the first registered, ...): the place of rule `index`, and
    // the rule at a place; -1 when there is none.
    int multiLinePlace(int index) const noexcept {
        for (int k = 0; k < multiLineCount_; ++k)
            if (multiLineRules_[static_cast<size_t>(k)] == index)
                return k;
        return -1;
    }
    int multiLineRule(int place) const noexcept {
        return place >= 0 && place < multiLineCount_ ? multiLineRules_[static_cast<size_t>(place)] : -1;
    }

    // False when no begin string can start with byte c (a quick filter for the
    // evaluation, which tries every rule at every character otherwise).
    bool mayBeginWith(unsigned char c) const noexcept { return beginBytes_[c]; }

  private:
    std::vector<EmphasisRule> rules_;
    int multiLineCount_ = 0;
    std::array<int, kMaxMultiLineRules> multiLineRules_{}; // their indexes, in registration order
    int permittingCount_ = 0;
    std::array<bool, 256> beginBytes_{};
};

} // namespace nimbet
