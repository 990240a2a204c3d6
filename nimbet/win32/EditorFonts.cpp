// Creating, measuring and replacing the control's fonts.
#include "EditorFonts.h"

namespace nimbet::win32 {

const char* const kDefaultFontFace = "ＭＳ ゴシック";

HFONT CreateEditorFont(HDC dc, const char* face, int points, int weight) noexcept {
    const int height = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, face);
}

namespace {

SIZE Extent(HDC dc, const char* text) noexcept {
    SIZE size{};
    if (!GetTextExtentPoint32A(dc, text, lstrlenA(text), &size))
        size = SIZE{};
    return size;
}

// The cell of `font`, or false when it fails the measure.
bool MeasureCell(HDC dc, HFONT font, FontMeasure measure, int& width, int& height) noexcept {
    HGDIOBJ previous = SelectObject(dc, font);
    bool ok;
    if (measure == FontMeasure::FixedPitchTest) {
        const SIZE i = Extent(dc, "i");
        const SIZE w = Extent(dc, "w");
        ok = i.cx > 0 && i.cx == w.cx;
        width = i.cx;
        height = i.cy;
    } else {
        const SIZE wide = Extent(dc, "全");
        width = wide.cx / 2;
        height = wide.cy;
        ok = width > 0;
    }
    SelectObject(dc, previous);
    return ok && height > 0;
}

} // namespace

EditorFonts::~EditorFonts() {
    if (ruler_)
        DeleteObject(ruler_);
    if (text_)
        DeleteObject(text_);
    if (bold_)
        DeleteObject(bold_);
}

void EditorFonts::createDefaults(HDC dc, int boldWeight) noexcept {
    ruler_ = CreateEditorFont(dc, kDefaultFontFace, 8, FW_NORMAL);
    if (replaceText(dc, kDefaultFontFace, 12, boldWeight, FontMeasure::FixedPitchTest) == NIMBET_OK)
        return;
    // Whatever the system gives for the face still draws the text.
    text_ = CreateEditorFont(dc, kDefaultFontFace, 12, FW_NORMAL);
    bold_ = CreateEditorFont(dc, kDefaultFontFace, 12, boldWeight);
    int width = 0, height = 0;
    MeasureCell(dc, text_, FontMeasure::FixedPitchTest, width, height);
    charWidth_ = width > 0 ? width : 8;
    lineHeight_ = height > 0 ? height : 16;
}

NimbetResult EditorFonts::replaceText(HDC dc, const char* face, int points, int boldWeight,
                                      FontMeasure measure) noexcept {
    if (!face || points <= 0)
        return NIMBET_BADARG;
    HFONT text = CreateEditorFont(dc, face, points, FW_NORMAL);
    if (!text)
        return NIMBET_FAILED;
    int width = 0, height = 0;
    if (!MeasureCell(dc, text, measure, width, height)) {
        DeleteObject(text);
        return NIMBET_FAILED;
    }
    HFONT bold = CreateEditorFont(dc, face, points, boldWeight);
    if (!bold) {
        DeleteObject(text);
        return NIMBET_FAILED;
    }
    if (text_)
        DeleteObject(text_);
    if (bold_)
        DeleteObject(bold_);
    text_ = text;
    bold_ = bold;
    charWidth_ = width;
    lineHeight_ = height;
    return NIMBET_OK;
}

} // namespace nimbet::win32
