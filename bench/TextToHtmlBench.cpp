// Text-to-HTML conversion of a 10 MB Shift_JIS text: mostly Japanese prose
// with ASCII words, reserved characters and addresses, in CR LF lines.
#include <benchmark/benchmark.h>

#include <string>

#include "TextToHtml.h"

namespace {

const std::string& PlainText() {
    static const std::string text = [] {
        const char* pattern[] = {
            "日本語の文章です。表示とソース、能力の話が続きます。English words & \"quotes\" <here>.",
            "詳しくは http://example.com/ソース/index.html?a=1&b=2 を見て下さい→こちら",
            "ｶﾀｶﾅ混じりの行と、タブ\tで区切った　全角スペースの行。１２３，４５６円。",
            "",
        };
        std::string out;
        const std::size_t size = 10u << 20;
        out.reserve(size + 256);
        for (int i = 0; out.size() < size; ++i) {
            out += pattern[i % 4];
            out += "\r\n";
        }
        return out;
    }();
    return text;
}

void BM_TextToHtml10MB(benchmark::State& state) {
    const std::string& text = PlainText();
    for (auto _ : state) {
        std::string html = quiltmark::TextToHtml(text);
        benchmark::DoNotOptimize(html.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_TextToHtml10MB)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
