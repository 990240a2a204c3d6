// Comparing a pattern with the text at one place, exactly or without case,
// without ever splitting a double-byte character of the text.
#pragma once

namespace nimbet {

// The other-case form of a full-width Latin letter's trail byte (lead byte
// 0x82: 0x60-0x79 upper case, 0x81-0x9A lower case), or 0 for other bytes.
constexpr unsigned char WideLatinCounterpart(unsigned char trail) noexcept {
    if (trail >= 0x60 && trail <= 0x79)
        return static_cast<unsigned char>(trail + 0x21);
    if (trail >= 0x81 && trail <= 0x9A)
        return static_cast<unsigned char>(trail - 0x21);
    return 0;
}

// A quick first test before MatchesAt: false when a pattern starting with
// byte p cannot match text starting with byte t.
constexpr bool FirstByteMayMatch(unsigned char t, unsigned char p, bool matchCase) noexcept {
    return t == p || (!matchCase && (t | 0x20) == (p | 0x20) && (t | 0x20) >= 'a' && (t | 0x20) <= 'z');
}

// True when the `patternLength` bytes of `pattern` equal the text bytes from
// `pos` on. The text (of `length` bytes) is walked character by character, so a
// trail byte is never folded and a match never ends inside a double-byte
// character. Without matchCase, ASCII letters and full-width Latin letters
// match their other case; every other character must match exactly. An empty
// pattern matches nothing.
bool MatchesAt(const char* text, int length, int pos, const char* pattern, int patternLength,
               bool matchCase) noexcept;

} // namespace nimbet
