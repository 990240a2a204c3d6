// The colour-code conversions of the colour-code and font dialogs: a colour
// (0x00BBGGRR) as "RGB(r,g,b)" and as six lower-case hexadecimal digits, red
// first, and the colour typed as three decimal parts or as six hexadecimal
// digits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quiltmark {

// "ff8000" for red 255, green 128, blue 0; the byte above blue is ignored.
std::string HexCode(std::uint32_t colour);
// "#ff8000": the code inserted into the text.
std::string HashCode(std::uint32_t colour);
// "RGB(255,128,0)".
std::string RgbForm(std::uint32_t colour);

// Black or white, whichever reads better on `background`.
std::uint32_t ReadableTextColour(std::uint32_t background);

// The colour of three decimal parts as typed: each read as a decimal number
// (blanks, an optional sign, digits; text that is no number counts as 0) and
// taken modulo 256, so "300" gives 44.
std::uint32_t ColourFromDecimalParts(const std::string& red, const std::string& green,
                                     const std::string& blue);

// The colour of a typed hexadecimal code: characters 1-2, 3-4 and 5-6 each
// read as a hexadecimal number (blanks, an optional sign, digits of either
// case up to the first other character; no digits give 0, "-" negates) and
// taken modulo 256. Nothing while fewer than six characters are typed.
std::optional<std::uint32_t> ColourFromHexText(const std::string& text);

} // namespace quiltmark
