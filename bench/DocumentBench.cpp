// The program's own read and write paths of a 20 MB Shift_JIS HTML file:
// file bytes to document text, the modified test on equal and differing
// bytes, and the text-mode bytes of the preview and backup files.
#include <benchmark/benchmark.h>

#include <string>

#include "DocumentText.h"
#include "ModifiedTracker.h"
#include "PreviewFile.h"

namespace {

// About `bytes` of Shift_JIS HTML with LF line ends (the read adds the CRs).
std::string HtmlFile(size_t bytes) {
    const std::string lines[] = {
        "<P>表示能力のあるソフトで、日本語のテキストを書きます。</P>\n",
        "<A HREF=\"http://example.jp/\">リンク</A> ｶﾀｶﾅ half-width\n",
        "<TD>ascii text with some words and a number 12345</TD>\n",
    };
    std::string out;
    out.reserve(bytes + 128);
    for (size_t i = 0; out.size() < bytes; ++i)
        out += lines[i % 3];
    return out;
}

struct NoLibrary : quiltmark::NkfLibrary {
    std::unique_ptr<quiltmark::NkfModule> Load() override { return nullptr; }
};

void TextFromFileBytes20MB(benchmark::State& state) {
    const std::string file = HtmlFile(20u << 20);
    for (auto _ : state)
        benchmark::DoNotOptimize(quiltmark::TextFromFileBytes(file));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}
BENCHMARK(TextFromFileBytes20MB)->Unit(benchmark::kMillisecond);

void TextModeBytes20MB(benchmark::State& state) {
    const std::string text = quiltmark::TextFromFileBytes(HtmlFile(20u << 20));
    for (auto _ : state)
        benchmark::DoNotOptimize(quiltmark::TextModeBytes(text.c_str()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(TextModeBytes20MB)->Unit(benchmark::kMillisecond);

// The keystroke's part of the modified test on a 5 MB text: a comparison of
// the bytes (equal texts compare to the end; an edit near the end is the
// slowest difference to find).
void ModifiedBytes5MB(benchmark::State& state) {
    const std::string saved = quiltmark::TextFromFileBytes(HtmlFile(5u << 20));
    std::string edited = saved;
    if (state.range(0) != 0)
        edited[edited.size() - 3] = 'x';
    quiltmark::ModifiedTracker tracker;
    tracker.SetSaved(saved);
    NoLibrary library;
    for (auto _ : state)
        benchmark::DoNotOptimize(tracker.IsModified(edited, library));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * saved.size()));
}
BENCHMARK(ModifiedBytes5MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
