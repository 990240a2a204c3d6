// Case-sensitive and case-insensitive comparison of Shift_JIS bytes.
#include "TextMatch.h"

#include "ShiftJis.h"

namespace nimbet {

namespace {

constexpr bool IsAsciiLetter(unsigned char c) noexcept {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

bool MatchesAt(const char* text, int length, int pos, const char* pattern, int patternLength,
               bool matchCase) noexcept {
    if (!text || !pattern || patternLength <= 0 || pos < 0 || pos >= length || patternLength > length - pos)
        return false;
    const auto* t = reinterpret_cast<const unsigned char*>(text) + pos;
    const auto* p = reinterpret_cast<const unsigned char*>(pattern);
    const int available = length - pos;
    int i = 0;
    while (i < patternLength) {
        const unsigned char c = t[i];
        if (IsLeadByte(c) && i + 1 < available) {
            if (i + 1 >= patternLength)
                return false; // the pattern would end inside this character
            if (p[i] != c)
                return false;
            const unsigned char trail = t[i + 1];
            const unsigned char otherCase = c == 0x82 ? WideLatinCounterpart(trail) : 0;
            if (p[i + 1] != trail && (matchCase || otherCase == 0 || otherCase != p[i + 1]))
                return false;
            i += 2;
            continue;
        }
        if (p[i] != c && (matchCase || !IsAsciiLetter(c) || (c ^ 0x20) != p[i]))
            return false;
        ++i;
    }
    return true;
}

} // namespace nimbet
