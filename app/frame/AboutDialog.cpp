// The about box.
#include "AboutDialog.h"

#include <commctrl.h>
#include <shellapi.h>

#include "ResourceText.h"
#include "WebAddresses.h"
#include "resource_ids.h"
#include "version.h"

namespace quiltmark {
namespace {

constexpr const char* kLibraryName = "NKF32.DLL";
constexpr std::size_t kVersionBufferSize = 260; // what the library's version function expects
constexpr INT_PTR kShellFailureLimit = 32;
using GetNkfVersionFunction = void(WINAPI*)(char*);

} // namespace

std::string LibraryStatusText(HINSTANCE instance) {
    HMODULE library = LoadLibraryA(kLibraryName);
    if (!library)
        return LoadResourceString(instance, IDS_ABOUT_LIBRARY_MISSING);
    std::string status;
    const auto getVersion = reinterpret_cast<GetNkfVersionFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "GetNkfVersion")));
    if (getVersion) {
        std::array<char, kVersionBufferSize> version{};
        getVersion(version.data());
        version.back() = '\0';
        status = LoadResourceString(instance, IDS_ABOUT_LIBRARY) + version.data();
    } else {
        status = LoadResourceString(instance, IDS_ABOUT_LIBRARY_UNKNOWN);
    }
    FreeLibrary(library);
    return status;
}

CAboutDialog::CAboutDialog(HINSTANCE instance) : Dialog(instance, IDD_ABOUTBOX) {}

BOOL CAboutDialog::OnInitDialog() {
    SetDlgItemTextA(Hwnd(), IDC_ABOUT_VERSION,
                    (LoadResourceString(Instance(), IDS_ABOUT_VERSION) + QUILTMARK_VERSION_TEXT).c_str());
    HCURSOR hand = LoadCursorA(Instance(), MAKEINTRESOURCEA(IDC_HANDCURSOR));
    const std::string error = LoadResourceString(Instance(), IDS_CAPTION_ERROR);
    const std::string browserFailed = LoadResourceString(Instance(), IDS_BROWSER_FAILED);
    links_[0].Attach(Item(IDC_ABOUT_LIBRARY_LINK2), kLibrarySourceAddress, hand, browserFailed, error);
    links_[1].Attach(Item(IDC_ABOUT_LIBRARY_LINK1), kLibraryPageAddress, hand, browserFailed, error);
    links_[2].Attach(Item(IDC_ABOUT_MAIL), kMailAddress, hand,
                     LoadResourceString(Instance(), IDS_MAILER_FAILED), error);

    SetDlgItemTextA(Hwnd(), IDC_ABOUT_LIBRARY_STATUS, LibraryStatusText(Instance()).c_str());

    // The tooltip watches the picture itself, so the mouse moves over it reach
    // the tooltip without a relay of our own.
    tooltip_ =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Hwnd(), nullptr, Instance(), nullptr);
    if (tooltip_) {
        tooltipText_ = LoadResourceString(Instance(), IDS_ABOUT_PICTURE_TIP);
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = Hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(Item(IDC_ABOUT_PICTURE));
        tool.lpszText = tooltipText_.data();
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageA(tooltip_, TTM_ACTIVATE, TRUE, 0);
    }
    return TRUE;
}

void CAboutDialog::OpenHomePage() {
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(Hwnd(), "open", kHomePageAddress, nullptr, nullptr, SW_SHOW));
    if (result <= kShellFailureLimit)
        MessageBoxA(Hwnd(), LoadResourceString(Instance(), IDS_BROWSER_FAILED).c_str(),
                    LoadResourceString(Instance(), IDS_CAPTION_ERROR).c_str(), MB_OK | MB_ICONINFORMATION);
}

bool CAboutDialog::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, INT_PTR& result) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_ABOUT_PICTURE && HIWORD(wParam) == STN_CLICKED) {
        OpenHomePage();
        result = TRUE;
        return true;
    }
    if (message == WM_DESTROY && tooltip_) {
        DestroyWindow(tooltip_);
        tooltip_ = nullptr;
    }
    return false;
}

} // namespace quiltmark
