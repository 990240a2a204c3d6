// The rule search at each character of a line and the bookkeeping of
// multi-line rules that the carry-over walk reads.
#include "EmphasisEvaluator.h"

#include <algorithm>

#include "CharClass.h"
#include "ShiftJis.h"
#include "TextMatch.h"

namespace nimbet {

namespace {

// Puts `value` into the first empty slot; nothing happens when all are taken.
void AddToSlots(CarrySlots& slots, int value) noexcept {
    for (int k = 0; k < kCarrySlots; ++k)
        if (slots[k] < 0) {
            slots.set(k, value);
            return;
        }
}

bool InSlots(const CarrySlots& slots, int value) noexcept {
    for (int k = 0; k < kCarrySlots; ++k)
        if (slots[k] == value)
            return true;
    return false;
}

// The most recent (last filled) slot, or -1 when all are empty.
int LastFilledSlot(const CarrySlots& slots) noexcept {
    int last = -1;
    for (int k = 0; k < kCarrySlots; ++k)
        if (slots[k] >= 0)
            last = k;
    return last;
}

bool IsFullWidthSpace(const char* p) noexcept {
    return static_cast<unsigned char>(p[0]) == 0x81 && static_cast<unsigned char>(p[1]) == 0x40;
}

} // namespace

EmphasisEvaluator::EmphasisEvaluator(const EmphasisTable& rules, LineRecord& line) noexcept
    : rules_(rules), line_(line), text_(line.text ? line.text : ""), length_(line.text ? line.length : 0),
      savedOpened_(line.openedHere), savedClosed_(line.closedHere) {
    for (int k = 0; k < kCarrySlots; ++k) {
        // Only multi-line rules are carried; a slot naming none is stale.
        const int rule = rules_.multiLineRule(line.openAtStart[k]);
        if (rule >= 0 && depth_ < kMaxEmphasisDepth)
            stack_[depth_++] = Open{rule, 0, -1};
    }
    line.openedHere.clear();
    line.closedHere.clear();
}

bool EmphasisEvaluator::carryChanged() const noexcept {
    return !(savedOpened_ == line_.openedHere) || !(savedClosed_ == line_.closedHere);
}

int EmphasisEvaluator::classAt(int i) const noexcept {
    const auto first = static_cast<unsigned char>(text_[i]);
    const auto second = i + 1 < length_ ? static_cast<unsigned char>(text_[i + 1]) : 0;
    return CharClass(first, second);
}

bool EmphasisEvaluator::mayBegin(int r) const noexcept {
    if (rules_[r].begin.empty())
        return false;
    if (depth_ == 0)
        return true;
    if (depth_ >= kMaxEmphasisDepth)
        return false;
    const Open& top = stack_[depth_ - 1];
    const EmphasisRule& inner = rules_[top.rule];
    return inner.permit != 0 && rules_[r].level >= inner.permit && r != top.rule;
}

bool EmphasisEvaluator::boundaryHolds(const EmphasisRule& rule, int i) const noexcept {
    if (rule.notAtLineStart && i == 0)
        return false;
    const bool atStart = i == 0;
    const int previousWidth = atStart ? 0 : i - previousStart_;
    const char* previous = atStart ? text_ : text_ + previousStart_;
    const int next = i + static_cast<int>(rule.begin.size());
    const bool atEnd = next >= length_;
    switch (rule.boundary) {
    case kBoundaryClass:
        return (atStart || previousClass_ != rule.beginFirstClass) &&
               (atEnd || classAt(next) != rule.beginLastClass);
    case kBoundaryBlank: {
        const bool before = atStart || (previousWidth == 1 && (*previous == ' ' || *previous == '\t')) ||
                            (previousWidth == 2 && IsFullWidthSpace(previous));
        const char* after = text_ + next;
        const bool afterOk =
            atEnd || *after == ' ' || *after == '\t' || (length_ - next > 1 && IsFullWidthSpace(after));
        return before && afterOk;
    }
    case kBoundaryIdentifier:
        // An underscore has a class of its own, so class 2 already excludes it.
        return (atStart || previousClass_ == kClassOther) && (atEnd || classAt(next) == kClassOther);
    default:
        return true;
    }
}

bool EmphasisEvaluator::endPossibleAt(int i) const noexcept {
    if (depth_ == 0)
        return false;
    const Open& top = stack_[depth_ - 1];
    return top.endsAt < 0 && i >= top.endSearchFrom && rules_[top.rule].seeksEnd();
}

void EmphasisEvaluator::begin(int r, int i) noexcept {
    const EmphasisRule& rule = rules_[r];
    Open open{r, i + static_cast<int>(rule.end.size()), -1};
    if (rule.type == kRuleWord)
        open.endsAt = i + static_cast<int>(rule.begin.size());
    stack_[depth_++] = open;
    if (rule.type == kRuleMultiLine && !InSlots(line_.openedHere, rules_.multiLinePlace(r)))
        AddToSlots(line_.openedHere, rules_.multiLinePlace(r));
}

void EmphasisEvaluator::end(int i) noexcept {
    Open& top = stack_[depth_ - 1];
    const EmphasisRule& rule = rules_[top.rule];
    top.endsAt = i + static_cast<int>(rule.end.size());
    if (rule.type != kRuleMultiLine)
        return;
    // Opened and closed within this line: the line leaves no trace of it.
    const int place = rules_.multiLinePlace(top.rule);
    const int last = LastFilledSlot(line_.openedHere);
    if (last >= 0 && line_.openedHere[last] == place)
        line_.openedHere.set(last, -1);
    else
        AddToSlots(line_.closedHere, place);
}

void EmphasisEvaluator::tryRulesAt(int i) noexcept {
    if (i < 0 || i >= length_)
        return;
    const bool endPossible = endPossibleAt(i);
    if (!endPossible && !rules_.mayBeginWith(static_cast<unsigned char>(text_[i])))
        return; // no begin string starts with this byte and no end is due
    const int innermost = currentRule();
    const auto c = static_cast<unsigned char>(text_[i]);
    for (int r = 0; r < rules_.count(); ++r) {
        const EmphasisRule& rule = rules_[r];
        if (mayBegin(r) && FirstByteMayMatch(c, static_cast<unsigned char>(rule.begin[0]), rule.matchCase) &&
            MatchesAt(text_, length_, i, rule.begin.data(), static_cast<int>(rule.begin.size()),
                      rule.matchCase)) {
            if (boundaryHolds(rule, i))
                begin(r, i);
            return;
        }
        if (r == innermost && endPossible &&
            FirstByteMayMatch(c, static_cast<unsigned char>(rule.end[0]), rule.matchCase) &&
            MatchesAt(text_, length_, i, rule.end.data(), static_cast<int>(rule.end.size()),
                      rule.matchCase)) {
            end(i);
            return;
        }
    }
}

void EmphasisEvaluator::passCharacter(int i, int next) noexcept {
    previousStart_ = i;
    previousClass_ = classAt(i);
    while (depth_ > 0 && stack_[depth_ - 1].endsAt >= 0 && stack_[depth_ - 1].endsAt <= next)
        --depth_;
}

} // namespace nimbet
