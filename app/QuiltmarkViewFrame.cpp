// The view's side of the frame family: the options and external tools
// commands and the frame's queries.
#include "QuiltmarkView.h"

#include "Automation.h"
#include "MainFrame.h"
#include "OptionsDialog.h"
#include "SettingsIo.h"
#include "ToolsDialog.h"
#include "resource_ids.h"

namespace quiltmark {

void CQuiltmarkView::AddFrameCommands() {
    commands_.Add(ID_TOOLS_OPTIONS, "tools.options", [this] { OptionsCommand(); })
        .Add(ID_TOOLS_EXTERNAL, "tools.external", [this] { ToolsCommand(); });
}

void CQuiltmarkView::OptionsCommand() {
    ReadSettings(profile_, settings_, {"FTP_SendMode/SendModeAscii"});
    OptionsValues values = OptionsFromSettings(settings_, host_.CurrentColours(), host_.DefaultColourTable());
    values.sendModeAscii = settings_.sendModeAscii;
    COptionsDialog dialog(Instance(), values);
    if (dialog.DoModal(frame_.Hwnd()) != IDOK)
        return;

    StoreOptions(values, settings_);
    WriteSettings(profile_, settings_, {"FTP_SendMode/SendModeAscii"});
    WriteOptionSettings(profile_, settings_);
    splitDirection_ = settings_.isMyHowRL;
    host_.TakeColours(settings_);
    host_.ApplySettings(settings_, mode_.twoPaneOn);
    ShowCurrentMode();
    SetWindowPos(frame_.Hwnd(), settings_.chkMostFront == 1 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CQuiltmarkView::ToolsCommand() {
    ReadSettings(profile_, settings_, {"Tools/OpenDir"});
    CToolsDialog dialog(Instance(), settings_.tools, settings_.toolsOpenDir);
    dialog.DoModal(frame_.Hwnd());
    WriteToolSettings(profile_, settings_);
}

LRESULT CQuiltmarkView::AnswerFrameQuery(int query, LPARAM argument) {
    switch (query) {
    case automation::kQueryFindReplaceState:
        return frame_.FindReplaceState();
    case automation::kQueryEditorColour:
        return argument >= 0 && argument < kColourCount
                   ? static_cast<LRESULT>(host_.CurrentColours()[argument])
                   : -2;
    case automation::kQueryCaretColumn:
        return editorApi_.NimbetGetCaretVPos(EditorHost::kEditorId);
    case automation::kQueryMenuItemCount:
    case automation::kQueryMenuItemId:
    case automation::kQueryMenuItemState:
    case automation::kQueryMenuItemText:
        return frame_.MenuQuery(query, argument);
    default:
        return -2;
    }
}

} // namespace quiltmark
