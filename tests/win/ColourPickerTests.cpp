// The colour picker on a real window: the button taking over a push button,
// its painting, the palette opened by a click with its tooltips and place on
// the screen, keys and mouse in the palette, the custom-colour dialog, and
// the notifications the parent receives.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "ColourPicker.h"

namespace {

using quiltmark::kCustomBox;
using quiltmark::kDefaultBox;
using quiltmark::kDefaultColour;
using quiltmark::kPaletteColours;

constexpr int kButtonId = 1014;

struct Note {
    UINT message;
    COLORREF colour;
    LPARAM id;
    bool operator==(const Note& o) const { return message == o.message && colour == o.colour && id == o.id; }
};
std::ostream& operator<<(std::ostream& out, const Note& n) {
    return out << "{" << n.message << ", 0x" << std::hex << n.colour << std::dec << ", " << n.id << "}";
}
std::vector<Note> g_notes;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= kColourSelChange && message <= kColourSelEndCancel) {
        g_notes.push_back({message, static_cast<COLORREF>(wParam), lParam});
        return 1;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

COLORREF Red() {
    return kPaletteColours[16].colour;
}

// Runs `action` on the first dialog of this thread that appears while a modal
// loop runs (the custom-colour dialog), from a timer inside that loop.
std::function<void(HWND)> g_onDialog;
void CALLBACK FindDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    struct Search {
        HWND found = nullptr;
    } search;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM p) {
            char name[16] = {};
            GetClassNameA(hwnd, name, sizeof name);
            if (std::string(name) == "#32770" && IsWindowVisible(hwnd)) {
                reinterpret_cast<Search*>(p)->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found && g_onDialog) {
        KillTimer(nullptr, timer);
        auto action = std::move(g_onDialog);
        g_onDialog = nullptr;
        action(search.found);
    }
}

class ColourPicker : public testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "ColourPickerTestParent";
        RegisterClassA(&wc);
        parent = CreateWindowExA(0, "ColourPickerTestParent", "", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        button = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 20, 20,
                                 90, 24, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)),
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(picker.Attach(parent, kButtonId));
        g_notes.clear();
    }
    void TearDown() override {
        picker.Detach();
        DestroyWindow(parent);
    }

    // Opens the palette with a click on the button.
    HWND Open(COLORREF colour) {
        picker.SetColour(colour);
        g_notes.clear();
        SendMessageA(button, BM_CLICK, 0, 0);
        return picker.Palette() ? picker.Palette()->GetSafeHwnd() : nullptr;
    }
    static void Key(HWND palette, WPARAM key) { SendMessageA(palette, WM_KEYDOWN, key, 0); }
    // A mouse message at the centre of a place of the palette.
    void Mouse(HWND palette, UINT message, int place) {
        const auto& layout = picker.Palette()->Layout();
        const quiltmark::Box box = place == kDefaultBox  ? layout.DefaultBox()
                                   : place == kCustomBox ? layout.CustomBox()
                                                         : layout.Cell(place);
        SendMessageA(palette, message, 0, MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2));
    }
    // The notifications that close a palette opened with `colour`.
    std::vector<Note> Ending(UINT end, COLORREF colour) const {
        return {{kColourCloseUp, colour, kButtonId}, {end, colour, kButtonId}};
    }
    COLORREF FieldPixel() {
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        RECT r;
        GetClientRect(button, &r);
        HDC dc = GetDC(button);
        const COLORREF pixel = GetPixel(dc, 8, r.bottom / 2);
        ReleaseDC(button, dc);
        return pixel;
    }

    HWND parent = nullptr;
    HWND button = nullptr;
    CColourPicker picker;
};

TEST_F(ColourPicker, TakesOverTheButtonAndPaintsItsColour) {
    EXPECT_EQ(GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(picker.GetSelectionMode(), CColourPicker::kBackgroundMode);
    EXPECT_EQ(picker.GetColour(), GetSysColor(COLOR_BTNFACE));
    EXPECT_FALSE(picker.Attach(parent, kButtonId)) << "a second picker on the same button";

    picker.SetColour(RGB(10, 200, 30));
    EXPECT_EQ(FieldPixel(), RGB(10, 200, 30));
    picker.SetColour(kDefaultColour);
    EXPECT_EQ(FieldPixel(), GetSysColor(COLOR_BTNFACE)) << "the default colour paints the button face";
    picker.SetColour(RGB(10, 200, 30));
    EnableWindow(button, FALSE);
    EXPECT_EQ(FieldPixel(), GetSysColor(COLOR_BTNFACE)) << "a disabled button paints the button face";

    // In text mode the picker reports and sets the text colour.
    picker.SetSelectionMode(CColourPicker::kTextColourMode);
    picker.SetColour(RGB(1, 2, 3));
    EXPECT_EQ(picker.GetTextColour(), RGB(1, 2, 3));
    EXPECT_EQ(picker.GetBkColour(), RGB(10, 200, 30));
    EXPECT_EQ(picker.GetColour(), RGB(1, 2, 3));
}

TEST_F(ColourPicker, ClickOpensThePaletteBelowTheButtonWithTooltips) {
    HWND palette = Open(Red());
    ASSERT_TRUE(palette);
    EXPECT_TRUE(picker.IsOpen());
    EXPECT_TRUE(IsWindowVisible(palette));
    EXPECT_EQ(GetCapture(), palette);
    EXPECT_EQ(g_notes, (std::vector<Note>{{kColourDropDown, Red(), kButtonId}}));
    EXPECT_EQ(picker.Palette()->Highlight(), 16);

    RECT b, p;
    GetWindowRect(button, &b);
    GetWindowRect(palette, &p);
    EXPECT_EQ(p.left, b.left);
    EXPECT_EQ(p.top, b.bottom);
    EXPECT_EQ(p.right - p.left, picker.Palette()->Layout().Width());

    HWND tips = picker.Palette()->Tooltip();
    ASSERT_TRUE(tips);
    ASSERT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 40);
    for (int i = 0; i < 40; ++i) {
        SCOPED_TRACE(i);
        char text[80] = {};
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = palette;
        tool.uId = static_cast<UINT_PTR>(i);
        tool.lpszText = text;
        SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, kPaletteColours[i].name);
    }
    Key(palette, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(palette));
}

TEST_F(ColourPicker, KeysMoveTheHighlightAndEnterAccepts) {
    HWND palette = Open(Red());
    Key(palette, VK_RIGHT);
    Key(palette, VK_DOWN);
    const COLORREF lightOrange = kPaletteColours[17].colour, tan = kPaletteColours[25].colour;
    std::vector<Note> expected{{kColourDropDown, Red(), kButtonId},
                               {kColourSelChange, lightOrange, kButtonId},
                               {kColourSelChange, tan, kButtonId}};
    EXPECT_EQ(g_notes, expected);
    EXPECT_EQ(picker.GetColour(), Red()) << "without track selection the colour waits";
    Key(palette, VK_RETURN);
    for (const Note& n : Ending(kColourSelEndOk, tan))
        expected.push_back(n);
    EXPECT_EQ(g_notes, expected);
    EXPECT_EQ(picker.GetColour(), tan);
    EXPECT_FALSE(picker.IsOpen());
    EXPECT_FALSE(IsWindow(palette));
    EXPECT_EQ(picker.Palette(), nullptr);
}

TEST_F(ColourPicker, EscapeRestoresTheColourAtOpening) {
    picker.SetTrackSelection(true);
    HWND palette = Open(Red());
    Key(palette, VK_LEFT);
    EXPECT_EQ(picker.GetColour(), kPaletteColours[15].colour) << "track selection follows the highlight";
    g_notes.clear();
    Key(palette, VK_ESCAPE);
    EXPECT_EQ(g_notes, Ending(kColourSelEndCancel, Red()));
    EXPECT_EQ(picker.GetColour(), Red());
}

TEST_F(ColourPicker, MouseChoosesCellsAndTheDefaultBox) {
    HWND palette = Open(Red());
    Mouse(palette, WM_MOUSEMOVE, 0);
    Mouse(palette, WM_MOUSEMOVE, 0); // no second notification for the same cell
    Mouse(palette, WM_LBUTTONUP, 0);
    std::vector<Note> expected{{kColourDropDown, Red(), kButtonId},
                               {kColourSelChange, RGB(0, 0, 0), kButtonId}};
    for (const Note& n : Ending(kColourSelEndOk, RGB(0, 0, 0)))
        expected.push_back(n);
    EXPECT_EQ(g_notes, expected);

    palette = Open(Red());
    Mouse(palette, WM_MOUSEMOVE, kDefaultBox);
    Mouse(palette, WM_LBUTTONUP, kDefaultBox);
    EXPECT_EQ(g_notes.back(), (Note{kColourSelEndOk, kDefaultColour, kButtonId}));
    EXPECT_EQ(picker.GetColour(), kDefaultColour);
    EXPECT_EQ(FieldPixel(), GetSysColor(COLOR_BTNFACE));
}

TEST_F(ColourPicker, ReleaseOutsideThePaletteCancels) {
    HWND palette = Open(Red());
    Mouse(palette, WM_MOUSEMOVE, 3);
    SendMessageA(palette, WM_MOUSEMOVE, 0, MAKELPARAM(-20, -20)); // outside: the highlight stays
    EXPECT_EQ(picker.Palette()->Highlight(), 3);
    SendMessageA(palette, WM_LBUTTONUP, 0, MAKELPARAM(-20, -20));
    EXPECT_EQ(std::vector<Note>(g_notes.end() - 2, g_notes.end()), Ending(kColourSelEndCancel, Red()));
    EXPECT_EQ(picker.GetColour(), Red());
}

TEST_F(ColourPicker, CustomBoxAsksTheColourDialog) {
    const COLORREF odd = RGB(1, 2, 3); // not in the palette: the custom box is highlighted
    struct Case {
        const char* what;
        std::function<void(HWND)> answer;
        UINT end;
        COLORREF colour;
    } cases[] = {
        {"cancelled", [](HWND d) { PostMessageA(d, WM_COMMAND, IDCANCEL, 0); }, kColourSelEndCancel, odd},
        {"confirmed as it opened", [](HWND d) { PostMessageA(d, WM_COMMAND, IDOK, 0); }, kColourSelEndOk,
         odd},
        {"confirmed with a typed colour",
         [](HWND d) {
             // The red, green and blue fields of the system colour dialog.
             SetDlgItemTextA(d, 706, "10");
             SetDlgItemTextA(d, 707, "20");
             SetDlgItemTextA(d, 708, "30");
             PostMessageA(d, WM_COMMAND, IDOK, 0);
         },
         kColourSelEndOk, RGB(10, 20, 30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HWND palette = Open(odd);
        ASSERT_EQ(picker.Palette()->Highlight(), kCustomBox);
        g_onDialog = c.answer;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, FindDialog);
        Key(palette, VK_RETURN);
        KillTimer(nullptr, timer);
        EXPECT_FALSE(g_onDialog) << "the colour dialog did not appear";
        EXPECT_EQ(g_notes.back(), (Note{c.end, c.colour, kButtonId}));
        EXPECT_EQ(picker.GetColour(), c.colour);
        EXPECT_FALSE(IsWindow(palette));
    }
}

TEST_F(ColourPicker, PaletteNearTheScreenBottomOpensAboveTheButton) {
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(parent, nullptr, 100, screenHeight - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HWND palette = Open(Red());
    ASSERT_TRUE(palette);
    RECT b, p;
    GetWindowRect(button, &b);
    GetWindowRect(palette, &p);
    EXPECT_EQ(p.bottom, b.top);
    EXPECT_EQ(p.left, b.left);
    Key(palette, VK_ESCAPE);
}

} // namespace
