// The painting settings of the control: colours, marks, fonts (with the
// system's font dialog) and wrapping.
#include "EditorInstance.h"

#include <commdlg.h>

#include <cstring>

namespace nimbet::win32 {

NimbetResult EditorInstance::setColor(int kind, Color color, bool redraw) {
    const NimbetResult result = paint_.colors.set(kind, color);
    if (result == NIMBET_OK && redraw)
        repaint(Repaint::Full);
    return result;
}

NimbetResult EditorInstance::setMarkVisible(int kind, bool visible, bool redraw) {
    const NimbetResult result = paint_.marks.set(kind, visible);
    if (result == NIMBET_OK && redraw)
        repaint(Repaint::Full);
    return result;
}

void EditorInstance::fontChanged() {
    overlay_.numbersKnown = false; // the numbers were drawn in the old font
    LayoutMetrics& metrics = editor_.metrics();
    const int columns = metrics.visibleColumns();
    metrics.setFont(fonts_.charWidth(), fonts_.lineHeight());
    if (metrics.wrap && columns != metrics.visibleColumns())
        editor_.relayoutRows();
    if (hasCaret_) {
        caretWidth_ = 2;
        createCaret();
    }
    placeCaret();
}

NimbetResult EditorInstance::setFont(const char* face, int points, bool redraw) {
    if (!face || points <= 0)
        return NIMBET_BADARG;
    HDC dc = GetDC(hwnd_);
    const NimbetResult result = fonts_.replaceText(dc, face, points, editor_.metrics().get(kMetricBoldWeight),
                                                   FontMeasure::FixedPitchTest);
    ReleaseDC(hwnd_, dc);
    if (result != NIMBET_OK)
        return result; // the previous fonts stay
    fontChanged();
    if (redraw)
        repaint(Repaint::Full);
    return NIMBET_OK;
}

int EditorInstance::fontDialog(char* faceOut, bool redraw) {
    if (!faceOut)
        return NIMBET_BADARG;
    LOGFONTA font{};
    GetObjectA(fonts_.text(), sizeof font, &font);
    CHOOSEFONTA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = parent_;
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_FIXEDPITCHONLY | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontA(&choose)) {
        faceOut[0] = '\0';
        // Closing the dialog is a cancel; a dialog that could not run is a failure.
        return CommDlgExtendedError() == 0 ? NIMBET_CANCELLED : NIMBET_FAILED;
    }
    const int points = choose.iPointSize / 10;
    HDC dc = GetDC(hwnd_);
    const NimbetResult result = fonts_.replaceText(
        dc, font.lfFaceName, points, editor_.metrics().get(kMetricBoldWeight), FontMeasure::HalfOfWideChar);
    ReleaseDC(hwnd_, dc);
    if (result != NIMBET_OK) {
        faceOut[0] = '\0';
        return NIMBET_FAILED;
    }
    fontChanged();
    // The face name is at most LF_FACESIZE bytes with its NUL.
    font.lfFaceName[LF_FACESIZE - 1] = '\0';
    std::memcpy(faceOut, font.lfFaceName, std::strlen(font.lfFaceName) + 1);
    if (redraw)
        repaint(Repaint::Full);
    return points;
}

NimbetResult EditorInstance::setLapel(bool wrap, int column, bool redraw) {
    editor_.setWrapping(wrap, column);
    placeCaret();
    if (redraw)
        repaint(Repaint::Full);
    return NIMBET_OK;
}

} // namespace nimbet::win32
