// Paths of the FTP tab.
#include "FtpPaths.h"

#include <cstring>

#include "PathRules.h"
#include "ShiftJis.h"

namespace quiltmark {
namespace {

bool IsDeviceName(const std::string& name) {
    // The part before the first dot decides: "con.txt" is the console too.
    std::string stem = LowerAsciiLetters(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ')
        stem.pop_back();
    for (const char* device : {"con", "prn", "aux", "nul"}) {
        if (stem == device)
            return true;
    }
    return stem.size() == 4 && (stem.compare(0, 3, "com") == 0 || stem.compare(0, 3, "lpt") == 0) &&
           stem[3] >= '1' && stem[3] <= '9';
}

} // namespace

bool IsSafeLocalName(const std::string& name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    if (name.back() == '.' || name.back() == ' ')
        return false;
    for (size_t i = 0; i < name.size(); i += CharLength(name, i)) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (CharLength(name, i) == 2)
            continue;
        if (IsLeadByte(c))
            return false; // a lead byte without its second byte
        if (c < 0x20 || std::strchr("\\/:<>\"|?*", c) != nullptr)
            return false;
    }
    return !IsDeviceName(name);
}

std::string WithTrailingBackslash(const std::string& path) {
    // A path ending in a double-byte character whose second byte is 0x5C
    // still needs its separator.
    if (!path.empty() && LastSeparator(path) == path.size() - 1)
        return path;
    return path + "\\";
}

std::string WithTrailingSlash(const std::string& path) {
    return !path.empty() && path.back() == '/' ? path : path + "/";
}

std::optional<std::string> LocalParent(const std::string& path) {
    if (LastSeparator(path) == std::string::npos)
        return std::nullopt;
    // Drop the last character (the closing separator, or whatever the user
    // typed after the last one), then everything after the last separator.
    size_t lastStart = 0;
    for (size_t i = 0; i < path.size(); i += CharLength(path, i))
        lastStart = i;
    const std::string shorter = path.substr(0, lastStart);
    const size_t cut = LastSeparator(shorter);
    if (cut == std::string::npos)
        return std::nullopt; // a drive root stays where it is
    return shorter.substr(0, cut + 1);
}

std::optional<std::string> RemoteParent(const std::string& path) {
    if (path == "/")
        return std::nullopt;
    if (path.empty())
        return std::string();
    const std::string shorter = path.substr(0, path.size() - 1);
    const size_t cut = shorter.rfind('/');
    return cut == std::string::npos ? std::string() : shorter.substr(0, cut + 1);
}

} // namespace quiltmark
