// Writes a page for an HTML checker: the new-document skeleton with, in its
// body, a converted plain text and the output of every simple tag command
// (each wrapping a sample selection, or in place of it). With "--lower" the
// page is the one the lower-case option makes: skeleton and tags in lower case.
#include <cstdio>
#include <cstring>
#include <string>

#include "SelectionEditor.h"
#include "ShiftJis.h"
#include "TagCommands.h"
#include "TagInsertion.h"
#include "TextToHtml.h"

namespace {

// The skeleton of a new document, up to and after its body.
constexpr const char* kHead =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\r\n"
    "<HTML>\r\n"
    "<HEAD>\r\n"
    "<META name=\"GENERATOR\" content=\"Quiltmark\">\r\n"
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
    "<TITLE></TITLE>\r\n"
    "</HEAD>\r\n"
    "<BODY>\r\n";
constexpr const char* kTail = "\r\n</BODY>\r\n</HTML>";

// A plain text with everything the conversion rewrites.
constexpr const char* kPlainText = "見出しと本文 <B> & \"引用\" > 表示ソース能力\r\n"
                                   "\r\n"
                                   "詳しくは http://example.com/ソース/?a=1&b=2 を→http://example.jp/表\r\n"
                                   "ｶﾀｶﾅ\tタブ https://not.linked/ HTTP://NOR.THIS\r\n";

std::string Body(bool lowerCase) {
    std::string body = quiltmark::TextToHtml(kPlainText) + "\r\n";
    const std::string sample = "見本 sample";
    for (const auto& command : quiltmark::TagCommands()) {
        SelectionEditor editor(sample, 1, 1 + static_cast<int>(sample.size()));
        quiltmark::TagInserter(editor).InsertTag(command.start, command.end,
                                                 quiltmark::InsertionContext{true, lowerCase});
        body += editor.text + "\r\n";
    }
    return body;
}

} // namespace

int main(int argc, char** argv) {
    const bool lowerCase = argc > 2 && std::strcmp(argv[2], "--lower") == 0;
    if (argc < 2) {
        std::fprintf(stderr, "usage: sample_page OUTPUT.html [--lower]\n");
        return 2;
    }
    const auto skeleton = [lowerCase](const char* text) {
        return lowerCase ? quiltmark::LowerAsciiLetters(text) : std::string(text);
    };
    const std::string page = skeleton(kHead) + Body(lowerCase) + skeleton(kTail);
    FILE* file = std::fopen(argv[1], "wb");
    if (!file)
        return 1;
    const bool written = std::fwrite(page.data(), 1, page.size(), file) == page.size();
    return std::fclose(file) == 0 && written ? 0 : 1;
}
