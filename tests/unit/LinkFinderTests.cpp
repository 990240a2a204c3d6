// URL and mail-address recognition, the link under a byte, and the text handed
// to the shell when a link is opened.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "LinkFinder.h"

using namespace nimbet;

namespace {

// One letter per byte: 'u' inside a URL, 'm' inside a mail address, '.' else.
std::string LinkMap(const char* text, int clickable) {
    const int length = static_cast<int>(std::strlen(text));
    std::string out;
    for (int i = 0; i < length; ++i) {
        const LinkSpan link = LinkAt(text, length, i, clickable);
        out += link.kind == LinkKind::Url ? 'u' : link.kind == LinkKind::Mail ? 'm' : '.';
    }
    return out;
}

} // namespace

TEST(LinkFinder, UrlsAndMailAddressesInALine) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"http://example.com/x?y=1&z", "uuuuuuuuuuuuuuuuuuuuuuuuuu"},
        {"go https://a.jp/ now", "...uuuuuuuuuuuuu...."}, // underlined from its first letter
        {"ftp://f.jp", "uuuuuuuuuu"},
        {"(http://a.b)", ".uuuuuuuuuu."},     // no parentheses
        {"http://a.b#top", "uuuuuuuuuu...."}, // no #
        {"http://a:80", "uuuuuuuu..."},       // no colon after the prefix
        {"a http:", "..uuuuu"},               // a bare prefix at the line end
        {"a ftp:", "......"},                 // prefixes are looked for up to length - 5 only
        {"HTTP://a.jp", "..........."},       // case-sensitive
        {"\x88http://x", "........."},        // 'h' as a trail byte never starts a URL
        {"mail user.name@example.co.jp now", ".....mmmmmmmmmmmmmmmmmmmmmmm...."},
        {"mailto:a@b.jp", "mmmmmmmmmmmmm"}, // one address
        {"@abc", "...."},
        {"abc@", "...."},
        {"a@b", "mmm"},
        {"a@@b", "...."},
        {"a@b@c", "mmm.."}, // the second @ finds nothing before it that is not taken
        {"表a@b", "..mmm"}, // 表 ends in 0x5C, a mail character: the walk back stops at it
        {"ソ\\x@y", "..mmmm"},
        {"a\x81\x40"
         "b",
         "...."},                                       // 0x40 as a trail byte is not an @
        {"http://user@host.jp", "mmmmmmmmmmmmmmmmmmm"}, // the mail address wins
        {"http://a.b/?q=1@x.jp", "uuuuuuuuuuuummmmmmmm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LinkMap(c.text, kClickAll), c.expected);
    }
}

TEST(LinkFinder, ClickableFlagsChooseTheKinds) {
    const char* text = "http://a https://b ftp://c m@n";
    struct Case {
        int clickable;
        const char* expected;
    } cases[] = {
        {0, ".............................."},
        {kClickMail, "...........................mmm"},
        {kClickHttp, "uuuuuuuu......................"},
        // With "http:" off, "https:" still starts at its first letter.
        {kClickHttps, ".........uuuuuuuuu............"},
        {kClickFtp, "...................uuuuuuu...."},
        {kClickAll, "uuuuuuuu.uuuuuuuuu.uuuuuuu.mmm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clickable);
        EXPECT_EQ(LinkMap(text, c.clickable), c.expected);
    }
}

TEST(LinkFinder, SearchesContinueAfterTheStartIndex) {
    const char* text = "http://a http://b";
    const int length = static_cast<int>(std::strlen(text));
    const LinkSpan first = FindUrl(text, length, 0, kClickAll);
    EXPECT_EQ(first, (LinkSpan{LinkKind::Url, 0, 8}));
    EXPECT_EQ(FindUrl(text, length, first.end, kClickAll), (LinkSpan{LinkKind::Url, 9, 17}));
    EXPECT_FALSE(FindUrl(text, length, 17, kClickAll).found());
    EXPECT_FALSE(FindMail(text, length, 0, kClickAll).found());
}

TEST(LinkFinder, OpenTextOfALink) {
    struct Case {
        const char* text;
        LinkKind kind;
        const char* expected;
    } cases[] = {
        {"http://example.jp/a", LinkKind::Url, "http://example.jp/a"},
        {"user@example.jp", LinkKind::Mail, "mailto:user@example.jp"},
        {"mailto:user@example.jp", LinkKind::Mail, "mailto:user@example.jp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const int length = static_cast<int>(std::strlen(c.text));
        const LinkSpan link = LinkAt(c.text, length, length - 1, kClickAll);
        ASSERT_EQ(link.kind, c.kind);
        EXPECT_EQ(LinkOpenText(c.text, length, link), c.expected);
    }
    // A part of a line: only the link's own bytes.
    const char* line = "see a@b.jp today";
    const int length = static_cast<int>(std::strlen(line));
    EXPECT_EQ(LinkOpenText(line, length, LinkAt(line, length, 6, kClickAll)), "mailto:a@b.jp");
    EXPECT_EQ(LinkOpenText(line, length, LinkAt(line, length, 0, kClickAll)), "");
}
