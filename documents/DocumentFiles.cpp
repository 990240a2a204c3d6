// Whole-file reads and safe saves through the platform's file functions.
#include "DocumentFiles.h"

#include <algorithm>

#include "PathRules.h"

namespace quiltmark {
namespace {

// One ReadFile or WriteFile call moves at most this much.
constexpr DWORD kChunk = 16u << 20;
constexpr int kTemporaryNameTries = 100;
// Attributes the saved file takes over from the original.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

FileResult Failure(DWORD error) {
    FileProblem problem = FileProblem::Other;
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        problem = FileProblem::NotFound;
        break;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
        problem = FileProblem::FolderMissing;
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        problem = FileProblem::AccessDenied;
        break;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        problem = FileProblem::InUse;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        problem = FileProblem::DiskFull;
        break;
    default:
        break;
    }
    return {problem, error};
}

FileResult LastFailure() {
    return Failure(GetLastError());
}

class Handle {
  public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return h_; }
    bool Close() {
        const bool closed = h_ == INVALID_HANDLE_VALUE || CloseHandle(h_) != FALSE;
        h_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE h_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD part = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, kChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, part, &written, nullptr) || written != part)
            return false;
        done += written;
    }
    return true;
}

// Creates a new, empty temporary file beside `path`; its name is returned.
HANDLE CreateTemporaryBeside(const std::string& path, std::string& temporary) {
    const std::string folder = FolderOf(path);
    const std::string name = FileNameOf(path);
    for (int n = 0; n < kTemporaryNameTries; ++n) {
        temporary = folder + "~" + name + "." + std::to_string(GetCurrentProcessId()) + "-" +
                    std::to_string(n) + ".tmp";
        HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

} // namespace

FileResult ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {FileProblem::IsFolder, 0};
    Handle file(CreateFileA(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid())
        return LastFailure();
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size))
        return LastFailure();
    if (size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > kMaxDocumentBytes)
        return {FileProblem::TooLarge, 0};
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD part = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, kChunk));
        DWORD got = 0;
        if (!ReadFile(file.Get(), bytes.data() + done, part, &got, nullptr)) {
            const FileResult failure = LastFailure();
            bytes.clear();
            return failure;
        }
        if (got == 0)
            break; // the file became shorter while it was read
        done += got;
    }
    bytes.resize(done);
    return {};
}

FileResult SaveFileSafely(const std::string& path, std::string_view bytes) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {FileProblem::IsFolder, 0};
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return {FileProblem::ReadOnly, 0};

    std::string temporary;
    Handle file(CreateTemporaryBeside(path, temporary));
    if (!file.Valid())
        return LastFailure();
    FileResult result;
    if (!WriteAll(file.Get(), bytes) || !FlushFileBuffers(file.Get()))
        result = LastFailure();
    if (!file.Close() && result.ok())
        result = LastFailure();
    if (result.ok() && exists)
        SetFileAttributesA(temporary.c_str(), (attributes & kKeptAttributes) ? attributes & kKeptAttributes
                                                                             : FILE_ATTRIBUTE_NORMAL);
    if (result.ok() &&
        !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        result = LastFailure();
    if (!result.ok())
        DeleteFileA(temporary.c_str());
    return result;
}

} // namespace quiltmark
