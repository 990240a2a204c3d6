// Building the document text from a file's bytes.
#include "DocumentText.h"

#include <cstring>

namespace quiltmark {

std::string TextFromFileBytes(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16 + 2);
    const char* const end = bytes.data() + bytes.size();
    const char* start = bytes.data();
    while (start < end) {
        const auto* lf = static_cast<const char*>(std::memchr(start, '\n', static_cast<size_t>(end - start)));
        const char* lineEnd = lf ? lf : end;
        if (lf && lineEnd > start && lineEnd[-1] == '\r')
            --lineEnd;
        text.append(start, lineEnd);
        text.append("\r\n");
        if (!lf)
            break;
        start = lf + 1;
    }
    return text;
}

bool HoldsNulByte(std::string_view bytes) {
    return std::memchr(bytes.data(), '\0', bytes.size()) != nullptr;
}

} // namespace quiltmark
