// Loading, exporting and line lookup on a generated Shift_JIS HTML text of
// about 100 MB and 2 million lines.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "Editor.h"

namespace {

// A dense HTML page in Shift_JIS, repeated to the wanted number of lines.
const std::string& LargeText() {
    static const std::string text = [] {
        const char* pattern[] = {
            "<p class=\"本文\">日本語のテキストと English words &amp; 記号 が混ざった段落です。</p>",
            "<a href=\"http://example.com/ソース/index.html\">リンク</a> <!-- コメント -->",
            "\t<td align=\"right\">１２３，４５６円</td><td>表\\示</td>",
        };
        std::string out;
        out.reserve(105u << 20);
        for (int i = 0; i < 2000000; ++i) {
            out += pattern[i % 3];
            out += "\r\n";
        }
        return out;
    }();
    return text;
}

nimbet::NoEvents g_events;

void BM_Load100MB(benchmark::State& state) {
    const std::string& text = LargeText();
    for (auto _ : state) {
        auto editor = std::make_unique<nimbet::Editor>(g_events);
        benchmark::DoNotOptimize(editor->setText(text.c_str()));
        state.PauseTiming();
        editor.reset(); // freeing 2 million lines is not part of loading
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

struct Loaded {
    Loaded() : editor(std::make_unique<nimbet::Editor>(g_events)) { editor->setText(LargeText().c_str()); }
    std::unique_ptr<nimbet::Editor> editor;
};

Loaded& LoadedOnce() {
    static Loaded loaded;
    return loaded;
}

void BM_Export100MB(benchmark::State& state) {
    nimbet::Editor& editor = *LoadedOnce().editor;
    std::string out(static_cast<size_t>(editor.textLength()) + 1, '\0');
    for (auto _ : state) {
        editor.getText(out.data(), 1);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(out.size()));
}

void BM_LookupNearEnd(benchmark::State& state) {
    nimbet::Editor& editor = *LoadedOnce().editor;
    const int target = editor.lineCount() - 1000;
    for (auto _ : state) {
        // Alternate with a lookup near the start so that the remembered line
        // does not make the walk trivial.
        benchmark::DoNotOptimize(editor.lineData(10));
        benchmark::DoNotOptimize(editor.lineData(target));
    }
}

} // namespace

BENCHMARK(BM_Load100MB)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Export100MB)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LookupNearEnd)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
