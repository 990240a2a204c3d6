// The cost of single edits at the start and at the end of a 2-million-line
// document against a 1,000-line one (everything the model does: the undo
// record, the line count, the carry-over and keeping the caret in view), and
// undo and redo of a 1 MB paste.
#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>
#include <string>

#include "Editor.h"

namespace {

// Monotonic seconds (<chrono> holds literals that the Shift_JIS execution
// character set cannot represent).
double Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

const char* const kPattern[] = {
    "<p class=\"本文\">日本語のテキストと English words &amp; 記号 が混ざった段落です。</p>",
    "<a href=\"http://example.com/ソース/index.html\">リンク</a> <!-- コメント -->",
    "\t<td align=\"right\">１２３，４５６円</td><td>表\\示</td>",
};

std::string Html(int lines) {
    std::string out;
    for (int i = 0; i < lines; ++i) {
        out += kPattern[i % 3];
        if (i + 1 < lines)
            out += "\r\n";
    }
    return out;
}

class MemoryClipboard final : public nimbet::ClipboardAccess {
public:
    std::string text;
    bool write(std::string_view t) override {
        text = t;
        return true;
    }
    bool read(std::string& t) override {
        t = text;
        return true;
    }
};

struct Document {
    explicit Document(int lines) : editor(std::make_unique<nimbet::Editor>(events)) {
        editor->metrics().setFont(8, 17);
        editor->metrics().setWindowSize(800, 600);
        editor->metrics().setClientSize(780, 580);
        editor->setClipboard(&clipboard);
        editor->setText(Html(lines).c_str());
    }
    nimbet::NoEvents events;
    MemoryClipboard clipboard;
    std::unique_ptr<nimbet::Editor> editor;
};

Document& DocumentOf(int lines) {
    static Document small(1000);
    static Document large(2000000);
    return lines == 1000 ? small : large;
}

// Caret at position 3 of the first or the last line: after a typeable byte.
nimbet::Editor& Prepare(const benchmark::State& state) {
    nimbet::Editor& editor = *DocumentOf(static_cast<int>(state.range(0))).editor;
    const int line = state.range(1) == 0 ? 1 : editor.lineCount();
    editor.setSelection({line, 3}, {line, 3}, false);
    return editor;
}

template <typename Op> void Timed(benchmark::State& state, Op&& op) {
    const double start = Now();
    op();
    state.SetIterationTime(Now() - start);
}

void BM_TypeCharacter(benchmark::State& state) {
    nimbet::Editor& editor = Prepare(state);
    for (auto _ : state) {
        Timed(state, [&] { editor.typeChar('x'); });
        editor.keyDown(nimbet::EditorKey::Backspace, false, false);
    }
}

void BM_Enter(benchmark::State& state) {
    nimbet::Editor& editor = Prepare(state);
    for (auto _ : state) {
        Timed(state, [&] { editor.keyDown(nimbet::EditorKey::Enter, false, false); });
        editor.keyDown(nimbet::EditorKey::Backspace, false, false);
    }
}

void BM_Backspace(benchmark::State& state) {
    nimbet::Editor& editor = Prepare(state);
    for (auto _ : state) {
        const nimbet::TextPlace at = editor.caretPlace();
        const unsigned char removed = static_cast<unsigned char>(editor.lineData(at.line)[at.pos - 2]);
        Timed(state, [&] { editor.keyDown(nimbet::EditorKey::Backspace, false, false); });
        editor.typeChar(removed);
    }
}

// A paste of 1 MB (14,400 lines) at the start of the large document.
nimbet::Editor& Pasted() {
    static nimbet::Editor& editor = []() -> nimbet::Editor& {
        Document& document = DocumentOf(2000000);
        document.clipboard.text = Html(14400);
        document.editor->setSelection({1, 3}, {1, 3}, false);
        document.editor->paste();
        return *document.editor;
    }();
    return editor;
}

void BM_Undo1MBPaste(benchmark::State& state) {
    nimbet::Editor& editor = Pasted();
    for (auto _ : state) {
        Timed(state, [&] { editor.undo(); });
        editor.redo();
    }
    state.counters["bytes"] = static_cast<double>(DocumentOf(2000000).clipboard.text.size());
}

void BM_Redo1MBPaste(benchmark::State& state) {
    nimbet::Editor& editor = Pasted();
    for (auto _ : state) {
        editor.undo();
        Timed(state, [&] { editor.redo(); });
    }
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"lines", "atEnd"});
    for (int lines : {1000, 2000000})
        for (int atEnd : {0, 1})
            b->Args({lines, atEnd});
    // Fixed iterations: the restoring edit is not timed, so a minimum time
    // would run millions of them.
    b->UseManualTime()
        ->Iterations(20000)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(BM_TypeCharacter)->Apply(Sizes);
BENCHMARK(BM_Enter)->Apply(Sizes);
BENCHMARK(BM_Backspace)->Apply(Sizes);
BENCHMARK(BM_Undo1MBPaste)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Redo1MBPaste)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
