// The authoring commands' rows and the calls they make: the simple tag
// commands, paste as HTML, the user-defined tags with their registration
// dialog, and the sentence-ending transforms. The rules live in authoring/.
#include "QuiltmarkView.h"

#include "Automation.h"
#include "ClipboardText.h"
#include "EndingTransforms.h"
#include "MainFrame.h"
#include "MenuTexts.h"
#include "SettingsIo.h"
#include "TagCommands.h"
#include "TextToHtml.h"
#include "UserTagDlg.h"
#include "UserTags.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

// The submenu that holds the registration item, wherever it stands.
HMENU UserTagSubmenu(HMENU menu) {
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
        HMENU sub = GetSubMenu(menu, i);
        if (!sub)
            continue;
        if (GetMenuItemID(sub, 0) == ID_USERTAG_EDIT)
            return sub;
        if (HMENU found = UserTagSubmenu(sub))
            return found;
    }
    return nullptr;
}

} // namespace

void CQuiltmarkView::AddAuthoringCommands() {
    for (const TagCommand& tag : TagCommands())
        commands_.Add(tag.id, tag.name, [this, &tag] { InsertTag(tag.start, tag.end); });
    commands_.Add(ID_EDIT_PASTE_AS_HTML, "edit.pasteAsHtml", [this] { PasteAsHtml(); });
    commands_.Add(ID_USERTAG_EDIT, "userTag.edit", [this] { EditUserTags(); });
    commands_.AddRange(ID_USERTAG_1, kUserTagCount, "userTag.insert",
                       [this](int slot) { InsertUserTag(slot); });
    commands_
        .Add(ID_USERTAG_BAR1, "userTag.bar1",
             [this] { InsertUserTag(ToolbarSlot(settings_.bar1).value_or(-1)); })
        .Add(ID_USERTAG_BAR2, "userTag.bar2",
             [this] { InsertUserTag(ToolbarSlot(settings_.bar2).value_or(-1)); });
    for (const EndingCommand& ending : EndingCommands())
        commands_.Add(ending.id, ending.name,
                      [this, &ending] { RewriteEndings(editorApi_, ending.word, mode_.EditorActive()); });
}

// The clipboard's text, converted, in place of the selection.
void CQuiltmarkView::PasteAsHtml() {
    if (!mode_.EditorActive())
        return;
    const std::string html = ClipboardTextToHtml(ReadClipboardText(Hwnd()));
    InsertTag(html, html);
    // The FTP log box keeps its text and is left scrolled to its end.
    ftp_.ScrollLogToEnd();
}

// A free slot, or no slot at all, inserts nothing.
void CQuiltmarkView::InsertUserTag(int slot) {
    if (!IsUserTagSlot(slot))
        return;
    if (const auto texts = UserTagTexts(settings_.userTags[slot]))
        InsertTag(texts->start, texts->end);
}

// The registration dialog works in every tab. However it closes, the store is
// saved and the menu texts follow it.
void CQuiltmarkView::EditUserTags() {
    CUserTagDlg dialog(Instance(), settings_.userTags, settings_.bar1, settings_.bar2, frame_.Hwnd());
    dialog.DoModal(frame_.Hwnd());
    WriteUserTagSettings(profile_, settings_);
    RefreshUserTagMenuTexts();
}

void CQuiltmarkView::RefreshUserTagMenuTexts() {
    for (int n = 0; n < kUserTagCount; ++n)
        userTagMenuTexts_[n] = UserTagMenuText(n, settings_.userTags[n]);
}

LRESULT CQuiltmarkView::AnswerAuthoringQuery(int query, int argument) {
    HMENU menu = UserTagSubmenu(GetMenu(frame_.Hwnd()));
    if (!menu)
        return -2;
    const int item = query == automation::kQueryUserTagItemByte ? argument >> 16 : argument;
    switch (query) {
    case automation::kQueryUserTagItems:
        return GetMenuItemCount(menu);
    case automation::kQueryUserTagItemId:
        return static_cast<int>(GetMenuItemID(menu, item));
    case automation::kQueryUserTagItemByte: {
        const int length = GetMenuStringA(menu, item, nullptr, 0, MF_BYPOSITION);
        std::string text(length > 0 ? length + 1 : 1, '\0');
        GetMenuStringA(menu, item, text.data(), static_cast<int>(text.size()), MF_BYPOSITION);
        const int index = argument & 0xFFFF;
        return index < length ? static_cast<unsigned char>(text[index]) : -1;
    }
    default:
        return -2;
    }
}

} // namespace quiltmark
