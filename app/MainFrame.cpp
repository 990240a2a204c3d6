// The main window: bars, menu rebuild, find and replace, title and close.
#include "MainFrame.h"

#include <algorithm>

#include "App.h"
#include "Automation.h"
#include "MenuTexts.h"
#include "QuiltmarkView.h"
#include "ResourceText.h"
#include "SettingsIo.h"
#include "ViewLayout.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

constexpr int kFileMenu = 0;
constexpr int kInsertMenu = 3;
constexpr int kToolsMenu = 5;
constexpr int kFileMenuFixedItems = 9; // items 0-8 are the File menu's own
constexpr int kUserTagSubmenu = 9;     // position in the Insert menu

void DeleteCommands(HMENU menu, int first, int last) {
    for (int id = first; id <= last; ++id)
        DeleteMenu(menu, id, MF_BYCOMMAND);
}

bool AnyRecentFile(const Settings& settings) {
    return std::any_of(settings.recentFiles.begin(), settings.recentFiles.end(),
                       [](const std::string& path) { return !path.empty(); });
}

} // namespace

CMainFrame::CMainFrame(HINSTANCE instance, App& app, ProfileStore& profile)
    : FrameWindow(instance), app_(app), profile_(profile) {
    commands_
        .Add(
            ID_VIEW_TOOLBAR, "view.toolbar", [this] { ShowBar(Bar().Hwnd(), !ToolBarVisible()); }, {},
            [this] { return ToolBarVisible(); })
        .Add(
            ID_VIEW_STATUS_BAR, "view.statusBar", [this] { ShowBar(Status().Hwnd(), !StatusBarVisible()); },
            {}, [this] { return StatusBarVisible(); })
        .Add(ID_APP_EXIT, "app.exit", [this] { SendMessageA(Hwnd(), WM_CLOSE, 0, 0); })
        .Add(ID_EDIT_FIND, "edit.find",
             [this] {
                 if (findReplace_)
                     findReplace_->OpenFind(Hwnd(), LoadResourceString(Instance(), IDS_FIND_PLACEHOLDER));
             })
        .Add(ID_EDIT_REPLACE, "edit.replace", [this] {
            if (findReplace_)
                findReplace_->OpenReplace(Hwnd());
        });
    // The save codes: Shift_JIS, EUC-JP, 7-bit JIS, UTF-8.
    const int saveCodes[] = {ID_CODE_SJIS, ID_CODE_EUC, ID_CODE_JIS, ID_CODE_UTF8};
    for (int code = 0; code < 4; ++code)
        commands_.Add(saveCodes[code], "file.saveCode", [this, code] {
            if (view_)
                view_->SelectSaveCode(code);
        });
    SetIdleMessageId(IDS_IDLE_MESSAGE);
}

bool CMainFrame::Create() {
    if (!RegisterFrameClass(Instance(), automation::kFrameClass, IDR_MAINFRAME))
        return false;
    const std::string title = LoadResourceString(Instance(), IDS_APP_TITLE);
    return FrameWindow::Create(automation::kFrameClass, title.c_str(), IDR_MAINFRAME);
}

void CMainFrame::AttachView(CQuiltmarkView* view) {
    view_ = view;
    SetView(view);
    // Commands travel from the view to the frame.
    Router().AddTarget(view->Commands());
    Router().AddTarget(commands_);
    findReplace_ = std::make_unique<FindReplaceDialogs>(app_, view->Editor());
}

bool CMainFrame::OnCreate() {
    // Without either bar the frame is not created and the program ends.
    if (!CreateToolBar(IDR_MAINFRAME, ID_VIEW_TOOLBAR))
        return false;
    if (!CreateStatusBar(ID_VIEW_STATUS_BAR, {{ID_INDICATOR_KANA, VK_KANA},
                                              {ID_INDICATOR_CAPS, VK_CAPITAL},
                                              {ID_INDICATOR_NUM, VK_NUMLOCK},
                                              {ID_INDICATOR_SCRL, VK_SCROLL}}))
        return false;
    ShowIdleMessage();
    return true;
}

void CMainFrame::ApplyBarSettings(Settings& settings) {
    ReadBarSettings(profile_, settings);
    ShowWindow(Bar().Hwnd(), settings.isToolbar != 0 ? SW_SHOW : SW_HIDE);
    ShowWindow(Status().Hwnd(), settings.isStatusbar != 0 ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}

void CMainFrame::OnClose() {
    if (view_) {
        if (!view_->CheckUnsavedChanges())
            return; // the user chose to stay
        view_->DeletePreviewFile();
        view_->CloseFtpHandles();
        SaveSettingsAtClose();
    }
    DestroyWindow(Hwnd());
}

void CMainFrame::SaveSettingsAtClose() {
    Settings& settings = view_->Config();
    view_->StoreCloseState();
    RECT outer{};
    GetWindowRect(Hwnd(), &outer);
    const WindowExtent extent = WindowExtentToStore(IsZoomed(Hwnd()) != FALSE, IsIconic(Hwnd()) != FALSE,
                                                    outer.right - outer.left, outer.bottom - outer.top);
    settings.cx = extent.cx;
    settings.cy = extent.cy;
    settings.isToolbar = ToolBarVisible() ? 1 : 0;
    settings.isStatusbar = StatusBarVisible() ? 1 : 0;
    WriteCloseSettings(profile_, settings);
}

bool CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_SYSCOMMAND) {
        ShowTitleFor(static_cast<UINT>(wParam & 0xFFF0));
        return false; // the system's own handling follows
    }
    if (message == FindReplaceDialogs::NotificationMessage() && findReplace_ && lParam) {
        findReplace_->OnNotification(*reinterpret_cast<const FINDREPLACEA*>(lParam));
        result = 0;
        return true;
    }
    return false;
}

void CMainFrame::ShowTitleFor(UINT systemCommand) {
    switch (systemCommand) {
    case SC_MINIMIZE:
        minimised_ = true;
        break;
    case SC_SIZE:
    case SC_MOVE:
    case SC_MAXIMIZE:
    case SC_RESTORE:
        minimised_ = false;
        break;
    default:
        return;
    }
    if (view_)
        view_->ShowTitle(minimised_);
}

void CMainFrame::OnInitMenu(HMENU menu) {
    if (!view_ || minimised_ || IsIconic(Hwnd()) || menu != GetMenu(Hwnd()))
        return;
    // Printing is not offered.
    for (int id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP})
        DeleteMenu(menu, id, MF_BYCOMMAND);
    RebuildFileMenu(GetSubMenu(menu, kFileMenu));
    if (HMENU insert = GetSubMenu(menu, kInsertMenu))
        RebuildUserTagMenu(GetSubMenu(insert, kUserTagSubmenu));
    RebuildToolsMenu(GetSubMenu(menu, kToolsMenu));
    SetMenuChecks(menu);
}

void CMainFrame::OnInitMenuPopup(HMENU popup) {
    FrameWindow::OnInitMenuPopup(popup);
    // The placeholder of an empty recent-file list stays greyed, whoever
    // handles the recent-file commands.
    if (view_ && popup == GetSubMenu(GetMenu(Hwnd()), kFileMenu) && !AnyRecentFile(view_->Config()))
        EnableMenuItem(popup, ID_FILE_RECENT_1, MF_BYCOMMAND | MF_GRAYED);
}

void CMainFrame::RebuildFileMenu(HMENU file) {
    if (!file)
        return;
    // Position 9 holds the first item the previous rebuild appended (or the
    // resource's placeholder); everything from there on is rebuilt.
    DeleteCommands(file, ID_FILE_RECENT_1, ID_FILE_RECENT_5);
    if (GetMenuItemCount(file) > kFileMenuFixedItems)
        DeleteMenu(file, kFileMenuFixedItems, MF_BYPOSITION);
    DeleteMenu(file, ID_APP_EXIT, MF_BYCOMMAND);

    const auto& recent = view_->Config().recentFiles;
    int listed = 0;
    for (int i = 0; i < kRecentFileCount; ++i) {
        if (recent[i].empty())
            continue;
        AppendMenuA(file, MF_STRING, ID_FILE_RECENT_1 + i, RecentFileMenuText(++listed, recent[i]).c_str());
    }
    if (listed == 0)
        AppendMenuA(file, MF_STRING | MF_GRAYED, ID_FILE_RECENT_1,
                    LoadResourceString(Instance(), IDS_RECENT_NONE).c_str());
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, ID_APP_EXIT, LoadResourceString(Instance(), IDS_EXIT_ITEM).c_str());
}

void CMainFrame::RebuildUserTagMenu(HMENU userTags) {
    if (!userTags)
        return;
    DeleteCommands(userTags, ID_USERTAG_1, ID_USERTAG_20);
    const auto& tags = view_->Config().userTags;
    const auto& texts = view_->UserTagMenuTexts();
    for (int n = 0; n < kUserTagCount; ++n)
        if (!tags[n].open.empty())
            AppendMenuA(userTags, MF_STRING, ID_USERTAG_1 + n, texts[n].c_str());
}

void CMainFrame::RebuildToolsMenu(HMENU tools) {
    if (!tools)
        return;
    DeleteCommands(tools, ID_TOOL_1, ID_TOOL_5);
    const auto& entries = view_->Config().tools;
    for (int i = 0; i < kToolCount; ++i)
        if (!entries[i].name.empty())
            AppendMenuA(tools, MF_STRING, ID_TOOL_1 + i, entries[i].name.c_str());
}

long CMainFrame::MenuQuery(int query, long argument) const {
    const int menuCode = static_cast<int>((argument >> 24) & 0x7F);
    HMENU menu = GetSubMenu(GetMenu(Hwnd()), menuCode & 0xF);
    if (menu && (menuCode >> 4) > 0)
        menu = GetSubMenu(menu, (menuCode >> 4) - 1);
    const int position = static_cast<int>((argument >> 16) & 0xFF);
    const int byte = static_cast<int>(argument & 0xFFFF);
    if (!menu)
        return -2;
    switch (query) {
    case automation::kQueryMenuItemCount:
        return GetMenuItemCount(menu);
    case automation::kQueryMenuItemId:
        return static_cast<int>(GetMenuItemID(menu, position));
    case automation::kQueryMenuItemState:
        return static_cast<int>(GetMenuState(menu, position, MF_BYPOSITION));
    case automation::kQueryMenuItemText: {
        const int length = GetMenuStringA(menu, position, nullptr, 0, MF_BYPOSITION);
        if (byte >= length)
            return -1;
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        GetMenuStringA(menu, position, text.data(), length + 1, MF_BYPOSITION);
        return static_cast<unsigned char>(text[byte]);
    }
    default:
        return -2;
    }
}

void CMainFrame::SetMenuChecks(HMENU menu) {
    const Settings& s = view_->Config();
    const int kind = view_->TwoPaneKind();
    CheckMenuItem(menu, ID_VIEW_SPLIT_REALTIME, MF_BYCOMMAND | (kind == 1 ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, ID_VIEW_SPLIT_ALTR, MF_BYCOMMAND | (kind == 2 ? MF_CHECKED : MF_UNCHECKED));
    const int listModes[] = {ID_FTP_VIEW_DETAILS, ID_FTP_VIEW_LIST, ID_FTP_VIEW_LARGE, ID_FTP_VIEW_SMALL};
    for (int mode = 0; mode < 4; ++mode)
        CheckMenuItem(menu, listModes[mode], MF_BYCOMMAND | (s.listMode == mode ? MF_CHECKED : MF_UNCHECKED));
    const int codes[] = {ID_CODE_SJIS, ID_CODE_EUC, ID_CODE_JIS, ID_CODE_UTF8};
    for (int code = 0; code < 4; ++code)
        CheckMenuItem(menu, codes[code], MF_BYCOMMAND | (s.isCodeMode == code ? MF_CHECKED : MF_UNCHECKED));
}

} // namespace quiltmark
