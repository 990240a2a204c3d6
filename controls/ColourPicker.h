// Colour buttons of the program's dialogs. CColourPicker takes over a push
// button of a dialog (by control id), draws it as a colour field with a
// drop-down arrow, and opens a CColourPopup palette when clicked. The parent
// receives the picker's notifications (see ColourPopup.h) with wParam = a
// colour and lParam = the button's control id:
//   2026 when the palette opens, 2025 whenever its highlight moves,
//   2027 when it closes, then 2028 with the accepted colour or 2029 with the
//   colour restored.
// The colour quiltmark::kDefaultColour (0xFF000000) is the palette's default
// box; the button then shows the button-face colour.
#pragma once

#include <windows.h>

#include <string>

#include "ColourPopup.h"

class CColourPicker {
  public:
    // What the picker edits, and so which colour it reports.
    static constexpr int kTextColourMode = 1;
    static constexpr int kBackgroundMode = 2;

    CColourPicker();
    ~CColourPicker();
    CColourPicker(const CColourPicker&) = delete;
    CColourPicker& operator=(const CColourPicker&) = delete;

    // Takes over button `controlId` of `dialog`; false when there is no such
    // control or another picker has it already.
    bool Attach(HWND dialog, int controlId);
    // Takes over a button window.
    bool SubclassButton(HWND button);
    void Detach();
    HWND GetSafeHwnd() const { return button_; }

    // The background colour in background mode, the text colour in text mode.
    COLORREF GetColour() const { return mode_ == kTextColourMode ? textColour_ : backgroundColour_; }
    void SetColour(COLORREF colour);
    COLORREF GetBkColour() const { return backgroundColour_; }
    void SetBkColour(COLORREF colour);
    COLORREF GetTextColour() const { return textColour_; }
    void SetTextColour(COLORREF colour);
    int GetSelectionMode() const { return mode_; }
    void SetSelectionMode(int mode) { mode_ = mode == kTextColourMode ? kTextColourMode : kBackgroundMode; }
    // With track selection on, every highlight in the palette sets the colour at once.
    bool GetTrackSelection() const { return trackSelection_; }
    void SetTrackSelection(bool track) { trackSelection_ = track; }
    // Texts of the palette's default and custom boxes; an empty text leaves the box out.
    void SetDefaultText(const std::string& text) { defaultText_ = text; }
    void SetCustomText(const std::string& text) { customText_ = text; }

    // The parent hands its WM_COMMAND messages here: a click reported for
    // this button (BN_CLICKED with its id) opens the palette, also when the
    // report did not come from the button itself. True when it was this
    // button's click.
    bool OnParentCommand(WPARAM wParam);

    bool IsOpen() const { return open_; }
    // The open palette, or null.
    CColourPopup* Palette() const;

  private:
    static LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam);
    void FitArrow();
    int ArrowWidth() const;
    void OnClicked();
    void OnPaletteMessage(UINT message, COLORREF colour);
    void NotifyParent(UINT message, COLORREF colour);
    void Repaint();
    void Paint(HDC dc, const RECT& client);

    HWND button_ = nullptr;
    WNDPROC originalProc_ = nullptr;
    HWND palette_ = nullptr; // the open palette's window
    COLORREF backgroundColour_;
    COLORREF textColour_;
    int mode_ = kBackgroundMode;
    bool trackSelection_ = false;
    bool open_ = false;
    // While the button handles its own release, its click report to the
    // parent only marks the click: the palette opens once the button has
    // let go of the mouse, since the palette takes the mouse itself.
    bool inRelease_ = false;
    bool clickReported_ = false;
    std::string defaultText_;
    std::string customText_;
};
