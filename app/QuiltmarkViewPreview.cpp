// The preview: the embedded browser (control 1002), the preview file written
// beside the document, the Alt+R refresh and the external tools.
#include "QuiltmarkView.h"

#include "MainFrame.h"
#include "ResourceText.h"
#include "ToolRunner.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

UINT ProblemText(WriteProblem problem) {
    switch (problem) {
    case WriteProblem::AccessDenied:
        return IDS_WRITE_DENIED;
    case WriteProblem::FolderMissing:
        return IDS_WRITE_NO_FOLDER;
    case WriteProblem::DiskFull:
        return IDS_WRITE_DISK_FULL;
    default:
        return IDS_WRITE_OTHER;
    }
}

} // namespace

void CQuiltmarkView::CreateBrowser() {
    // The form holds a plain placeholder under the browser's id; the browser
    // takes its place, its rectangle and its position among the controls, so
    // that it lies above the tab control like the other controls of the tabs.
    HWND placeholder = Item(IDC_BROWSER);
    RECT place{};
    HWND above = nullptr;
    if (placeholder) {
        GetWindowRect(placeholder, &place);
        MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&place), 2);
        above = GetWindow(placeholder, GW_HWNDPREV);
        DestroyWindow(placeholder);
    }
    if (!browser_.Create(Hwnd(), IDC_BROWSER, place))
        return;
    SetWindowPos(browser_.GetSafeHwnd(), above ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CQuiltmarkView::WritePreview() {
    WritePreview(EditorText());
}

void CQuiltmarkView::WritePreview(const std::string& text) {
    // A preview that cannot be written must not cost the user the text: the
    // program goes on, the browser keeps the last file that was written, and
    // the user hears about it once until writing works again.
    const WriteFailure result = WriteTextFile(previewPath_, text.c_str());
    if (previewNotice_.shouldReport(previewPath_, result))
        ReportPreviewFailure(result);
}

void CQuiltmarkView::ReportPreviewFailure(const WriteFailure& failure) {
    ReportWriteFailure(IDS_PREVIEW_NOT_WRITTEN, previewPath_, failure, IDS_PREVIEW_TEXT_KEPT);
}

void CQuiltmarkView::ReportWriteFailure(UINT headline, const std::string& path, const WriteFailure& failure,
                                        UINT tail) {
    // Writes happen inside the editor's change notification; the message is
    // shown once that has returned, so that no modal loop runs in the middle
    // of an edit.
    const bool posted = !pendingPreviewReport_.empty();
    if (posted)
        pendingPreviewReport_ += "\n\n";
    pendingPreviewReport_ += LoadResourceString(Instance(), headline) + "\n\n" + path + "\n" +
                             LoadResourceString(Instance(), IDS_WRITE_REASON) +
                             LoadResourceString(Instance(), ProblemText(ProblemOf(failure))) + "\n\n" +
                             LoadResourceString(Instance(), tail);
    if (!posted)
        PostMessageA(Hwnd(), kShowPreviewReportMessage, 0, 0);
}

void CQuiltmarkView::ShowPendingPreviewReport() {
    if (pendingPreviewReport_.empty())
        return;
    const std::string message = std::move(pendingPreviewReport_);
    pendingPreviewReport_.clear();
    MessageBoxA(frame_.Hwnd(), message.c_str(), LoadResourceString(Instance(), IDS_CAPTION_ERROR).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

void CQuiltmarkView::NavigatePreview() {
    // The result is not examined: a browser that cannot show the file (or
    // none at all) leaves an empty preview and the program goes on.
    browser_.Navigate(previewPath_);
}

void CQuiltmarkView::DeletePreviewFile() {
    // A document that is itself named like the preview file is never removed.
    if (previewPath_.empty() || lstrcmpiA(previewPath_.c_str(), currentPath_.c_str()) == 0)
        return;
    DeleteFileA(previewPath_.c_str());
}

void CQuiltmarkView::RefreshPreviewCommand() {
    // Alt+R acts only in the two-pane display that waits for it.
    if (!mode_.RefreshesOnAltR())
        return;
    WritePreview();
    browser_.Refresh();
}

void CQuiltmarkView::RunToolCommand(int index) {
    if (index < 0 || index >= kToolCount)
        return;
    WritePreview();
    const ToolEntry& tool = settings_.tools[index];
    if (!RunTool(Hwnd(), tool.path, tool.isBrowser != 0, previewPath_)) {
        MessageBoxA(Hwnd(), LoadResourceString(Instance(), IDS_TOOL_FAILED).c_str(),
                    LoadResourceString(Instance(), IDS_CAPTION_ERROR).c_str(), MB_OK | MB_ICONINFORMATION);
    }
}

} // namespace quiltmark
