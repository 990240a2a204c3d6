// Building the document text from a file's bytes.
#include "DocumentText.h"

namespace quiltmark {

std::string TextFromFileBytes(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16 + 2);
    std::string_view::size_type start = 0;
    while (start < bytes.size()) {
        auto lf = bytes.find('\n', start);
        std::string_view line =
            lf == std::string_view::npos ? bytes.substr(start) : bytes.substr(start, lf - start);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        text.append(line);
        text.append("\r\n");
        if (lf == std::string_view::npos)
            break;
        start = lf + 1;
    }
    return text;
}

} // namespace quiltmark
