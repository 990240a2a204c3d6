// How the editor settings turn into the values handed to the editor library:
// colours composed from their components, the clickable-address mask, and
// which colour kinds of the control take which of the eight editor colours.
#pragma once

#include <array>
#include <vector>

#include "Settings.h"

namespace quiltmark {

// Indexes of the eight editor colours.
enum EditorColourIndex : int {
    kColourBackground = 0,
    kColourText = 1,
    kColourTags = 2,
    kColourQuoted = 3,
    kColourComments = 4,
    kColourReferences = 5,
    kColourUnderline = 6,
    kColourOther = 7,
};

// Each component contributes its low 8 bits.
constexpr Colour ComposeColour(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8) |
           (static_cast<Colour>(blue & 0xFF) << 16);
}

constexpr Colour ComposeColour(const ColourKeys& keys) {
    return ComposeColour(keys.r, keys.g, keys.b);
}

std::array<Colour, kColourCount> ComposeColours(const std::array<ColourKeys, kColourCount>& keys);
std::array<Colour, kColourCount> DefaultColours();

// Clickable flags of the library: 1 mail addresses, 2 http, 4 https, 8 ftp.
// isClickable is indexed as stored: 0 http, 1 ftp, 2 mail, 3 https.
int ClickableMask(const std::array<int, 4>& isClickable);

// One NimbetSetColor call of the editor configuration: a colour kind of the
// control and the colour it receives.
struct ColourAssignment {
    int kind;
    Colour colour;
    bool operator==(const ColourAssignment&) const = default;
};

// The colour kinds in the order the program sets them: background for the
// text area, caret-line marker and ruler background; standard text for the
// text, ruler numbers and ruler ticks; underline for the caret-line underline;
// other colours for the marks, line numbers, separator and caret-column
// marker; a fixed magenta for URL and mail text. Kinds 16, 17, 19 and 20 keep
// the control's own colours.
std::vector<ColourAssignment> ColourAssignments(const std::array<Colour, kColourCount>& colours);

// The fixed colour of URL and mail-address text.
constexpr Colour kLinkTextColour = ComposeColour(204, 0, 204);

} // namespace quiltmark
