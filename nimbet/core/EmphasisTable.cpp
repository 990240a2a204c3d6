// Registration of emphasis rules: limits, flag decoding and the character
// classes at the edges of each begin string.
#include "EmphasisTable.h"

#include <new>

#include "CharClass.h"
#include "ShiftJis.h"

namespace nimbet {

namespace {

int DecodeBoundary(unsigned flags) noexcept {
    // When several boundary bits are set the highest of them wins.
    if (flags & kFlagBoundaryClass)
        return kBoundaryClass;
    if (flags & kFlagBoundaryReserved)
        return kBoundaryReserved;
    if (flags & kFlagBoundaryIdentifier)
        return kBoundaryIdentifier;
    if (flags & kFlagBoundaryBlank)
        return kBoundaryBlank;
    return kBoundaryNone;
}

unsigned char ByteAt(const std::string& s, size_t i) noexcept {
    return i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
}

// Class of the first and of the last character of a begin string; the last
// character is found by walking from the start, so that a trail byte is never
// taken for a character of its own.
void ComputeEdgeClasses(EmphasisRule& rule) noexcept {
    const std::string& s = rule.begin;
    if (s.empty())
        return;
    rule.beginFirstClass = CharClass(ByteAt(s, 0), ByteAt(s, 1));
    size_t last = 0;
    for (size_t i = 0; i < s.size(); i += IsLeadByte(s[i]) ? 2 : 1)
        last = i;
    rule.beginLastClass = CharClass(ByteAt(s, last), ByteAt(s, last + 1));
}

} // namespace

NimbetResult EmphasisTable::add(const char* begin, const char* end, int type, Color color, unsigned flags,
                                int level, int permit) {
    if (count() >= kMaxRules)
        return NIMBET_RULESFULL;
    if (type == kRuleMultiLine && multiLineCount_ >= kMaxMultiLineRules)
        return NIMBET_BLOCKRULESFULL;
    if (permit != 0 && permittingCount_ >= kMaxPermittingRules)
        return NIMBET_GROUPRULESFULL;
    if (!begin)
        return NIMBET_NOMEMORY; // a missing begin string counts as a failed copy
    try {
        EmphasisRule rule;
        rule.begin = begin;
        if (end)
            rule.end = end;
        ComputeEdgeClasses(rule);
        rule.type = type;
        rule.boundary = DecodeBoundary(flags);
        rule.matchCase = (flags & kFlagIgnoreCase) == 0;
        rule.notAtLineStart = (flags & kFlagNotAtLineStart) != 0;
        rule.bold = (flags & kFlagBold) != 0;
        rule.color = color;
        rule.level = level;
        rule.permit = permit;
        rules_.reserve(kMaxRules); // one allocation for the table's life
        rules_.push_back(std::move(rule));
    } catch (const std::bad_alloc&) {
        return NIMBET_NOMEMORY;
    }
    const EmphasisRule& added = rules_.back();
    if (added.type == kRuleMultiLine)
        multiLineRules_[static_cast<size_t>(multiLineCount_++)] = count() - 1;
    if (added.permit != 0)
        ++permittingCount_;
    if (!added.begin.empty()) {
        const auto first = static_cast<unsigned char>(added.begin[0]);
        beginBytes_[first] = true;
        if (!added.matchCase && ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z')))
            beginBytes_[first ^ 0x20] = true;
    }
    return NIMBET_OK;
}

void EmphasisTable::clear() noexcept {
    rules_.clear();
    multiLineCount_ = 0;
    permittingCount_ = 0;
    beginBytes_.fill(false);
}

} // namespace nimbet
