// Plain text to HTML body text: escaping, links, line breaks and the cut of
// the last line's break, on ASCII and Shift_JIS input; and against the
// conversion written out step by step on random texts.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "TextToHtml.h"

using quiltmark::ClipboardTextToHtml;
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
    {"ソ|能\\\r\n", "ソ|能\\"},
    // A lead byte without a valid second byte stands alone: what follows is
    // still escaped, and still ends an address.
    {"\x81<\x81&\r\n", "\x81&#060;\x81&#038;"},
    {"http://a\x81 b\r\n", "<A Href=\"http://a\x81\">http://a\x81</A> b"},
    {"a\r\r\n", "a\r"},
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

TEST(TextToHtml, PastedTextGetsOneLineEndBeforeConversion) {
    const Case cases[] = {
        {"", ""}, {"a", "a"}, {"a\r\nb", "a<BR>\r\nb"}, {"a\r\nb\r\n", "a<BR>\r\nb<BR>\r\n"}, {"a\r", "a\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(ClipboardTextToHtml(c.input), c.output);
    }
}

namespace {

// Shift_JIS: lead bytes 0x81-0x9F and 0xE0-0xFC; valid second bytes
// 0x40-0x7E and 0x80-0xFC.
bool Lead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
bool Trail(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The conversion as a sequence of plain steps: divide at CR LF (or LF), escape
// with four successive replacements, then search each escaped line for
// addresses; finally cut from the last "<".
std::string StepByStep(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        std::size_t end = lf == std::string::npos ? text.size() : lf;
        std::string line = text.substr(start, end - start);
        if (lf != std::string::npos && !line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = lf == std::string::npos ? text.size() : lf + 1;
    }
    std::string out;
    for (std::string line : lines) {
        ReplaceAll(line, "&", "&#038;");
        ReplaceAll(line, "<", "&#060;");
        ReplaceAll(line, ">", "&#062;");
        ReplaceAll(line, "\"", "&#034;");
        std::size_t from = 0;
        for (std::size_t at = line.find("http://"); at != std::string::npos;
             at = line.find("http://", from)) {
            out += line.substr(from, at - from);
            std::size_t end = at + 7;
            while (end < line.size()) {
                const unsigned char c = line[end];
                if (c == ' ' || c == '&' || (Lead(c) && end + 1 < line.size() && Trail(line[end + 1])))
                    break;
                ++end;
            }
            const std::string address = line.substr(at, end - at);
            out += "<A Href=\"" + address + "\">" + address + "</A>";
            from = end;
        }
        out += line.substr(from) + "<BR>\r\n";
    }
    const std::size_t last = out.rfind('<');
    return last == std::string::npos ? out : out.substr(0, last);
}

} // namespace

TEST(TextToHtml, AgreesWithTheStepByStepConversionOnRandomTexts) {
    // Whole characters only, and no double-byte character with a second byte
    // "h", so that a byte search finds exactly what a character search does.
    const std::vector<std::string> pieces = {
        "a",  "h",  "t",    "p",  ":", "/",  "http://", "http:/", "&", "<",  ">",      "\"",           " ",
        "\t", "\r", "\r\n", "\n", "ｱ", "表", "ソ",      "能",     "→", "＝", "&#038;", "x.jp/?q=1&r=2"};
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int count = std::uniform_int_distribution<int>(0, 24)(random);
        for (int i = 0; i < count; ++i)
            text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        ASSERT_EQ(TextToHtml(text), StepByStep(text)) << "input: " << text;
    }
}
