// Shift_JIS byte classification. The text is never converted; the editor only
// needs to know which bytes start a double-byte character so that it never
// splits one.
#pragma once

#include <cstdint>

namespace nimbet {

// Lead bytes of double-byte characters: 0x81-0x9F and 0xE0-0xFC. The byte after
// a lead byte is its trail byte, whatever its value (it may be 0x5C or 0x7C).
constexpr bool IsLeadByte(unsigned char c) noexcept {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

constexpr bool IsLeadByte(char c) noexcept { return IsLeadByte(static_cast<unsigned char>(c)); }

} // namespace nimbet
