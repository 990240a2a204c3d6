// Names of documents and the window title.
#include "DocumentNames.h"

#include "PathRules.h"
#include "PreviewFile.h"
#include "ShiftJis.h"

namespace quiltmark {

std::string ShortTitleOf(const std::string& path, const std::string& noName) {
    std::string name = FileNameOf(path);
    return name.empty() ? noName : name;
}

std::string ExtensionOf(const std::string& path) {
    // "." is never the second byte of a double-byte character.
    const auto dot = path.rfind('.');
    return dot == std::string::npos ? std::string() : LowerAsciiLetters(path.substr(dot + 1));
}

bool IsPreviewFileName(const std::string& path) {
    return LowerAsciiLetters(FileNameOf(path)) == kPreviewFileName;
}

std::string WindowTitle(const std::string& title, bool modified) {
    return modified ? title + " *" : title;
}

std::string FolderWithSeparator(const std::string& folder) {
    if (folder.empty() || FolderOf(folder) == folder)
        return folder;
    return folder + "\\";
}

} // namespace quiltmark
