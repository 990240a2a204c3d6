// Character codes and the text-change handling: the save-code commands,
// reload as Shift_JIS, the download questions about NKF32.DLL, and on every
// change the title's modified marker, the real-time preview and the
// automatic backup.
#include "QuiltmarkView.h"

#include <shellapi.h>

#include <optional>

#include "DocumentNames.h"
#include "MainFrame.h"
#include "ResourceText.h"
#include "resource_ids.h"

namespace quiltmark {
namespace {

// Where the library can be downloaded.
constexpr const char* kNkfDownloadAddress = "https://quiltmark.example.jp/nkf32.html";
constexpr INT_PTR kShellFailureLimit = 32;
// The full modified test runs this long after the last change at the
// earliest, and only once no input waits.
constexpr UINT kTitleCheckDelayMs = 10;

} // namespace

bool CQuiltmarkView::IsModified() {
    return modified_.IsModified(EditorText(), nkf_);
}

void CQuiltmarkView::ShowTitle(bool minimised) {
    SetFrameTitle(WindowTitle(minimised ? shortTitle_ : fullTitle_, IsModified()), minimised);
}

void CQuiltmarkView::HandleTextChange() {
    LARGE_INTEGER started{};
    QueryPerformanceCounter(&started);
    // The whole text is fetched only when something needs it.
    std::optional<std::string> fetched;
    const auto text = [&]() -> const std::string& {
        if (!fetched)
            fetched = EditorText();
        return *fetched;
    };
    UpdateTitleMarker(text);
    if (mode_.RefreshesOnEveryChange()) {
        WritePreview(text());
        browser_.Refresh();
    }
    const LocalMinute now = CurrentLocalMinute();
    if (backups_.DueOnChange(now, settings_.isAutoBackUp == 1))
        WriteBackup(text(), now);
    LARGE_INTEGER ended{}, frequency{};
    QueryPerformanceCounter(&ended);
    QueryPerformanceFrequency(&frequency);
    lastChangeMicroseconds_ =
        static_cast<int>((ended.QuadPart - started.QuadPart) * 1000000 / frequency.QuadPart);
}

void CQuiltmarkView::UpdateTitleMarker(const std::function<const std::string&()>& text) {
    // Equal bytes are never modified, and a text of another length never has
    // equal bytes, so most keystrokes need not even fetch the text. Differing
    // bytes are modified unless the library maps both texts to the same
    // Shift_JIS: the marker is set from the bytes at once, and the full test
    // confirms it on its own thread once the input has been handled, so that
    // a keystroke never waits for two whole conversions.
    ++changeTicket_;
    const int length = editorApi_.NimbetGetTextLength(EditorHost::kEditorId);
    const bool sameBytes =
        length >= 0 && static_cast<size_t>(length) == modified_.Saved().size() && modified_.SameBytes(text());
    SetFrameTitle(WindowTitle(fullTitle_, !sameBytes));
    titleCheckPending_ = !sameBytes;
    if (titleCheckPending_)
        SetTimer(Hwnd(), kTitleCheckTimer, kTitleCheckDelayMs, nullptr);
}

void CQuiltmarkView::RunTitleCheck() {
    KillTimer(Hwnd(), kTitleCheckTimer);
    if (!titleCheckPending_)
        return;
    // Without the library differing bytes are the whole answer.
    if (!nkf_.Present()) {
        ApplyTitleCheck(changeTicket_, true);
        return;
    }
    titleCheck_.Request(changeTicket_, modified_.SavedShared(), EditorText());
}

void CQuiltmarkView::ApplyTitleCheck(std::uint64_t ticket, bool modified) {
    if (ticket != changeTicket_ || !titleCheckPending_)
        return; // the text or the saved text has changed since
    titleCheckPending_ = false;
    // The window may have been minimised since the keystroke.
    SetFrameTitle(WindowTitle(shortTitleShown_ ? shortTitle_ : fullTitle_, modified), shortTitleShown_);
}

void CQuiltmarkView::WriteBackup(const std::string& text, const LocalMinute& time) {
    // A backup that cannot be written never ends the program; the user
    // hears of it once until backups can be written again.
    const std::string path = BackupFilePath(programFolder_, time);
    const WriteFailure result = WriteTextFile(path, text.c_str());
    if (backupNotice_.shouldReport(programFolder_, result))
        ReportWriteFailure(IDS_BACKUP_NOT_WRITTEN, path, result, IDS_BACKUP_TEXT_KEPT);
}

void CQuiltmarkView::ShowCodeMessage(CodeMessage message) {
    UINT text = 0;
    switch (message) {
    case CodeMessage::None:
        return;
    case CodeMessage::SavedUnconverted:
        Ask(IDS_NKF_SAVED_UNCONVERTED, IDS_CAPTION_AFTERWARDS, MB_OK);
        return;
    case CodeMessage::LibraryMissing:
        text = IDS_NKF_MISSING;
        break;
    case CodeMessage::ExtendedLibraryNeeded:
        text = IDS_NKF_EXTENDED_NEEDED;
        break;
    case CodeMessage::SaveCodeNeedsLibrary:
        text = IDS_NKF_CODE_NEEDS_LIBRARY;
        break;
    case CodeMessage::Utf8SaveCodeNeedsLibrary:
        text = IDS_NKF_UTF8_NEEDS_LIBRARY;
        break;
    }
    if (Ask(text, IDS_CAPTION_DOWNLOAD, MB_YESNO) != IDYES)
        return;
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(Hwnd(), "open", kNkfDownloadAddress, nullptr, nullptr, SW_SHOW));
    if (result <= kShellFailureLimit)
        Ask(IDS_BROWSER_FAILED, IDS_CAPTION_ERROR, MB_OK);
}

void CQuiltmarkView::SelectSaveCode(int code) {
    if (code < kSaveSjis || code > kSaveUtf8)
        return;
    settings_.isCodeMode = code;
    if (code == kSaveSjis)
        return;
    const SaveCodeChoice choice = ChooseSaveCode(code, nkf_.Present());
    ShowCodeMessage(choice.message);
    settings_.isCodeMode = choice.code;
}

void CQuiltmarkView::ReloadAsShiftJis() {
    if (!mode_.EditorActive())
        return;
    const Conversion converted = Convert(nkf_, EditorText(), 's');
    ShowCodeMessage(converted.message);
    // One replacement of the whole text: a single undoable step.
    editorApi_.NimbetSelectAll(EditorHost::kEditorId);
    editorApi_.NimbetSetSelText(EditorHost::kEditorId, converted.text.c_str());
}

} // namespace quiltmark
