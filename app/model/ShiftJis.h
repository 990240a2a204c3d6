// Shift_JIS byte rules shared by the program's text code. Texts are never
// converted: code that searches or rewrites them only needs to know which
// bytes begin a double-byte character, so that it never splits one and never
// takes its second byte (which may be 0x5C "\", 0x7C "|" or an ASCII letter)
// for a character of its own.
#pragma once

#include <string>

namespace quiltmark {

// Lead bytes of double-byte characters: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsLeadByte(unsigned char c) noexcept {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
constexpr bool IsLeadByte(char c) noexcept {
    return IsLeadByte(static_cast<unsigned char>(c));
}

// Bytes that may follow a lead byte in a legal double-byte character.
constexpr bool IsTrailByte(unsigned char c) noexcept {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}
constexpr bool IsTrailByte(char c) noexcept {
    return IsTrailByte(static_cast<unsigned char>(c));
}

// The length in bytes of the character that starts at text[i] (i < size):
// 2 for a lead byte with a byte after it, otherwise 1.
inline std::size_t CharLength(const std::string& text, std::size_t i) noexcept {
    return IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
}

// Lower-cases the ASCII letters A-Z of the text, character by character; the
// second byte of a double-byte character is never changed.
inline std::string LowerAsciiLetters(std::string text) {
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z')
            text[i] = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

} // namespace quiltmark
