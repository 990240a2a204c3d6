// The colour-code conversions of the colour-code and font dialogs.
#include <gtest/gtest.h>

#include "ColourCode.h"

namespace quiltmark {
namespace {

constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r | g << 8 | b << 16);
}

TEST(ColourCode, ShowsAColourAsHexAndRgb) {
    struct Case {
        std::uint32_t colour;
        const char* hex;
        const char* rgb;
    } cases[] = {
        {Rgb(255, 0, 0), "ff0000", "RGB(255,0,0)"},
        {Rgb(0, 128, 0), "008000", "RGB(0,128,0)"},
        {Rgb(1, 171, 205), "01abcd", "RGB(1,171,205)"},
        {0xFF000000u, "000000", "RGB(0,0,0)"}, // the picker's default colour
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex);
        EXPECT_EQ(HexCode(c.colour), c.hex);
        EXPECT_EQ(HashCode(c.colour), std::string(1, '#').append(c.hex));
        EXPECT_EQ(RgbForm(c.colour), c.rgb);
    }
}

TEST(ColourCode, TextStaysReadableOnTheColour) {
    const std::uint32_t white = Rgb(255, 255, 255), black = 0;
    struct Case {
        std::uint32_t background, text;
    } cases[] = {{Rgb(0, 85, 0), white},     {Rgb(0, 0, 139), white}, {Rgb(255, 255, 0), black},
                 {Rgb(255, 0, 0), white},    {Rgb(0, 255, 0), black}, {Rgb(127, 127, 127), white},
                 {Rgb(128, 128, 128), black}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.background);
        EXPECT_EQ(ReadableTextColour(c.background), c.text);
    }
}

TEST(ColourCode, ReadsDecimalPartsModulo256) {
    struct Case {
        const char *r, *g, *b;
        std::uint32_t colour;
    } cases[] = {
        {"255", "0", "0", Rgb(255, 0, 0)},
        {"300", "0", "0", Rgb(44, 0, 0)},
        {"", "abc", "12x", Rgb(0, 0, 12)},
        {" 7", "+8", "-1", Rgb(7, 8, 255)},
        // 10^20 is a multiple of 256, so 10^20 - 1 leaves 255; no length overflows.
        {"99999999999999999999", "256", "511", Rgb(255, 0, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.r) + "," + c.g + "," + c.b);
        EXPECT_EQ(ColourFromDecimalParts(c.r, c.g, c.b), c.colour);
    }
}

TEST(ColourCode, ReadsSixHexDigitsInPairs) {
    struct Case {
        const char* text;
        std::optional<std::uint32_t> colour;
    } cases[] = {
        {"FF8000", Rgb(255, 128, 0)},
        {"ff8000", Rgb(255, 128, 0)},
        {"0a0B0c", Rgb(10, 11, 12)},
        {"ff80", std::nullopt}, // fewer than six characters: nothing yet
        {"", std::nullopt},
        {"zz 1-1", Rgb(0, 1, 255)}, // no digits give 0, a blank is skipped, "-" negates
        {"f g h ", Rgb(15, 0, 0)},  // digits end at the first other character
        {"1234567", Rgb(0x12, 0x34, 0x56)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ColourFromHexText(c.text), c.colour);
    }
}

} // namespace
} // namespace quiltmark
