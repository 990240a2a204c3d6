// The new-document page and the page around a converted text file.
#include "DocumentTemplate.h"

#include "ShiftJis.h"
#include "TextToHtml.h"

namespace quiltmark {
namespace {

// Lines 1-7 of the page, up to and including the end of its head.
constexpr const char* kHeadLines[] = {
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">",
    "<HTML>",
    "<HEAD>",
    "<META name=\"GENERATOR\" content=\"Quiltmark\">",
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">",
    "<TITLE></TITLE>",
    "</HEAD>",
};

constexpr const char* kLineEnd = "\r\n";

std::string HeadWithLineEnds() {
    std::string head;
    for (const char* line : kHeadLines) {
        head += line;
        head += kLineEnd;
    }
    return head;
}

} // namespace

std::string NewDocumentTemplate(bool lowerCase) {
    // "<BODY>" is followed by its own line end and three empty lines.
    std::string page = HeadWithLineEnds() + "<BODY>\r\n\r\n\r\n\r\n</BODY>\r\n</HTML>";
    return lowerCase ? LowerAsciiLetters(std::move(page)) : page;
}

std::string TextAsHtmlDocument(std::string_view fileText) {
    return HeadWithLineEnds() + "<BODY>\r\n\r\n" + TextToHtml(fileText) + "\r\n\r\n</BODY>\r\n</HTML>";
}

} // namespace quiltmark
