// Colour composition, the clickable mask and the colour-kind assignments.
#include "EditorColours.h"

namespace quiltmark {

std::array<Colour, kColourCount> ComposeColours(const std::array<ColourKeys, kColourCount>& keys) {
    std::array<Colour, kColourCount> colours{};
    for (int i = 0; i < kColourCount; ++i)
        colours[i] = ComposeColour(keys[i]);
    return colours;
}

std::array<Colour, kColourCount> DefaultColours() {
    return ComposeColours(kDefaultColourKeys);
}

int ClickableMask(const std::array<int, 4>& isClickable) {
    int mask = 0;
    if (isClickable[2] != 0)
        mask |= 1; // mail addresses
    if (isClickable[0] != 0)
        mask |= 2; // http://
    if (isClickable[3] != 0)
        mask |= 4; // https://
    if (isClickable[1] != 0)
        mask |= 8; // ftp://
    return mask;
}

std::vector<ColourAssignment> ColourAssignments(const std::array<Colour, kColourCount>& colours) {
    std::vector<ColourAssignment> calls;
    for (int kind : {18, 9, 11})
        calls.push_back({kind, colours[kColourBackground]});
    for (int kind : {6, 10, 12})
        calls.push_back({kind, colours[kColourText]});
    calls.push_back({3, colours[kColourUnderline]});
    for (int kind : {2, 1, 0, 5, 4, 7, 8, 13})
        calls.push_back({kind, colours[kColourOther]});
    calls.push_back({14, kLinkTextColour});
    calls.push_back({15, kLinkTextColour});
    return calls;
}

} // namespace quiltmark
