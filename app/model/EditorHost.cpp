// Creating and configuring the editor, and the commands that go to it.
#include "EditorHost.h"

#include "EditorColours.h"
#include "SettingsIo.h"
#include "SettingsSchema.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

constexpr int kEmphasisWithinLine = 3;
constexpr int kEmphasisMultiLine = 4;
constexpr int kMetricRulerHeight = 1;
constexpr int kMetricLineNumberWidth = 2;
constexpr int kMetricClickable = 7;
constexpr int kRulerHeight = 10;
constexpr int kLineNumberWidth = 50;

} // namespace

void EditorHost::Create(void* parentWindow, ProfileStore& profile, Settings& settings, bool twoPaneOn) {
    if (api_.GetNimbetVer() < kRequiredVersion)
        site_.WarnOldLibrary(); // and carry on with what the library offers
    api_.NimbetCreate(kEditorId, parentWindow, 0, 0, 0, 0);

    ReadEditorSettings(profile, settings);
    defaultColours_ = DefaultColours();
    TakeColours(settings);
    ApplySettings(settings, twoPaneOn);

    ReadFontSettings(profile, settings);
    // The face travels in a buffer of the library's face-name size.
    std::array<char, kFaceBufferSize> face{};
    settings.fontName.copy(face.data(), face.size() - 1);
    api_.NimbetSetFont(kEditorId, face.data(), settings.fontSize, 1);

    bookmarks_.Clear();
}

void EditorHost::TakeColours(const Settings& settings) {
    currentColours_ = ComposeColours(settings.colourKeys);
}

void EditorHost::ApplySettings(const Settings& settings, bool twoPaneOn) {
    if (!twoPaneOn)
        site_.FocusSourceTab();
    api_.NimbetResetEmphasis(kEditorId, 1);
    api_.NimbetSetLapel(kEditorId, settings.chkRightReturn != 0 ? 1 : 0, 0, 0);
    api_.NimbetSetMetrics(kEditorId, kMetricClickable, ClickableMask(settings.isClickable), 1);

    const auto& c = currentColours_;
    api_.NimbetAddEmphasis(kEditorId, "<!--", "-->", kEmphasisMultiLine, c[kColourComments], 0, 6, 0);
    api_.NimbetAddEmphasis(kEditorId, "<", ">", kEmphasisWithinLine, c[kColourTags], 0, 2, 3);
    api_.NimbetAddEmphasis(kEditorId, "\"", "\"", kEmphasisWithinLine, c[kColourQuoted], 0, 3, 0);
    api_.NimbetAddEmphasis(kEditorId, "&", ";", kEmphasisWithinLine, c[kColourReferences], 0, 1, 0);

    for (const ColourAssignment& a : ColourAssignments(c))
        api_.NimbetSetColor(kEditorId, a.kind, a.colour, 0);

    api_.NimbetSetMetrics(kEditorId, kMetricRulerHeight, settings.isRuler != 0 ? kRulerHeight : 0, 0);
    api_.NimbetSetMetrics(kEditorId, kMetricLineNumberWidth, settings.isLineNum != 0 ? kLineNumberWidth : 0,
                          0);
    api_.NimbetRefresh(kEditorId);
    api_.NimbetSetFocus(kEditorId);
}

void EditorHost::EditCommand(int commandId, ViewMode mode) {
    if (mode.EditorActive()) {
        switch (commandId) {
        case ID_EDIT_UNDO:
            api_.NimbetUndo(kEditorId);
            break;
        case ID_EDIT_REDO:
            api_.NimbetRedo(kEditorId);
            break;
        case ID_EDIT_CUT:
            api_.NimbetCut(kEditorId);
            break;
        case ID_EDIT_COPY:
            api_.NimbetCopy(kEditorId);
            break;
        case ID_EDIT_PASTE:
            api_.NimbetPaste(kEditorId);
            break;
        case ID_EDIT_DELETE:
            api_.NimbetSetSelText(kEditorId, "");
            break;
        case ID_EDIT_SELECT_ALL:
            api_.NimbetSelectAll(kEditorId);
            break;
        default:
            break;
        }
        return;
    }
    if (mode.currentTab == kPreviewTab) {
        if (commandId == ID_EDIT_UNDO)
            site_.BrowserBack();
        else if (commandId == ID_EDIT_REDO)
            site_.BrowserForward();
    }
}

void EditorHost::FontCommand(ProfileStore& profile, Settings& settings) {
    std::array<char, kFaceBufferSize> face{};
    const int size = api_.NimbetFontDialog(kEditorId, face.data(), 1);
    if (size < 0)
        return; // cancelled or failed; the control keeps its font
    face.back() = '\0';
    settings.fontName = face.data();
    settings.fontSize = size;
    WriteSettings(profile, settings, {"Font/Name", "Font/Size"});
}

} // namespace quiltmark
