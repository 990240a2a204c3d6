// Replace all of a 3-byte word that occurs 100,000 times in a 10 MB page:
// the search and the new text alone, and the whole operation on the editor's
// model (fetching the text, one whole-text replacement with its undo record),
// followed by the undo that must give the text back exactly.
#include <benchmark/benchmark.h>

#include <string>

#include "FindReplace.h"
#include "ModelEditorApi.h"
#include "TextSearch.h"

namespace {

constexpr int kLines = 100000;

// 100,000 lines of 100 bytes (10 MB), each holding the word "abc" once, among
// Japanese text whose second bytes include 0x5C and ASCII letters.
const std::string& Page() {
    static const std::string page = [] {
        const std::string line = "<p class=\"本文\">表示とソース abc 日本語のテキスト English words アイ</p>";
        std::string padded = line + std::string(98 - line.size(), ' ') + "\r\n";
        std::string text;
        text.reserve(padded.size() * kLines);
        for (int i = 0; i < kLines; ++i)
            text += padded;
        return text;
    }();
    return page;
}

void ReplaceEveryMatchOnly(benchmark::State& state) {
    const std::string& page = Page();
    for (auto _ : state) {
        quiltmark::Replacement result = quiltmark::ReplaceEveryMatch(page, "abc", "ABCD");
        if (result.count != kLines)
            state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(result.text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(page.size()));
}
BENCHMARK(ReplaceEveryMatchOnly)->Unit(benchmark::kMillisecond);

void ReplaceAllOnTheEditorModel(benchmark::State& state) {
    ModelEditorApi api;
    api.NimbetSetText(0, Page().c_str());
    quiltmark::FindReplace findReplace(api);
    for (auto _ : state) {
        findReplace.ReplaceAll("abc", "ABCD");
        state.PauseTiming();
        api.NimbetUndo(0);
        state.ResumeTiming();
    }
}
BENCHMARK(ReplaceAllOnTheEditorModel)->Unit(benchmark::kMillisecond);

void UndoOfReplaceAll(benchmark::State& state) {
    ModelEditorApi api;
    api.NimbetSetText(0, Page().c_str());
    quiltmark::FindReplace findReplace(api);
    for (auto _ : state) {
        state.PauseTiming();
        findReplace.ReplaceAll("abc", "ABCD");
        state.ResumeTiming();
        api.NimbetUndo(0);
    }
    if (api.Text(NIMBET_LINECODE_STORED) != Page())
        state.SkipWithError("undo did not restore the text");
}
BENCHMARK(UndoOfReplaceAll)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
