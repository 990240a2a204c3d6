// URL and mail-address detection. Both walk the line by characters, so a
// trail byte (which may look like 'h', '@' or '\') never starts or joins a link.
#include "LinkFinder.h"

#include <cstring>

#include "ShiftJis.h"

namespace nimbet {

namespace {

// A 256-entry membership table of ASCII letters, digits and `extra`.
struct ByteSet {
    bool has[256] = {};
    constexpr explicit ByteSet(const char* extra) {
        for (int c = '0'; c <= '9'; ++c)
            has[c] = true;
        for (int c = 'A'; c <= 'Z'; ++c)
            has[c] = has[c + 0x20] = true;
        for (; *extra; ++extra)
            has[static_cast<unsigned char>(*extra)] = true;
    }
    constexpr bool operator()(char c) const noexcept { return has[static_cast<unsigned char>(c)]; }
};

// ! $ % & * , - . / 0-9 ; = ? A-Z _ a-z ~ (no #, +, :, parentheses)
constexpr ByteSet IsUrlChar("!$%&*,-./;=?_~");
// # $ % & + - . / 0-9 : = A-Z \ _ a-z ~
constexpr ByteSet IsMailChar("#$%&+-./:=\\_~");

int StepAt(const char* text, int length, int i) noexcept {
    return IsLeadByte(text[i]) && i + 1 < length ? 2 : 1;
}

bool PrefixAt(const char* text, int length, int i, const char* prefix, int prefixLength) noexcept {
    return prefixLength <= length - i &&
           std::memcmp(text + i, prefix, static_cast<size_t>(prefixLength)) == 0;
}

struct UrlPrefix {
    const char* text;
    int length;
    int bit;
};

// Tested in this order; when several match, the last tested wins.
constexpr UrlPrefix kUrlPrefixes[] = {
    {"http:", 5, kClickHttp}, {"https:", 6, kClickHttps}, {"ftp:", 4, kClickFtp}};

} // namespace

LinkSpan FindUrl(const char* text, int length, int from, int clickable) noexcept {
    if (!text || from < 0 || (clickable & (kClickHttp | kClickHttps | kClickFtp)) == 0)
        return {};
    for (int i = from; i <= length - 5; i += StepAt(text, length, i)) {
        int prefixLength = 0;
        for (const UrlPrefix& prefix : kUrlPrefixes)
            if ((clickable & prefix.bit) && PrefixAt(text, length, i, prefix.text, prefix.length))
                prefixLength = prefix.length;
        if (prefixLength == 0)
            continue;
        int end = i + prefixLength;
        while (end < length && IsUrlChar(text[end]))
            ++end;
        return {LinkKind::Url, i, end};
    }
    return {};
}

LinkSpan FindMail(const char* text, int length, int from, int clickable) noexcept {
    if (!text || from < 0 || (clickable & kClickMail) == 0)
        return {};
    int walkBackLimit = from; // never behind the most recent double-byte character
    for (int i = from; i < length;) {
        if (IsLeadByte(text[i]) && i + 1 < length) {
            i += 2;
            walkBackLimit = i;
            continue;
        }
        if (text[i] == '@' && i > 0 && i < length - 1) {
            int begin = i;
            while (begin > walkBackLimit && IsMailChar(text[begin - 1]))
                --begin;
            int end = i + 1;
            while (end < length && IsMailChar(text[end]))
                ++end;
            if (begin < i && end > i + 1)
                return {LinkKind::Mail, begin, end};
        }
        ++i;
    }
    return {};
}

LinkSpan LinkAt(const char* text, int length, int index, int clickable) noexcept {
    if (!text || index < 0 || index >= length)
        return {};
    for (LinkSpan mail = FindMail(text, length, 0, clickable); mail.found() && mail.begin <= index;
         mail = FindMail(text, length, mail.end, clickable))
        if (mail.contains(index))
            return mail;
    for (LinkSpan url = FindUrl(text, length, 0, clickable); url.found() && url.begin <= index;
         url = FindUrl(text, length, url.end, clickable))
        if (url.contains(index))
            return url;
    return {};
}

std::string LinkOpenText(const char* text, int length, const LinkSpan& link) {
    if (!text || !link.found() || link.begin < 0 || link.end > length || link.begin >= link.end)
        return {};
    std::string target(text + link.begin, static_cast<size_t>(link.end - link.begin));
    if (link.kind == LinkKind::Mail && target.compare(0, 7, "mailto:") != 0)
        target.insert(0, "mailto:");
    return target;
}

} // namespace nimbet
