// Text-to-HTML conversion in one pass: each line is copied character by
// character into an output buffer that always has room for the line's worst
// case, so the inner loop never checks the output's size.
#include "TextToHtml.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "ShiftJis.h"

namespace quiltmark {
namespace {

constexpr std::string_view kScheme = "http://";
constexpr std::string_view kLinkOpen = "<A Href=\"";
constexpr std::string_view kLinkMiddle = "\">";
constexpr std::string_view kLinkClose = "</A>";
constexpr std::string_view kLineBreak = "<BR>\r\n";
// The most one input byte can become: a six-byte reference, or a line break.
constexpr std::size_t kMaxGrowth = 6;

enum class ByteKind : unsigned char { Plain, Reserved, Lead, H };

constexpr std::array<ByteKind, 256> MakeKinds() {
    std::array<ByteKind, 256> kinds{};
    for (int c = 0; c < 256; ++c) {
        if (c == '&' || c == '<' || c == '>' || c == '"')
            kinds[c] = ByteKind::Reserved;
        else if (c == 'h')
            kinds[c] = ByteKind::H;
        else if (IsLeadByte(static_cast<unsigned char>(c)))
            kinds[c] = ByteKind::Lead;
        else
            kinds[c] = ByteKind::Plain;
    }
    return kinds;
}
constexpr std::array<ByteKind, 256> kKinds = MakeKinds();

// The reference of a reserved character: the same four decimal references as
// the special-character commands. Each input byte is replaced once, so the
// "&" of a reference is never escaped again.
const char* ReferenceFor(unsigned char c) {
    switch (c) {
    case '&':
        return "&#038;";
    case '<':
        return "&#060;";
    case '>':
        return "&#062;";
    default:
        return "&#034;";
    }
}

// A legal double-byte character starts at p: a lead byte and a valid second byte.
bool DoubleByteAt(const unsigned char* p, const unsigned char* end) {
    return IsLeadByte(p[0]) && p + 1 < end && IsTrailByte(p[1]);
}

// Where an address that starts at p ends: before a space, a reserved
// character or a legal double-byte character, or at the end of the line.
// Tabs, half-width katakana and every other single byte belong to it.
const unsigned char* AddressEnd(const unsigned char* p, const unsigned char* end) {
    p += kScheme.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c == ' ' || kKinds[c] == ByteKind::Reserved || DoubleByteAt(p, end))
            break;
        ++p;
    }
    return p;
}

char* Put(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

// Converts one line (without its line end) and appends "<BR>" CR LF.
char* ConvertLine(const unsigned char* p, const unsigned char* end, char* out) {
    while (p < end) {
        const unsigned char c = *p;
        switch (kKinds[c]) {
        case ByteKind::Plain:
            *out++ = static_cast<char>(c);
            ++p;
            break;
        case ByteKind::Reserved:
            out = Put(out, std::string_view(ReferenceFor(c), 6));
            ++p;
            break;
        case ByteKind::Lead:
            // A whole character, so that its second byte (which may be "h",
            // "\" or "|") is never taken for a character of its own. A lead
            // byte without a valid second byte stands alone.
            *out++ = static_cast<char>(c);
            ++p;
            if (p < end && IsTrailByte(*p))
                *out++ = static_cast<char>(*p++);
            break;
        case ByteKind::H:
            if (static_cast<std::size_t>(end - p) >= kScheme.size() &&
                std::memcmp(p, kScheme.data(), kScheme.size()) == 0) {
                const unsigned char* stop = AddressEnd(p, end);
                const std::string_view address(reinterpret_cast<const char*>(p), stop - p);
                out = Put(Put(Put(Put(Put(out, kLinkOpen), address), kLinkMiddle), address), kLinkClose);
                p = stop;
            } else {
                *out++ = static_cast<char>(c);
                ++p;
            }
            break;
        }
    }
    return Put(out, kLineBreak);
}

// The worst case of a line of n bytes: every byte a reference, or the whole
// line one address written twice inside the link's markup, and the line break.
std::size_t LineBound(std::size_t n) {
    return n * kMaxGrowth + kLinkOpen.size() + kLinkMiddle.size() + kLinkClose.size() + kLineBreak.size();
}

} // namespace

std::string TextToHtml(std::string_view text) {
    std::string out;
    std::size_t used = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const auto* lf = static_cast<const unsigned char*>(std::memchr(p, '\n', end - p));
        const unsigned char* next = lf ? lf + 1 : end;
        const unsigned char* lineEnd = lf ? lf : end;
        if (lf && lineEnd > p && lineEnd[-1] == '\r')
            --lineEnd; // the CR of a CR LF belongs to no line
        const std::size_t need = used + LineBound(lineEnd - p);
        if (need > out.size())
            out.resize(std::max(need, out.size() + out.size() / 2 + text.size() / 4));
        used = ConvertLine(p, lineEnd, out.data() + used) - out.data();
        p = next;
    }
    out.resize(used);
    // The last line keeps no line break: cut from the last "<" to the end.
    const std::size_t last = out.rfind('<');
    if (last != std::string::npos)
        out.erase(last);
    return out;
}

std::string ClipboardTextToHtml(std::string_view clipboard) {
    std::string text;
    text.reserve(clipboard.size() + 2);
    text.append(clipboard).append("\r\n");
    return TextToHtml(text);
}

} // namespace quiltmark
