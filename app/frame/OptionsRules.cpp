// The options dialog's working copies and their way back into the settings.
#include "OptionsRules.h"

namespace quiltmark {

OptionsValues OptionsFromSettings(const Settings& settings, const std::array<Colour, kColourCount>& current,
                                  const std::array<Colour, kColourCount>& defaults) {
    OptionsValues v;
    v.colours = current;
    v.defaults = defaults;
    v.markers.fill(1);
    v.chkRightReturn = settings.chkRightReturn;
    v.isClickable = settings.isClickable;
    v.isRuler = settings.isRuler;
    v.isLineNum = settings.isLineNum;
    v.chkMostFront = settings.chkMostFront;
    v.chkMostBig = settings.chkMostBig;
    v.chkSmallTag = settings.chkSmallTag;
    v.isMyHowRL = settings.isMyHowRL;
    v.isAutoBackUp = settings.isAutoBackUp;
    v.isNewHtmlFile = settings.isNewHtmlFile;
    return v;
}

void AcceptPickedColour(OptionsValues& values, int index, Colour picked) {
    if (index >= 0 && index < kColourCount)
        values.markers[index] = static_cast<std::int32_t>(picked);
}

void StoreOptions(const OptionsValues& v, Settings& settings) {
    settings.chkRightReturn = v.chkRightReturn;
    settings.isClickable = v.isClickable;
    settings.isRuler = v.isRuler;
    settings.isLineNum = v.isLineNum;
    settings.chkMostFront = v.chkMostFront;
    settings.chkMostBig = v.chkMostBig;
    settings.chkSmallTag = v.chkSmallTag;
    settings.isMyHowRL = v.isMyHowRL;
    settings.isAutoBackUp = v.isAutoBackUp;
    settings.isNewHtmlFile = v.isNewHtmlFile;
    settings.sendModeAscii = v.sendModeAscii;
    for (int i = 0; i < kColourCount; ++i) {
        const Colour c = v.markers[i] < 0 ? v.defaults[i] : v.colours[i];
        settings.colourKeys[i] = {static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                                  static_cast<int>((c >> 16) & 0xFF)};
    }
}

bool IsValidExtensionList(std::string_view list) {
    return !list.empty() && list.front() == ',' && list.back() == ',';
}

} // namespace quiltmark
