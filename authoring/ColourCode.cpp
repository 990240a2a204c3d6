// Colour-code conversions.
#include "ColourCode.h"

namespace quiltmark {
namespace {

int Red(std::uint32_t c) {
    return static_cast<int>(c & 0xFF);
}
int Green(std::uint32_t c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
int Blue(std::uint32_t c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

std::uint32_t FromParts(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16;
}

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// A number as the C library reads one, kept modulo 256 as it is read (the
// low byte of a product and sum depends only on the low bytes), so that no
// length of digits overflows.
unsigned LowByteOfNumber(const std::string& text, int base) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    unsigned value = 0;
    for (int digit; i < text.size() && (digit = DigitValue(text[i], base)) >= 0; ++i)
        value = (value * static_cast<unsigned>(base) + static_cast<unsigned>(digit)) & 0xFF;
    return negative ? (0x100 - value) & 0xFF : value;
}

void AppendHex(std::string& out, int value) {
    constexpr const char* kDigits = "0123456789abcdef";
    out.push_back(kDigits[(value >> 4) & 0xF]);
    out.push_back(kDigits[value & 0xF]);
}

} // namespace

std::string HexCode(std::uint32_t colour) {
    std::string hex;
    for (int part : {Red(colour), Green(colour), Blue(colour)})
        AppendHex(hex, part);
    return hex;
}

std::string HashCode(std::uint32_t colour) {
    std::string code = "#";
    for (int part : {Red(colour), Green(colour), Blue(colour)})
        AppendHex(code, part);
    return code;
}

std::string RgbForm(std::uint32_t colour) {
    return "RGB(" + std::to_string(Red(colour)) + "," + std::to_string(Green(colour)) + "," +
           std::to_string(Blue(colour)) + ")";
}

std::uint32_t ReadableTextColour(std::uint32_t background) {
    // Perceived brightness, weighting green most and blue least (ITU-R BT.601).
    const int brightness = (299 * Red(background) + 587 * Green(background) + 114 * Blue(background)) / 1000;
    return brightness < 128 ? 0xFFFFFF : 0x000000;
}

std::uint32_t ColourFromDecimalParts(const std::string& red, const std::string& green,
                                     const std::string& blue) {
    return FromParts(LowByteOfNumber(red, 10), LowByteOfNumber(green, 10), LowByteOfNumber(blue, 10));
}

std::optional<std::uint32_t> ColourFromHexText(const std::string& text) {
    if (text.size() < 6)
        return std::nullopt;
    return FromParts(LowByteOfNumber(text.substr(0, 2), 16), LowByteOfNumber(text.substr(2, 2), 16),
                     LowByteOfNumber(text.substr(4, 2), 16));
}

} // namespace quiltmark
