// The transfer-mode decision.
#include "TransferMode.h"

#include <algorithm>

#include "ShiftJis.h"

namespace quiltmark {

std::vector<std::string> ParseAsciiExtensions(const std::string& text) {
    std::vector<std::string> entries;
    if (text.empty())
        return entries;
    size_t from = text[0] == ',' ? 1 : 0;
    while (from <= text.size() && entries.size() < kMaxAsciiExtensions) {
        const size_t comma = text.find(',', from);
        if (comma == std::string::npos) {
            // Text after the last comma of a hand-edited list.
            if (from < text.size())
                entries.push_back(LowerAsciiLetters(text.substr(from)));
            break;
        }
        entries.push_back(LowerAsciiLetters(text.substr(from, comma - from)));
        from = comma + 1;
    }
    return entries;
}

bool IsAsciiTransfer(const std::string& name, TransferMode mode, const std::vector<std::string>& extensions) {
    if (mode == TransferMode::Ascii)
        return true;
    if (mode == TransferMode::Binary)
        return false;
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return true;
    const std::string extension = LowerAsciiLetters(name.substr(dot + 1));
    return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}

} // namespace quiltmark
