// The colour picker's palette: colours, layout, hit-testing, keyboard
// movement and placement.
#include "ColourPalette.h"

#include <algorithm>

namespace quiltmark {

const std::array<NamedColour, kPaletteColourCount> kPaletteColours = {{
    {"Black", MakeColour(0, 0, 0)},
    {"Brown", MakeColour(165, 42, 0)},
    {"Dark Olive Green", MakeColour(0, 64, 64)},
    {"Dark Green", MakeColour(0, 85, 0)},
    {"Dark Teal", MakeColour(0, 0, 94)},
    {"Dark blue", MakeColour(0, 0, 139)},
    {"Indigo", MakeColour(75, 0, 130)},
    {"Dark grey", MakeColour(40, 40, 40)},
    {"Dark red", MakeColour(139, 0, 0)},
    {"Orange", MakeColour(255, 104, 32)},
    {"Dark yellow", MakeColour(139, 139, 0)},
    {"Green", MakeColour(0, 147, 0)},
    {"Teal", MakeColour(56, 142, 142)},
    {"Blue", MakeColour(0, 0, 255)},
    {"Blue-grey", MakeColour(123, 123, 192)},
    {"Grey - 40", MakeColour(102, 102, 102)},
    {"Red", MakeColour(255, 0, 0)},
    {"Light orange", MakeColour(255, 173, 91)},
    {"Lime", MakeColour(50, 205, 50)},
    {"Sea green", MakeColour(60, 179, 113)},
    {"Aqua", MakeColour(127, 255, 212)},
    {"Light blue", MakeColour(125, 158, 192)},
    {"Violet", MakeColour(128, 0, 128)},
    {"Grey - 50", MakeColour(127, 127, 127)},
    {"Pink", MakeColour(255, 192, 203)},
    {"Gold", MakeColour(255, 215, 0)},
    {"Yellow", MakeColour(255, 255, 0)},
    {"Bright green", MakeColour(0, 255, 0)},
    {"Turquoise", MakeColour(64, 224, 208)},
    {"Skyblue", MakeColour(192, 255, 255)},
    {"Plum", MakeColour(72, 0, 72)},
    {"Light grey", MakeColour(192, 192, 192)},
    {"Rose", MakeColour(255, 228, 225)},
    {"Tan", MakeColour(210, 180, 140)},
    {"Light yellow", MakeColour(255, 255, 224)},
    {"Pale green ", MakeColour(152, 251, 152)},
    {"Pale turquoise", MakeColour(175, 238, 238)},
    {"Pale blue", MakeColour(104, 131, 139)},
    {"Lavender", MakeColour(230, 230, 250)},
    {"White", MakeColour(255, 255, 255)},
}};

namespace {

constexpr int kCellsWidth = kPaletteColumns * kPaletteCellSize;
constexpr int kCellsHeight = kPaletteRows * kPaletteCellSize;
constexpr int kLastCell = kPaletteColourCount - 1;

bool Contains(const Box& box, int x, int y) {
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

} // namespace

PaletteLayout::PaletteLayout(int margin, TextSize defaultText, TextSize customText)
    : margin_(margin), hasDefault_(defaultText.present()), hasCustom_(customText.present()) {
    // A box is as high as its text plus four margins and two pixels, and as
    // wide as the cells unless its text needs more.
    const auto boxHeight = [margin](TextSize text) {
        return text.present() ? text.height + 4 * margin + 2 : 0;
    };
    const auto boxWidth = [margin](TextSize text) {
        return text.present() ? text.width + 4 * margin + 2 : 0;
    };
    const int inner = std::max({kCellsWidth, boxWidth(defaultText), boxWidth(customText)});
    const int defaultHeight = boxHeight(defaultText);
    const int customHeight = boxHeight(customText);

    cellsTop_ = margin + defaultHeight;
    if (hasDefault_)
        defaultBox_ = Box::At(margin, margin, inner, defaultHeight);
    if (hasCustom_)
        customBox_ = Box::At(margin, cellsTop_ + kCellsHeight, inner, customHeight);
    width_ = inner + 2 * margin;
    height_ = cellsTop_ + kCellsHeight + customHeight + margin;
}

Box PaletteLayout::Cell(int index) const {
    const int row = index / kPaletteColumns;
    const int column = index % kPaletteColumns;
    return Box::At(margin_ + column * kPaletteCellSize, cellsTop_ + row * kPaletteCellSize, kPaletteCellSize,
                   kPaletteCellSize);
}

int PaletteLayout::HitTest(int x, int y) const {
    if (hasCustom_ && Contains(customBox_, x, y))
        return kCustomBox;
    if (hasDefault_ && Contains(defaultBox_, x, y))
        return kDefaultBox;
    const int cx = x - margin_;
    const int cy = y - cellsTop_;
    if (cx < 0 || cx >= kCellsWidth || cy < 0 || cy >= kCellsHeight)
        return kNoPlace;
    return cy / kPaletteCellSize * kPaletteColumns + cx / kPaletteCellSize;
}

int MovePaletteHighlight(int current, PaletteKey key, bool hasDefaultBox, bool hasCustomBox) {
    if (current == kNoPlace)
        return 0;
    const bool forward = key == PaletteKey::Right || key == PaletteKey::Down;
    const int step = key == PaletteKey::Up || key == PaletteKey::Down ? kPaletteColumns : 1;
    if (current == kDefaultBox)
        return forward ? 0 : kDefaultBox;
    if (current == kCustomBox) {
        if (forward)
            return kCustomBox;
        return key == PaletteKey::Left ? kLastCell : kLastCell / kPaletteColumns * kPaletteColumns;
    }
    const int next = forward ? current + step : current - step;
    if (next > kLastCell)
        return hasCustomBox ? kCustomBox : current;
    if (next < 0)
        return hasDefaultBox ? kDefaultBox : current;
    return next;
}

int InitialPaletteHighlight(Colour colour, bool hasDefaultBox, bool hasCustomBox) {
    if (colour == kDefaultColour)
        return hasDefaultBox ? kDefaultBox : kNoPlace;
    for (int i = 0; i < kPaletteColourCount; ++i)
        if (kPaletteColours[i].colour == colour)
            return i;
    return hasCustomBox ? kCustomBox : kNoPlace;
}

Colour PaletteColourAt(int place, Colour openingColour) {
    if (place >= 0 && place < kPaletteColourCount)
        return kPaletteColours[place].colour;
    return place == kDefaultBox ? kDefaultColour : openingColour;
}

Box PlacePalette(int width, int height, const Box& buttonOnScreen, int screenWidth, int screenHeight) {
    Box box = Box::At(buttonOnScreen.left, buttonOnScreen.bottom, width, height);
    if (box.right > screenWidth) {
        const int excess = box.right - screenWidth;
        box.left -= excess;
        box.right -= excess;
    }
    if (box.left < 0) {
        box.right -= box.left;
        box.left = 0;
    }
    if (box.bottom > screenHeight)
        box = Box::At(box.left, buttonOnScreen.top - height, width, height);
    return box;
}

} // namespace quiltmark
