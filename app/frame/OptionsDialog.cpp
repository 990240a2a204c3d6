// The options dialog.
#include "OptionsDialog.h"

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <string>

#include "ResourceText.h"
#include "WindowText.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

// The colour buttons, in the order of the eight editor colours.
constexpr std::array<int, kColourCount> kColourButtons = {
    IDC_OPT_COLOUR_BACKGROUND, IDC_OPT_COLOUR_TEXT,       IDC_OPT_COLOUR_TAGS,      IDC_OPT_COLOUR_QUOTED,
    IDC_OPT_COLOUR_COMMENTS,   IDC_OPT_COLOUR_REFERENCES, IDC_OPT_COLOUR_UNDERLINE, IDC_OPT_COLOUR_OTHER};

constexpr int kEditorPage = 0;
constexpr int kGeneralPage = 1;
constexpr int kFtpPage = 2;

// What each page shows besides the colour buttons.
const std::initializer_list<int> kEditorPageControls = {IDC_OPT_LABEL_BACKGROUND,
                                                        1056,
                                                        1057,
                                                        1058,
                                                        1059,
                                                        1060,
                                                        1061,
                                                        IDC_OPT_LABEL_OTHER,
                                                        IDC_OPT_GROUP_COLOURS,
                                                        IDC_OPT_GROUP_CLICKABLE,
                                                        IDC_OPT_GROUP_OTHER,
                                                        IDC_OPT_HTTP,
                                                        IDC_OPT_FTP,
                                                        IDC_OPT_MAIL,
                                                        IDC_OPT_WRAP,
                                                        IDC_OPT_HTTPS,
                                                        IDC_OPT_RULER,
                                                        IDC_OPT_LINE_NUMBERS};
const std::initializer_list<int> kGeneralPageControls = {IDC_OPT_MOST_FRONT,  IDC_OPT_MOST_BIG,
                                                         IDC_OPT_SMALL_TAG,   IDC_OPT_SIDE_BY_SIDE,
                                                         IDC_OPT_AUTO_BACKUP, IDC_OPT_NEW_HTML_FILE};
const std::initializer_list<int> kFtpPageControls = {IDC_OPT_ASCII_EXPLANATION, IDC_OPT_ASCII_LIST};

// Pixel places of the controls of pages 2 and 3, which the template keeps
// out of the way.
constexpr int kTabBottomMargin = 50;
constexpr std::array<int, 5> kGeneralChecks = {IDC_OPT_MOST_FRONT, IDC_OPT_MOST_BIG, IDC_OPT_SMALL_TAG,
                                               IDC_OPT_SIDE_BY_SIDE, IDC_OPT_AUTO_BACKUP};

// The message of a colour button whose palette closed with a colour chosen
// (wParam the colour, lParam the button's id).
constexpr UINT kColourAcceptedMessage = 2028;

} // namespace

COptionsDialog::COptionsDialog(HINSTANCE instance, OptionsValues& values)
    : Dialog(instance, IDD_OPTIONS), values_(values) {
    BindCheck(IDC_OPT_HTTP, values_.isClickable[0]);
    BindCheck(IDC_OPT_FTP, values_.isClickable[1]);
    BindCheck(IDC_OPT_MAIL, values_.isClickable[2]);
    BindCheck(IDC_OPT_HTTPS, values_.isClickable[3]);
    BindCheck(IDC_OPT_WRAP, values_.chkRightReturn);
    BindCheck(IDC_OPT_RULER, values_.isRuler);
    BindCheck(IDC_OPT_LINE_NUMBERS, values_.isLineNum);
    BindCheck(IDC_OPT_MOST_FRONT, values_.chkMostFront);
    BindCheck(IDC_OPT_MOST_BIG, values_.chkMostBig);
    BindCheck(IDC_OPT_SMALL_TAG, values_.chkSmallTag);
    BindCheck(IDC_OPT_SIDE_BY_SIDE, values_.isMyHowRL);
    BindCheck(IDC_OPT_AUTO_BACKUP, values_.isAutoBackUp);
    BindCheck(IDC_OPT_NEW_HTML_FILE, values_.isNewHtmlFile);
    BindText(IDC_OPT_ASCII_LIST, values_.sendModeAscii);
}

COptionsDialog::~COptionsDialog() {
    if (pageBrush_)
        DeleteObject(pageBrush_);
    if (explanationFont_)
        DeleteObject(explanationFont_);
}

BOOL COptionsDialog::OnInitDialog() {
    for (int i = 0; i < kColourCount; ++i) {
        pickers_[i].Attach(Hwnd(), kColourButtons[i]);
        SetButtonColour(i, values_.colours[i]);
    }

    HWND tab = Item(IDC_OPT_TAB);
    const UINT pageNames[kPageCount] = {IDS_OPTIONS_PAGE_EDITOR, IDS_OPTIONS_PAGE_GENERAL,
                                        IDS_OPTIONS_PAGE_FTP};
    for (int page = 0; page < kPageCount; ++page) {
        std::string name = LoadResourceString(Instance(), pageNames[page]);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = name.data();
        SendMessageA(tab, TCM_INSERTITEMA, page, reinterpret_cast<LPARAM>(&item));
    }
    RECT client{};
    GetClientRect(Hwnd(), &client);
    MoveWindow(tab, 0, 0, client.right, std::max(0L, client.bottom - kTabBottomMargin), TRUE);

    PlaceMovedControls();
    SetDlgItemTextA(Hwnd(), IDC_OPT_ASCII_EXPLANATION,
                    LoadResourceString(Instance(), IDS_OPTIONS_FTP_EXPLANATION).c_str());
    FitExplanation();
    TakePageColour();
    ShowPage(kEditorPage);
    return TRUE;
}

void COptionsDialog::PlaceMovedControls() {
    for (std::size_t i = 0; i < kGeneralChecks.size(); ++i)
        MoveWindow(Item(kGeneralChecks[i]), 15, 30 + 30 * static_cast<int>(i), 300, 25, FALSE);
    MoveWindow(Item(IDC_OPT_NEW_HTML_FILE), 15, 170, 350, 50, FALSE);
    MoveWindow(Item(IDC_OPT_ASCII_EXPLANATION), 20, 40, 380, 45, FALSE);
    MoveWindow(Item(IDC_OPT_ASCII_LIST), 20, 90, 360, 21, FALSE);
}

void COptionsDialog::FitExplanation() {
    HWND label = Item(IDC_OPT_ASCII_EXPLANATION);
    RECT box{};
    GetClientRect(label, &box);
    const std::string text = WindowText(label);
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Hwnd(), WM_GETFONT, 0, 0)), sizeof font, &font);
    HDC dc = GetDC(label);
    // Proportional fonts differ from system to system: a point smaller at a
    // time until the text fits, at most three points.
    for (int smaller = 0; smaller <= 3 && font.lfHeight != 0; ++smaller) {
        HFONT candidate = CreateFontIndirectA(&font);
        HGDIOBJ old = SelectObject(dc, candidate);
        RECT need = {0, 0, box.right, 0};
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &need,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, old);
        if (need.bottom <= box.bottom || smaller == 3) {
            if (smaller > 0) {
                explanationFont_ = candidate;
                SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(candidate), FALSE);
            } else {
                DeleteObject(candidate);
            }
            break;
        }
        DeleteObject(candidate);
        font.lfHeight += font.lfHeight < 0 ? 1 : -1;
    }
    ReleaseDC(label, dc);
}

void COptionsDialog::TakePageColour() {
    // The tab control paints its page area itself (a theme may make it
    // lighter than the dialog); the page's controls take the same colour.
    HWND tab = Item(IDC_OPT_TAB);
    RECT page{};
    GetClientRect(tab, &page);
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    HDC screen = GetDC(tab);
    HDC memory = CreateCompatibleDC(screen);
    RECT whole{};
    GetClientRect(tab, &whole);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max(1L, whole.right), std::max(1L, whole.bottom));
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageA(tab, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    pageColour_ = GetPixel(memory, (page.left + page.right) / 2, (page.top + page.bottom) / 2);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(tab, screen);
    if (pageColour_ == CLR_INVALID)
        pageColour_ = GetSysColor(COLOR_BTNFACE);
    pageBrush_ = CreateSolidBrush(pageColour_);
}

void COptionsDialog::EraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    HWND tab = Item(IDC_OPT_TAB);
    RECT page{};
    GetClientRect(tab, &page);
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    MapWindowPoints(tab, Hwnd(), reinterpret_cast<POINT*>(&page), 2);
    FillRect(dc, &page, pageBrush_);
}

int COptionsDialog::CurrentPage() const {
    const auto page = static_cast<int>(SendMessageA(Item(IDC_OPT_TAB), TCM_GETCURSEL, 0, 0));
    return page >= 0 && page < kPageCount ? page : kEditorPage;
}

void COptionsDialog::SelectPage(int page) {
    SendMessageA(Item(IDC_OPT_TAB), TCM_SETCURSEL, page, 0);
    ShowPage(page);
}

void COptionsDialog::ShowPage(int page) {
    auto show = [this](std::initializer_list<int> ids, bool visible) {
        for (int id : ids)
            ShowWindow(Item(id), visible ? SW_SHOW : SW_HIDE);
    };
    for (int id : kColourButtons)
        ShowWindow(Item(id), page == kEditorPage ? SW_SHOW : SW_HIDE);
    show(kEditorPageControls, page == kEditorPage);
    show(kGeneralPageControls, page == kGeneralPage);
    show(kFtpPageControls, page == kFtpPage);
}

void COptionsDialog::ResetPage(int page) {
    auto check = [this](std::initializer_list<int> ids, bool on) {
        for (int id : ids)
            CheckDlgButton(Hwnd(), id, on ? BST_CHECKED : BST_UNCHECKED);
    };
    switch (page) {
    case kEditorPage:
        for (int i = 0; i < kColourCount; ++i)
            SetButtonColour(i, values_.defaults[i]);
        check({IDC_OPT_HTTP, IDC_OPT_FTP, IDC_OPT_MAIL, IDC_OPT_WRAP, IDC_OPT_HTTPS}, false);
        check({IDC_OPT_RULER, IDC_OPT_LINE_NUMBERS}, true);
        break;
    case kGeneralPage:
        check({IDC_OPT_MOST_FRONT, IDC_OPT_MOST_BIG, IDC_OPT_SMALL_TAG, IDC_OPT_AUTO_BACKUP,
               IDC_OPT_NEW_HTML_FILE},
              false);
        check({IDC_OPT_SIDE_BY_SIDE}, true);
        break;
    case kFtpPage:
        SetDlgItemTextA(Hwnd(), IDC_OPT_ASCII_LIST, kDefaultAsciiExtensions);
        break;
    default:
        break;
    }
}

void COptionsDialog::SetButtonColour(int index, Colour colour) {
    pickers_[index].SetColour(colour);
}

Colour COptionsDialog::ButtonColour(int index) const {
    return pickers_[index].GetColour();
}

bool COptionsDialog::Validate() {
    for (int i = 0; i < kColourCount; ++i)
        values_.colours[i] = ButtonColour(i);
    if (IsValidExtensionList(values_.sendModeAscii))
        return true;
    SelectPage(kFtpPage);
    MessageBoxA(Hwnd(), LoadResourceString(Instance(), IDS_OPTIONS_LIST_REFUSED).c_str(),
                LoadResourceString(Instance(), IDS_APP_TITLE).c_str(), MB_OK);
    return false;
}

bool COptionsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->idFrom == IDC_OPT_TAB && header->code == TCN_SELCHANGE) {
            ShowPage(CurrentPage());
            result = TRUE;
            return true;
        }
        return false;
    }
    case WM_COMMAND:
        for (CColourPicker& picker : pickers_)
            picker.OnParentCommand(wParam);
        if (LOWORD(wParam) == IDC_OPT_DEFAULTS && HIWORD(wParam) == BN_CLICKED) {
            ResetPage(CurrentPage());
            result = TRUE;
            return true;
        }
        return false;
    case WM_ERASEBKGND:
        // Themed group boxes and check boxes draw the dialog's background
        // behind them: in the page area that is the page's colour.
        if (!pageBrush_)
            return false;
        EraseBackground(reinterpret_cast<HDC>(wParam));
        result = TRUE;
        return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        // Labels and check boxes on the pages, not the buttons below them.
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        if (!pageBrush_ || id == IDOK || id == IDCANCEL || id == IDC_OPT_DEFAULTS)
            return false;
        SetBkColor(reinterpret_cast<HDC>(wParam), pageColour_);
        result = reinterpret_cast<INT_PTR>(pageBrush_);
        return true;
    }
    case kColourAcceptedMessage: {
        const auto* button =
            std::find(kColourButtons.begin(), kColourButtons.end(), static_cast<int>(lParam));
        if (button != kColourButtons.end())
            AcceptPickedColour(values_, static_cast<int>(button - kColourButtons.begin()),
                               static_cast<Colour>(wParam));
        result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

} // namespace quiltmark
