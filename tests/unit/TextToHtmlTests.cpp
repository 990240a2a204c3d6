// Plain text to HTML body text: escaping, links, line breaks and the cut of
// the last line's break, on ASCII and Shift_JIS input.
#include <gtest/gtest.h>

#include <string>

#include "TextToHtml.h"

using quiltmark::TextToHtml;

namespace {

struct Case {
    const char* input;
    const char* output;
};

const Case kCases[] = {
    {"", ""},
    {"\r\n", ""},
    {"abc\r\n", "abc"},
    {"a\r\nb\r\n", "a<BR>\r\nb"},
    {"a\r\n\r\n", "a<BR>\r\n"},
    {"x < y & z\r\n", "x &#060; y &#038; z"},
    {"say \"hi\"\r\n", "say &#034;hi&#034;"},
    {"a&b\r\n", "a&#038;b"},
    {"a&#038;b\r\n", "a&#038;#038;b"},
    // A CR without LF stays in its line; a bare LF ends one, as does the end.
    {"a\rb\r\n", "a\rb"},
    {"a\nb", "a<BR>\r\nb"},
    {"a\x1a"
     "b\r\n",
     "a\x1a"
     "b"},
    // Addresses
    {"see http://x.jp/a now\r\n", "see <A Href=\"http://x.jp/a\">http://x.jp/a</A> now"},
    {"http://a http://b\r\n", "<A Href=\"http://a\">http://a</A> <A Href=\"http://b\">http://b</A>"},
    {"http://q?a=1&b=2\r\n", "<A Href=\"http://q?a=1\">http://q?a=1</A>&#038;b=2"},
    {"<http://x>\r\n", "&#060;<A Href=\"http://x\">http://x</A>&#062;"},
    {"http://\r\n", "<A Href=\"http://\">http://</A>"},
    {"http://a\tb\r\n", "<A Href=\"http://a\tb\">http://a\tb</A>"},
    {"https://x HTTP://y\r\n", "https://x HTTP://y"},
    // Double-byte characters end an address; half-width katakana does not.
    {"http://x→y\r\n", "<A Href=\"http://x\">http://x</A>→y"},
    {"http://x＝y\r\n", "<A Href=\"http://x\">http://x</A>＝y"},
    {"http://xｱｲ\r\n", "<A Href=\"http://xｱｲ\">http://xｱｲ</A>"},
    // Second bytes 0x5C, 0x7C and ASCII letters are never taken apart.
    {"表ソ能\r\n", "表ソ能"},
    {"表<\r\n", "表&#060;"},
};

} // namespace

TEST(TextToHtml, ConvertsEveryCase) {
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(TextToHtml(kCases[i].input), kCases[i].output);
    }
}

TEST(TextToHtml, ASecondByteLetterNeverStartsAnAddress) {
    // 0x82 0x68 is one double-byte character whose second byte is "h".
    const std::string input = std::string("\x82\x68") + "ttp://x\r\n";
    EXPECT_EQ(TextToHtml(input), "\x82\x68ttp://x");
}

TEST(TextToHtml, LongLinesKeepEveryByte) {
    std::string line(10000, 'a');
    line[5000] = '&';
    std::string expected = line.substr(0, 5000) + "&#038;" + line.substr(5001);
    EXPECT_EQ(TextToHtml(line + "\r\n" + line + "\r\n"), expected + "<BR>\r\n" + expected);

    const std::string address = "http://" + std::string(9000, 'z');
    EXPECT_EQ(TextToHtml(address + "\r\n"), "<A Href=\"" + address + "\">" + address + "</A>");
}
