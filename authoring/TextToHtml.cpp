// Text-to-HTML conversion, in one pass over each line.
#include "TextToHtml.h"

#include "ShiftJis.h"

namespace quiltmark {
namespace {

constexpr std::string_view kScheme = "http://";
constexpr std::string_view kLineBreak = "<BR>\r\n";

// The reference that stands for a reserved character, or empty. The same four
// references as the special-character commands; "&" is never escaped twice
// because each character is replaced exactly once.
std::string_view ReferenceFor(char c) {
    switch (c) {
    case '&':
        return "&#038;";
    case '<':
        return "&#060;";
    case '>':
        return "&#062;";
    case '"':
        return "&#034;";
    default:
        return {};
    }
}

// An address ends before a space, before a reserved character (after escaping
// each of them begins with "&") and before a legal double-byte character.
// Tabs, half-width katakana and other single bytes belong to it.
bool EndsAddress(std::string_view line, std::size_t i) {
    const char c = line[i];
    if (c == ' ' || !ReferenceFor(c).empty())
        return true;
    return IsLeadByte(c) && i + 1 < line.size() && IsTrailByte(line[i + 1]);
}

void AppendLine(std::string_view line, std::string& out) {
    std::size_t i = 0;
    while (i < line.size()) {
        if (line.compare(i, kScheme.size(), kScheme) == 0) {
            std::size_t end = i + kScheme.size();
            while (end < line.size() && !EndsAddress(line, end))
                ++end;
            const std::string_view address = line.substr(i, end - i);
            out.append("<A Href=\"").append(address).append("\">").append(address).append("</A>");
            i = end;
            continue;
        }
        const std::string_view reference = ReferenceFor(line[i]);
        if (!reference.empty()) {
            out.append(reference);
            ++i;
        } else if (IsLeadByte(line[i]) && i + 1 < line.size()) {
            // Stepping over whole characters keeps a second byte such as the
            // "h" of a double-byte character from starting an address.
            out.append(line.substr(i, 2));
            i += 2;
        } else {
            out.push_back(line[i++]);
        }
    }
    out.append(kLineBreak);
}

} // namespace

std::string TextToHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8 + 16);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        std::size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
        std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        if (end > start && lf != std::string_view::npos && text[end - 1] == '\r')
            --end; // the CR of a CR LF belongs to no line
        AppendLine(text.substr(start, end - start), out);
        start = next;
    }
    // The last line keeps no line break: cut from the last "<" to the end.
    const std::size_t last = out.rfind('<');
    if (last != std::string::npos)
        out.erase(last);
    return out;
}

} // namespace quiltmark
