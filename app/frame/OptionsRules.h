// The rules of the options dialog without its windows: the working copies it
// edits, how its colours become the editor colours, and the check of the
// list of extensions sent in ASCII mode.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "Settings.h"
#include "TransferMode.h" // kDefaultAsciiExtensions, which the FTP page's defaults button puts in

namespace quiltmark {

// What the colour picker reports for its default box.
inline constexpr Colour kPickerDefaultColour = 0xFF000000u;

struct OptionsValues {
    std::array<Colour, kColourCount> colours{};  // what the colour buttons show
    std::array<Colour, kColourCount> defaults{}; // the default-colour table
    // One per colour: 1 until a colour is accepted in its picker, then that
    // colour as a signed value, so the picker's default box is negative.
    std::array<std::int32_t, kColourCount> markers{};

    // Page 1
    int chkRightReturn = 0;
    std::array<int, 4> isClickable{};
    int isRuler = 1;
    int isLineNum = 1;
    // Page 2
    int chkMostFront = 0;
    int chkMostBig = 0;
    int chkSmallTag = 0;
    int isMyHowRL = 1;
    int isAutoBackUp = 0;
    int isNewHtmlFile = 0;
    // Page 3 (read and written by the dialog itself)
    std::string sendModeAscii;
};

// The working copies before the dialog opens (the dialog reads the list of
// extensions itself).
OptionsValues OptionsFromSettings(const Settings& settings, const std::array<Colour, kColourCount>& current,
                                  const std::array<Colour, kColourCount>& defaults);

// A colour accepted in the picker of colour `index`.
void AcceptPickedColour(OptionsValues& values, int index, Colour picked);

// After OK: the flags and colours go back into the settings. A colour whose
// picker last accepted its default box becomes the default colour.
void StoreOptions(const OptionsValues& values, Settings& settings);

// The list must start with "," and end with "," (an empty list does not).
bool IsValidExtensionList(std::string_view list);

} // namespace quiltmark
