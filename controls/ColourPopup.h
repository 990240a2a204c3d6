// The colour picker's palette window: a pop-up of 40 colour cells with a
// default box above them and a custom-colour box below, driven by the mouse
// (it holds the capture while open) and by the arrow keys. It reports every
// change of highlight and the end of the selection to its button, then
// destroys itself.
#pragma once

#include <windows.h>

#include <string>

#include "ColourPalette.h"

// Notifications of the colour picker, each sent with wParam = a colour. The
// palette sends them to its button with lParam 0; the button sends them to
// its parent with lParam = the button's control id.
constexpr UINT kColourSelChange = WM_USER + 1001;    // 2025: the highlight moved
constexpr UINT kColourDropDown = WM_USER + 1002;     // 2026: the palette opened
constexpr UINT kColourCloseUp = WM_USER + 1003;      // 2027: the palette closed
constexpr UINT kColourSelEndOk = WM_USER + 1004;     // 2028: a colour was accepted
constexpr UINT kColourSelEndCancel = WM_USER + 1005; // 2029: the choice was cancelled

class CColourPopup {
  public:
    // Opens the palette below the button (screen rectangle `buttonOnScreen`)
    // with the button's colour; an empty text leaves its box out. The window
    // owns itself and is gone once it has sent its end message. Null when the
    // window cannot be created.
    static CColourPopup* Open(HWND button, const RECT& buttonOnScreen, COLORREF colour,
                              const std::string& defaultText, const std::string& customText);

    CColourPopup(const CColourPopup&) = delete;
    CColourPopup& operator=(const CColourPopup&) = delete;

    HWND GetSafeHwnd() const { return hwnd_; }
    HWND Tooltip() const { return tooltip_; }
    const quiltmark::PaletteLayout& Layout() const { return layout_; }
    // The highlighted place: a cell 0..39, quiltmark::kDefaultBox,
    // quiltmark::kCustomBox or quiltmark::kNoPlace.
    int Highlight() const { return highlight_; }

  private:
    CColourPopup(HWND button, COLORREF colour, std::string defaultText, std::string customText, HFONT font,
                 quiltmark::PaletteLayout layout);
    ~CColourPopup();

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateTooltips();
    void CreatePalette();
    void OnKeyDown(WPARAM key);
    void ChangeHighlight(int place);
    void End(bool accepted);
    bool ChooseCustomColour(COLORREF& colour);
    void InvalidatePlace(int place);
    void Paint(HDC dc);
    void PaintCell(HDC dc, int index);
    void PaintBox(HDC dc, int place, const RECT& frame, const std::string& text);
    void PaintEdge(HDC dc, RECT box, int place);

    HWND hwnd_ = nullptr;
    HWND button_;
    HWND tooltip_ = nullptr;
    HFONT font_;
    HPALETTE palette_ = nullptr;
    quiltmark::PaletteLayout layout_;
    std::string defaultText_, customText_;
    COLORREF openingColour_;
    COLORREF chosenColour_; // the colour of the highlight, sent when accepted
    int highlight_ = quiltmark::kNoPlace;
    int chosen_ = quiltmark::kNoPlace; // the place of the colour at opening, drawn sunken
    bool ended_ = false;
};
