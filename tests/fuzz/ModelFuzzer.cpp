// Fuzz target for the platform-free editor model. The first byte chooses the
// program the rest of the input is read as.
#include <cstdio>
#include <cstdlib>

#include "FuzzProgram.h"

namespace fuzz {

std::string Program::text() {
    const int length = byte() % 24;
    std::string out;
    for (int i = 0; i < length && !done(); ++i) {
        const char c = static_cast<char>(byte());
        out += c == '\0' ? 'x' : c;
    }
    return out;
}

std::string Program::richText() {
    static const char* const kPieces[] = {
        "<!--", "-->", "<", ">", "\"", "&", ";", "<a href=\"x\">", "&amp;", "http://a.b/c", "https://x",
        "ftp:", "me@x.jp", "mailto:", "@", "\t", " ", "  ", "\r\n", "\n", "\r", "ab", "_", "12",
        "\x82\xA0",  // hiragana
        "\x83\x40",  // katakana
        "\x81\x5B",  // prolonged sound mark
        "\x81\x40",  // full-width space
        "\x88\x9F",  // kanji whose trail byte is also a lead byte
        "\x83\x5C",  // katakana whose trail byte is a backslash
        "\xB1",      // half-width katakana
    };
    constexpr int kCount = static_cast<int>(sizeof kPieces / sizeof kPieces[0]);
    const int length = byte() % 24;
    std::string out;
    for (int i = 0; i < length && !done(); ++i) {
        const uint8_t choice = byte();
        if (choice < 64) {
            out += choice == 0 ? 'x' : static_cast<char>(byte() | (choice & 1 ? 0x80 : 0) | 1);
        } else {
            out += kPieces[choice % kCount];
        }
    }
    return out;
}

void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

} // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Program program(data, size);
    if (program.byte() & 1)
        fuzz::RunBufferProgram(program);
    else
        fuzz::RunEditorProgram(program);
    return 0;
}
