// The texts a new document starts from: the HTML page of "new", and the page
// that wraps a text file opened as HTML.
#pragma once

#include <string>
#include <string_view>

namespace quiltmark {

// The new-document page, lines joined by CR LF with no line end after the
// last: DOCTYPE, HTML, HEAD, the two META lines, TITLE, /HEAD, BODY, three
// empty lines, /BODY, /HTML. With `lowerCase` every ASCII letter of it is
// lower-cased (the DOCTYPE and the generator value too).
std::string NewDocumentTemplate(bool lowerCase);

// A text file as an HTML page: the template's first seven lines, each ended
// by CR LF, then "<BODY>", two line ends, the text converted to HTML, two line
// ends, "</BODY>", a line end and "</HTML>". `fileText` is the document text
// of the file (every line ended by CR LF).
std::string TextAsHtmlDocument(std::string_view fileText);

} // namespace quiltmark
