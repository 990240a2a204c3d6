// Input the view handles itself: the keys it takes before the accelerators
// (Enter in the FTP path fields, Tab into the editor, Right and Down into the
// editor in two-pane display) and files dropped on the view.
#include "QuiltmarkView.h"

#include <shlwapi.h>

#include "ResourceText.h"
#include "resource_ids.h"

namespace quiltmark {

bool CQuiltmarkView::PreTranslateKey(MSG& msg) {
    if (msg.message != WM_KEYDOWN)
        return false;
    HWND editor = static_cast<HWND>(editorApi_.NimbetGetWnd(EditorHost::kEditorId));
    KeyTarget target = KeyTarget::Other;
    if (editor && msg.hwnd == editor)
        target = KeyTarget::Editor;
    else if (msg.hwnd == Item(IDC_LOCAL_PATH))
        target = KeyTarget::LocalPath;
    else if (msg.hwnd == Item(IDC_REMOTE_PATH))
        target = KeyTarget::RemotePath;

    const ViewKey key =
        ClassifyViewKey(static_cast<int>(msg.wParam), target, mode_.twoPaneOn, GetKeyState(VK_SHIFT) < 0);
    switch (key) {
    case ViewKey::PathEnter:
        return OnPathEnter(target == KeyTarget::LocalPath ? IDC_LOCAL_PATH : IDC_REMOTE_PATH);
    case ViewKey::InsertTab:
        // A tab replaces the selection, or goes in at the caret.
        InsertTag("\t", "\t");
        return true;
    case ViewKey::CaretRight:
    case ViewKey::CaretDown:
        MoveCaretForKey(key);
        return true;
    case ViewKey::None:
        break;
    }
    return false;
}

void CQuiltmarkView::MoveCaretForKey(ViewKey key) {
    const int editor = EditorHost::kEditorId;
    // Both reads report whether a selection exists; without one they give
    // the caret, which is just as good here.
    CaretFacts facts{};
    int startLine = 0, startPos = 0, to = 0;
    editorApi_.NimbetGetSelA(editor, &startLine, &startPos, &facts.endLine, &facts.endPos);
    editorApi_.NimbetGetSelB(editor, &facts.selectionStart, &to);
    if (facts.endLine < 1 || facts.selectionStart < 1)
        return; // no editor to ask
    facts.endLineLength = editorApi_.NimbetGetLineLen(editor, facts.endLine);
    facts.lineCount = editorApi_.NimbetGetLines(editor);
    facts.nextLineLength =
        facts.endLine < facts.lineCount ? editorApi_.NimbetGetLineLen(editor, facts.endLine + 1) : 0;
    const std::optional<int> target =
        key == ViewKey::CaretRight ? std::optional<int>(RightArrowTarget(facts)) : DownArrowTarget(facts);
    if (target)
        editorApi_.NimbetSetSelB(editor, *target, *target);
}

// Enter in the local (1006) or remote (1013) path field: the FTP path
// commands take it over when the FTP tab is built. Until then the key goes on
// to the field as usual.
bool CQuiltmarkView::OnPathEnter(int /*editId*/) {
    return false;
}

void CQuiltmarkView::OnDropFiles(HDROP drop) {
    // Only the first dropped path counts.
    std::string path;
    const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
    if (length > 0 && length < 0x8000) {
        path.assign(length + 1, '\0');
        const UINT copied = DragQueryFileA(drop, 0, path.data(), length + 1);
        path.resize(copied <= length ? copied : length);
    }
    DragFinish(drop);
    if (path.empty())
        return;

    switch (DecideDrop(mode_, PathIsDirectoryA(path.c_str()) != FALSE, FtpConnected())) {
    case DropAction::RefuseFolder:
        MessageBoxA(Hwnd(), LoadResourceString(Instance(), IDS_DROPPED_FOLDER).c_str(),
                    LoadResourceString(Instance(), IDS_CAPTION_CONFIRM).c_str(), MB_OK | MB_ICONINFORMATION);
        break;
    case DropAction::OpenDocument:
        OpenDroppedFile(path);
        break;
    case DropAction::Upload:
        UploadDroppedFile(path);
        break;
    case DropAction::Ignore:
        break;
    }
}

// Opening a dropped file as the document, which also moves the preview to the
// file's folder.
void CQuiltmarkView::OpenDroppedFile(const std::string& path) {
    if (!CheckUnsavedChanges() || RefusePreviewFile(path))
        return;
    DeletePreviewFile();
    OpenDocumentFile(path);
}

// Uploading a dropped file comes with the FTP transfers.
void CQuiltmarkView::UploadDroppedFile(const std::string& /*path*/) {}

// The FTP session arrives with the FTP tab; until then nothing is connected.
bool CQuiltmarkView::FtpConnected() const {
    return false;
}

} // namespace quiltmark
