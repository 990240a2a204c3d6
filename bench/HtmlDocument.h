// A generated Shift_JIS HTML document for the benchmarks: markup, Japanese
// text, entities, links and comments (some spanning several lines) in about
// 50-byte lines, reproducible from a seed.
#pragma once

#include <cstddef>
#include <string>

namespace nimbet::bench {

struct HtmlDocument {
    std::string text; // CR LF line breaks; the last line ends with one
    int lines = 0;    // line breaks + 1, as the editor counts them
};

// A document of at least `bytes` bytes (it ends with the closing tags).
HtmlDocument MakeHtmlDocument(size_t bytes, unsigned seed = 1);

} // namespace nimbet::bench
