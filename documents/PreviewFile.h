// The preview file: the editor's text written beside the document as
// "tmp_preview.html", and the file:/// address handed to external browsers.
// Free of windows.h.
#pragma once

#include <string>

namespace quiltmark {

inline constexpr const char* kPreviewFileName = "tmp_preview.html";

// Document folder (with its trailing backslash) + "tmp_preview.html".
std::string PreviewFilePath(const std::string& documentFolder);

// The bytes a text-mode write of the editor text produces: every CR LF is first
// made a single LF, and every LF is then written as CR LF. The character code is
// not touched.
std::string TextModeBytes(const char* editorText);

// Why a text file could not be written; empty on success. `error` is the C
// library's errno value of the failing step (0 when it gave none).
struct WriteFailure {
    std::string reason;
    int error = 0;
    bool failed() const { return !reason.empty(); }
};

// The kinds of failure the user is told about in words of their own.
enum class WriteProblem { None, AccessDenied, FolderMissing, DiskFull, Other };
WriteProblem ProblemOf(const WriteFailure& failure);

// Writes the editor text to `path` as TextModeBytes does (create or truncate).
// A failure leaves the old file as it was as far as the platform allows and
// says why.
WriteFailure WriteTextFile(const std::string& path, const char* editorText);

// Decides when a failure to write the preview is shown to the user: once when
// writing starts to fail (or fails for another path), not again on every
// keystroke while it keeps failing, and again after a success.
class FailureNotice {
  public:
    // Call after every write; true when this failure should be reported now.
    bool shouldReport(const std::string& path, const WriteFailure& result) {
        if (!result.failed()) {
            reportedPath_.clear();
            return false;
        }
        if (reportedPath_ == path)
            return false;
        reportedPath_ = path;
        return true;
    }

  private:
    std::string reportedPath_;
};

// The address given to a browser tool for the preview file at `path`:
// "file:///" + drive + ":/" + the path after its first three characters, with
// every space replaced by "%20". Backslashes after the drive stay.
std::string BrowserAddress(const std::string& path);

} // namespace quiltmark
