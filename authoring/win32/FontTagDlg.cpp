// The font dialog.
#include "FontTagDlg.h"

#include "ColourCode.h"
#include "DialogSupport.h"
#include "InsertionTexts.h"
#include "ResourceText.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

// The face list after its "standard" item, in this order (not sorted).
constexpr const char* kFaces[] = {
    "Abadi MT Condensed Light",
    "Andale Mono",
    "Arial",
    "Arial Black",
    "Arial Narrow",
    "Arial Unicode MS",
    "Batang",
    "BatangChe",
    "Book Antiqua",
    "Bookman Old Style",
    "Calisto MT",
    "Century",
    "Century Gothic",
    "Comic Sans MS",
    "Copperplate Gothic Bold",
    "Copperplate Gothic Light",
    "Courier",
    "Courier New",
    "FixedSys",
    "Garamond",
    "Georgia",
    "Gungsuh",
    "GungsuhChe",
    "HGPｺﾞｼｯｸE",
    "HGPｺﾞｼｯｸM",
    "HGP行書体",
    "HGP祥南行書体",
    "HGP正楷書体",
    "HGP創英角ｺﾞｼｯｸUB",
    "HGP創英角ﾎﾟｯﾌﾟ体",
    "HGSｺﾞｼｯｸE",
    "HGSｺﾞｼｯｸM",
    "HGS行書体",
    "HGS祥南行書体",
    "HGS正楷書体",
    "HGS創英角ｺﾞｼｯｸUB",
    "HGS創英角ﾎﾟｯﾌﾟ体",
    "HGｺﾞｼｯｸE",
    "HGｺﾞｼｯｸM",
    "HG丸ｺﾞｼｯｸM-PRO",
    "HG行書体",
    "HG祥南行書体",
    "HG正楷書体",
    "HG正楷書体-PRO",
    "HG創英角ｺﾞｼｯｸUB",
    "HG創英角ﾎﾟｯﾌﾟ体",
    "Impact",
    "Lucida Console",
    "Lucida Handwriting",
    "Lucida Sans",
    "Lucida Sans Unicode",
    "Map Symbols",
    "Marlett",
    "Matisse ITC",
    "MingLiU",
    "Modern",
    "MS Outlook",
    "ＭＳ Ｐゴシック",
    "ＭＳ Ｐ明朝",
    "MS Sans Serif",
    "MS Serif",
    "MS UI Gothic",
    "ＭＳ ゴシック",
    "ＭＳ 明朝",
    "MT Extra",
    "News Gothic MT",
    "OCR A Extended",
    "OCRB",
    "PMingLiU",
    "SimSun",
    "Small Fonts",
    "Symbol",
    "System",
    "Tahoma",
    "Tempus Sans ITC",
    "Terminal",
    "Times New Roman",
    "Trebuchet MS",
    "Verdana",
    "Webdings",
    "Westminster",
    "Wingdings",
};
static_assert(std::size(kFaces) == 82);

constexpr const char* kSizes[] = {kStandardSize, "1", "2", "3", "4", "5", "6", "7"};

void FillList(HWND list, const char* const* items, size_t count) {
    for (size_t i = 0; i < count; ++i)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i]));
    SendMessageA(list, CB_SETCURSEL, 0, 0);
}

} // namespace

CFontTagDlg::CFontTagDlg(HINSTANCE instance) : Dialog(instance, IDD_FONTTAG) {}

BOOL CFontTagDlg::OnInitDialog() {
    CentreOverOwner(Hwnd());
    HWND faces = Item(IDC_FONT_FACE);
    SendMessageA(faces, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kStandardFace));
    FillList(faces, kFaces, std::size(kFaces));
    FillList(Item(IDC_FONT_SIZE), kSizes, std::size(kSizes));

    colour = 0xFFFFFFFF;
    // The button keeps its own colour (the button face) until a colour is
    // chosen; the dialog's colour value is what the tag uses.
    picker_.Attach(Hwnd(), IDC_FONT_COLOUR);
    SetDlgItemTextA(Hwnd(), IDC_FONT_COLOUR, LoadResourceString(Instance(), IDS_FONT_NO_COLOUR).c_str());
    SetDlgItemTextA(Hwnd(), IDC_FONT_COLOUR_NOTE,
                    LoadResourceString(Instance(), IDS_FONT_NO_COLOUR_NOTE).c_str());
    return TRUE;
}

void CFontTagDlg::OnColourAccepted(COLORREF chosen) {
    colour = chosen;
    if (static_cast<std::int32_t>(colour) < 0) {
        picker_.SetTextColour(GetSysColor(COLOR_BTNTEXT));
        SetDlgItemTextA(Hwnd(), IDC_FONT_COLOUR, LoadResourceString(Instance(), IDS_FONT_NO_COLOUR).c_str());
        SetDlgItemTextA(Hwnd(), IDC_FONT_COLOUR_NOTE,
                        LoadResourceString(Instance(), IDS_FONT_NO_COLOUR_NOTE).c_str());
        return;
    }
    colourCode = HashCode(colour);
    // The button shows the chosen colour; its text stays legible on it.
    picker_.SetTextColour(ReadableTextColour(colour));
    SetDlgItemTextA(Hwnd(), IDC_FONT_COLOUR, RgbForm(colour).c_str());
    const std::string note = std::string("( ").append(colourCode).append(" )");
    SetDlgItemTextA(Hwnd(), IDC_FONT_COLOUR_NOTE, note.c_str());
}

bool CFontTagDlg::Validate() {
    face = ItemText(IDC_FONT_FACE);
    size = ItemText(IDC_FONT_SIZE);
    return true;
}

bool CFontTagDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_COMMAND)
        picker_.OnParentCommand(wParam);
    if (!IsPickerNote(message))
        return false;
    if (message == kColourSelEndOk && lParam == IDC_FONT_COLOUR)
        OnColourAccepted(static_cast<COLORREF>(wParam));
    result = DialogResult(Hwnd(), 1);
    return true;
}

} // namespace quiltmark
