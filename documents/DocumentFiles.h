// Reading a document file whole, and saving one without ever damaging the
// file on disk: the new bytes go to a temporary file in the same folder,
// which replaces the original only after it was written completely.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quiltmark {

// Why a file could not be read or written.
enum class FileProblem {
    None,
    NotFound,
    FolderMissing,
    IsFolder,
    ReadOnly,
    AccessDenied,
    InUse,
    DiskFull,
    TooLarge,
    Other,
};

struct FileResult {
    FileProblem problem = FileProblem::None;
    DWORD error = 0; // the platform's error code, when it gave one
    bool ok() const { return problem == FileProblem::None; }
};

// The largest file that becomes a document: the editor's lengths are ints and
// every line may gain a CR.
inline constexpr unsigned long long kMaxDocumentBytes = 1ull << 30;

// Reads the whole file into `bytes`.
FileResult ReadWholeFile(const std::string& path, std::string& bytes);

// Writes `bytes` as the file's new content. A read-only file and a folder
// standing where the file goes are refused. On success the file has the new
// bytes and the original's attributes; on any failure the original is as it
// was and no temporary file is left behind.
FileResult SaveFileSafely(const std::string& path, std::string_view bytes);

} // namespace quiltmark
