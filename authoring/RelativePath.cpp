// Relative paths between Shift_JIS paths.
#include "RelativePath.h"

#include "PathRules.h"
#include "ShiftJis.h"

namespace quiltmark {
namespace {

// The first separator of text at or after `from` that is a character of its
// own, or npos.
std::string::size_type NextSeparator(const std::string& text, std::string::size_type from) {
    for (auto i = from; i < text.size(); i += CharLength(text, i))
        if (text[i] == '\\')
            return i;
    return std::string::npos;
}

// The first component of the rest of a path starting at `at`, and where the
// rest after it (past its separator) begins.
struct Component {
    std::string::size_type begin, end, next;
};
Component ComponentAt(const std::string& path, std::string::size_type at) {
    const auto separator = NextSeparator(path, at);
    if (separator == std::string::npos)
        return {at, path.size(), path.size()};
    return {at, separator, separator + 1};
}

bool SameComponent(const std::string& a, const Component& ca, const std::string& b, const Component& cb) {
    return a.compare(ca.begin, ca.end - ca.begin, b, cb.begin, cb.end - cb.begin) == 0;
}

// The separators of a path rest as URL slashes; the second bytes of
// double-byte characters stay as they are.
std::string WithSlashes(const std::string& rest) {
    std::string out = rest;
    for (std::string::size_type i = 0; i < out.size(); i += CharLength(out, i))
        if (out[i] == '\\')
            out[i] = '/';
    return out;
}

} // namespace

std::string MakeRelativePath(const std::string& base, const std::string& target) {
    const std::string folder = FolderOf(base);
    std::string::size_type b = 0, t = 0;
    int matched = 0;
    // The loop also ends when the folder is used up: an empty component of
    // the target (as in "\\server") must not match the end of the folder.
    while (b < folder.size() && t < target.size()) {
        const Component cb = ComponentAt(folder, b);
        const Component ct = ComponentAt(target, t);
        if (!SameComponent(folder, cb, target, ct))
            break;
        b = cb.next;
        t = ct.next;
        ++matched;
    }
    if (matched == 0)
        return kNoRelativePath;

    std::string result;
    // Every component left in the folder (each ends in its separator) is one level up.
    for (auto at = b; at < folder.size(); at = ComponentAt(folder, at).next)
        result += "../";
    std::string rest = WithSlashes(target.substr(t));
    if (!rest.empty() && rest.front() == '/')
        rest.erase(0, 1);
    result += rest;
    return result.empty() ? "./" : result;
}

} // namespace quiltmark
