// Recognising clickable URLs and mail addresses in one line, and the text the
// shell is given to open one.
#pragma once

#include <cstdint>
#include <string>

namespace nimbet {

// Which links are clickable (the clickable-flags setting); all on by default.
enum ClickableBit : int {
    kClickMail = 1,
    kClickHttp = 2,
    kClickHttps = 4,
    kClickFtp = 8,
    kClickAll = 15,
};

enum class LinkKind : std::uint8_t { None = 0, Url = 1, Mail = 2 };

// Bytes [begin, end) of a line; kind None when nothing was found.
struct LinkSpan {
    LinkKind kind = LinkKind::None;
    int begin = 0;
    int end = 0;

    bool found() const noexcept { return kind != LinkKind::None; }
    bool contains(int index) const noexcept { return found() && index >= begin && index < end; }
    bool operator==(const LinkSpan&) const = default;
};

// The first URL starting at or after byte `from` (a character start): "http:",
// "https:" or "ftp:" as far as `clickable` allows, followed by URL characters.
LinkSpan FindUrl(const char* text, int length, int from, int clickable) noexcept;

// The first mail address after byte `from` (a character start): mail
// characters on both sides of an @. The walk back stops at `from`, at the most
// recent double-byte character and at the line start, so that the address
// never takes in a trail byte.
LinkSpan FindMail(const char* text, int length, int from, int clickable) noexcept;

// The link under byte `index`, found the way the painter finds them (each
// search starting after the previous link). A mail address wins over a URL,
// as it does in colouring.
LinkSpan LinkAt(const char* text, int length, int index, int clickable) noexcept;

// What opening the link hands to the shell: a URL unchanged, a mail address
// with "mailto:" in front unless it already begins with it.
std::string LinkOpenText(const char* text, int length, const LinkSpan& link);

} // namespace nimbet
