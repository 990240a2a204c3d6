// The three fonts of an editor control (text, bold text, ruler) and the cell
// the text font gives: character width and line height.
#pragma once

#include <windows.h>

#include "NimbetCodes.h"

namespace nimbet::win32 {

// The face the control starts with.
extern const char* const kDefaultFontFace;

// How the cell of a new text font is measured.
enum class FontMeasure {
    FixedPitchTest, // "i" and "w" must be equally wide; the cell is that of "i"
    HalfOfWideChar, // the cell is half of the double-byte character "全"
};

// A font by the control's creation rule: the height from the points at the
// device's vertical resolution, Shift_JIS, fixed pitch of the modern family.
HFONT CreateEditorFont(HDC dc, const char* face, int points, int weight) noexcept;

class EditorFonts {
  public:
    EditorFonts() = default;
    ~EditorFonts();
    EditorFonts(const EditorFonts&) = delete;
    EditorFonts& operator=(const EditorFonts&) = delete;

    // The fonts a new control starts with: 8 points for the ruler, 12 for the text.
    void createDefaults(HDC dc, int boldWeight) noexcept;

    // Replaces the text and bold fonts by the face at the size. NIMBET_FAILED,
    // keeping the fonts there are, when a font cannot be created or (with the
    // fixed-pitch test) is proportional.
    NimbetResult replaceText(HDC dc, const char* face, int points, int boldWeight,
                             FontMeasure measure) noexcept;

    HFONT text() const noexcept { return text_; }
    HFONT bold() const noexcept { return bold_ ? bold_ : text_; }
    HFONT ruler() const noexcept { return ruler_; }
    int charWidth() const noexcept { return charWidth_; }
    int lineHeight() const noexcept { return lineHeight_; }

  private:
    HFONT text_ = nullptr;
    HFONT bold_ = nullptr;
    HFONT ruler_ = nullptr;
    int charWidth_ = 8, lineHeight_ = 16;
};

} // namespace nimbet::win32
