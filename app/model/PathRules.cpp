// Path rules on Shift_JIS paths.
#include "PathRules.h"

#include "ShiftJis.h"

namespace quiltmark {

std::string::size_type LastSeparator(const std::string& path) {
    std::string::size_type last = std::string::npos;
    for (std::string::size_type i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (IsLeadByte(c) && i + 1 < path.size()) {
            ++i; // the trail byte may be 0x5C
            continue;
        }
        if (c == '\\')
            last = i;
    }
    return last;
}

std::string FolderOf(const std::string& path) {
    const auto sep = LastSeparator(path);
    return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

std::string FileNameOf(const std::string& path) {
    const auto sep = LastSeparator(path);
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string IniPathFor(const std::string& programPath) {
    // Only a dot in the file name counts: a dot in a folder name is not an extension.
    const auto sep = LastSeparator(programPath);
    const auto nameStart = sep == std::string::npos ? 0 : sep + 1;
    const auto dot = programPath.rfind('.');
    if (dot == std::string::npos || dot < nameStart)
        return programPath + ".ini";
    return programPath.substr(0, dot + 1) + "ini";
}

} // namespace quiltmark
