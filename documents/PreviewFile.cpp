// Writing the preview (and backup) file and the browser address of the preview.
#include "PreviewFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quiltmark {

std::string PreviewFilePath(const std::string& documentFolder) {
    return documentFolder + kPreviewFileName;
}

std::string TextModeBytes(const char* editorText) {
    std::string out;
    if (!editorText)
        return out;
    // Making every CR LF a LF and writing every LF as CR LF leaves CR LF as
    // it was and puts a CR before every other LF; everything else is copied
    // in runs.
    const size_t length = std::strlen(editorText);
    out.reserve(length + length / 16);
    const char* const end = editorText + length;
    const char* run = editorText;
    while (run < end) {
        const auto* lf = static_cast<const char*>(std::memchr(run, '\n', static_cast<size_t>(end - run)));
        if (!lf) {
            out.append(run, end);
            break;
        }
        out.append(run, lf);
        if (lf == editorText || lf[-1] != '\r')
            out += '\r';
        out += '\n';
        run = lf + 1;
    }
    return out;
}

WriteFailure WriteTextFile(const std::string& path, const char* editorText) {
    const std::string bytes = TextModeBytes(editorText);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        const int error = errno;
        return {std::strerror(error), error};
    }
    const size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
    const bool complete = written == bytes.size();
    const int writeError = complete ? 0 : errno;
    const bool closed = std::fclose(file) == 0;
    const int closeError = closed ? 0 : errno;
    if (!complete)
        return {writeError ? std::strerror(writeError) : "the text was written only in part", writeError};
    if (!closed)
        return {closeError ? std::strerror(closeError) : "the file could not be closed", closeError};
    return {};
}

WriteProblem ProblemOf(const WriteFailure& failure) {
    if (!failure.failed())
        return WriteProblem::None;
    switch (failure.error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return WriteProblem::AccessDenied;
    case ENOENT:
    case ENOTDIR:
        return WriteProblem::FolderMissing;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return WriteProblem::DiskFull;
    default:
        return WriteProblem::Other;
    }
}

std::string BrowserAddress(const std::string& path) {
    const size_t colon = path.find(':');
    // A network path has no drive: "\\server\share\..." is addressed as
    // "file://server\share\...".
    const bool network = colon == std::string::npos && path.rfind("\\\\", 0) == 0;
    const std::string drive = colon == std::string::npos ? std::string() : path.substr(0, colon);
    const std::string rest = path.size() > 3 ? path.substr(3) : std::string();
    std::string address = network ? "file://" + path.substr(2) : "file:///" + drive + ":/" + rest;
    std::string encoded;
    for (char c : address) {
        if (c == ' ')
            encoded += "%20";
        else
            encoded += c;
    }
    return encoded;
}

} // namespace quiltmark
