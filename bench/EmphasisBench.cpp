// Emphasis costs: keeping the carry-over of multi-line comments up to date
// after an edit, on a 2-million-line and on a 1,000-line document (the cost
// must not grow with the document), and styling one dense line of HTML.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CarryOver.h"
#include "Emphasis.h"
#include "LineStyler.h"
#include "TextBuffer.h"

using namespace nimbet;

namespace {

void AddHostRules(Emphasis& emphasis) {
    emphasis.rules.add("<!--", "-->", 4, 0x008000, 0, 6, 0);
    emphasis.rules.add("<", ">", 3, 0x800000, 0, 2, 3);
    emphasis.rules.add("\"", "\"", 3, 0x0000C0, 0, 3, 0);
    emphasis.rules.add("&", ";", 3, 0x808000, 0, 1, 0);
}

// Every block of 10 lines holds a comment over lines 2-5 of the block.
constexpr int kBlock = 10;
constexpr int kCommentOpens = 2;
constexpr int kCommentCloses = 5;

const char* BlockLine(int k) {
    static const char* lines[kBlock] = {
        "<p class=\"本文\">日本語と English &amp; 記号</p>",
        "<a href=\"http://example.jp/a?b=1\">リンク</a> mail@example.jp",
        "<div id=\"x\"> <!-- 説明の始まり",
        "\t<td align=\"right\">１２３，４５６円</td><td>表\\示</td>",
        "コメントの中の <b>タグ</b> と \"引用\" &nbsp;",
        "説明の終わり --> <span>&lt;</span>",
        "<ul><li>項目</li></ul>",
        "",
        "<img src=\"a.png\" alt=\"画像\">",
        "</div>",
    };
    return lines[k];
}

// A document of `lineCount` lines whose carry-over state is what painting
// every line from the top gives.
struct Document {
    explicit Document(int lineCount) {
        AddHostRules(emphasis);
        std::string text;
        for (int i = 0; i < lineCount; ++i) {
            text += BlockLine(i % kBlock);
            if (i + 1 < lineCount)
                text += "\r\n";
        }
        buffer.insertText(1, 0, text.data(), text.size(), true);
        // The lines that open and close the comments are known; setting them
        // directly avoids painting the whole document line by line first.
        int n = 0;
        for (LineRecord* line = buffer.first(); line; line = line->next, ++n) {
            if (n % kBlock == kCommentOpens)
                line->openedHere.set(0, 0);
            if (n % kBlock == kCommentCloses)
                line->closedHere.set(0, 0);
        }
        RecomputeCarryOverAll(buffer.first());
    }
    TextBuffer buffer;
    Emphasis emphasis;
};

Document& DocumentOf(int lineCount) {
    static std::map<int, std::unique_ptr<Document>> documents;
    auto& slot = documents[lineCount];
    if (!slot)
        slot = std::make_unique<Document>(lineCount);
    return *slot;
}

// Types one character into a line inside a comment in the middle of the
// document and takes it out again, each time as the editor does: the carry-over
// is brought up to date from the changed line and the line is styled again.
void BM_CarryOverAfterEdit(benchmark::State& state) {
    const int lineCount = static_cast<int>(state.range(0));
    Document& document = DocumentOf(lineCount);
    const int lineNumber = (lineCount / 2 / kBlock) * kBlock + kCommentOpens + 2; // inside a comment
    LineRecord* line = document.buffer.lineAt(lineNumber);
    const LineStyler styler(document.emphasis, kClickAll, StylePalette{});
    std::vector<StyledRun> runs;
    int changes = 0;
    for (auto _ : state) {
        document.buffer.insertText(lineNumber, 0, "x", 1, false); // recomputes from the line
        if (styler.style(*line, runs)) {
            RecomputeCarryOver(line);
            ++changes;
        }
        DeleteBytes(*line, 0, 1);
        RecomputeCarryOver(line);
        if (styler.style(*line, runs)) {
            RecomputeCarryOver(line);
            ++changes;
        }
        benchmark::DoNotOptimize(runs.data());
    }
    if (changes != 0)
        state.SkipWithError("the edit changed the multi-line state");
}

// For comparison: the walk over the whole text that the incremental walk avoids.
void BM_CarryOverWholeText(benchmark::State& state) {
    Document& document = DocumentOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
        RecomputeCarryOverAll(document.buffer.first());
}

// One dense HTML line of 200 columns with tags, quoted values, character
// references, a comment, a URL, a mail address and highlight matches.
void BM_StyleDenseLine(benchmark::State& state) {
    std::string text =
        "<td class=\"num\">&nbsp;12</td><a href=\"http://example.jp/a?b=1\">mail@example.jp</a>"
        "<!-- c --><span id=\"x\">&amp;&lt;</span><b>太字</b><i>\"斜体\"</i>";
    while (text.size() < 200)
        text += "<p>";
    text.resize(200);
    LineRecord* line = CreateLine(text.data(), static_cast<int>(text.size()));
    Emphasis emphasis;
    AddHostRules(emphasis);
    emphasis.highlight.set("td", false);
    const LineStyler styler(emphasis, kClickAll, StylePalette{});
    std::vector<StyledRun> runs;
    for (auto _ : state) {
        styler.style(*line, runs);
        benchmark::DoNotOptimize(runs.data());
    }
    state.counters["runs"] = static_cast<double>(runs.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 200);
    delete line;
}

} // namespace

BENCHMARK(BM_CarryOverAfterEdit)->Arg(1000)->Arg(2000000)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_CarryOverWholeText)->Arg(1000)->Arg(2000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StyleDenseLine)->Unit(benchmark::kNanosecond);
BENCHMARK_MAIN();
