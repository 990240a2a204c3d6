// A whole repaint of a 60-row by 200-column window of dense HTML, scrolled to
// the top and to the end of a 2-million-line document (caret in view), with
// and without wrapping. The painter draws on a surface that only counts its
// calls, so the figures are those of layout, styling and the walk to the top
// line; the repaint at the end must cost about what it costs at the top.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "Editor.h"
#include "Painter.h"

using namespace nimbet;

namespace {

constexpr int kLines = 2000000;
constexpr int kColumns = 200, kRows = 60;
constexpr int kCharWidth = 8, kLineHeight = 17;

// Lines of 190 to 250 bytes: tags with attributes and quoted values,
// character references, links, Japanese text, tabs, and a comment that runs
// over three lines in every block of 20. The pattern repeats every 20 lines,
// and 20 divides the line count less the window's rows: the windows at the
// top and at the end show the same kind of text.
std::string Line(int i) {
    static const char* const pieces[] = {
        "<tr><td class=\"名前\">山田　太郎</td>",
        "<td align=\"right\">１２３，４５６円</td>",
        "<a href=\"http://example.jp/ソース/index.html?a=1&amp;b=2\">リンク</a>",
        "\t<span style=\"color:#336699\">&lt;code&gt; text &amp; 記号</span>",
        " mail@example.jp <b>太字</b> <i>斜体</i> ",
        "<img src=\"images/photo.png\" alt=\"写真\" width=\"120\" height=\"80\">",
        "<p>日本語の段落と English words が混ざった文です。</p>",
        "<!-- 短いコメント --> <br>",
    };
    const int j = i % 20;
    if (j == 10)
        return "<div id=\"x\"> <!-- 説明の始まり " + std::string(pieces[6]) + pieces[1] + pieces[3];
    if (j == 12)
        return std::string(pieces[4]) + pieces[6] + " 説明の終わり --> " + pieces[0] + pieces[5];
    std::string line;
    for (int k = 0; line.size() < 190 + static_cast<size_t>(j % 5) * 15; ++k)
        line += pieces[(j + k * 3) % 8];
    return line;
}
static_assert((2000000 - 60) % 20 == 0);

class CountingSurface final : public Surface {
  public:
    long long calls = 0;
    void fill(const PixelRect&, Color) override { ++calls; }
    void text(int, int, const char* bytes, int n, const TextLook&, int) override {
        calls += n > 0 && bytes[0] != 0;
    }
    void line(int, int, int, int, int, Color) override { ++calls; }
    void selection(const PixelRect&, int) override { ++calls; }
    int textWidth(const char*, int n, FontChoice) override { return n * kCharWidth; }
    int fontHeight(FontChoice) override { return 11; }
    void present(const PixelRect&) override { ++calls; }
    void clip(const PixelRect*) override { ++calls; }
    void windowLine(int, int, int, Color) override { ++calls; }
};

struct Document {
    Document() : editor(std::make_unique<Editor>(events)) {
        LayoutMetrics& metrics = editor->metrics();
        metrics.setFont(kCharWidth, kLineHeight);
        const int width = 50 + 4 + kColumns * kCharWidth; // no scroll bar width here
        const int height = 10 + kRows * kLineHeight;
        metrics.setWindowSize(width, height);
        metrics.setClientSize(width, height);
        Emphasis& emphasis = editor->emphasis();
        emphasis.rules.add("<!--", "-->", 4, 0x008000, 0, 6, 0);
        emphasis.rules.add("<", ">", 3, 0x800000, 0, 2, 3);
        emphasis.rules.add("\"", "\"", 3, 0x0000C0, 0, 3, 0);
        emphasis.rules.add("&", ";", 3, 0x808000, 0, 1, 0);
        std::string text;
        text.reserve(static_cast<size_t>(kLines) * 240);
        for (int i = 0; i < kLines; ++i) {
            text += Line(i);
            if (i + 1 < kLines)
                text += "\r\n";
        }
        editor->setText(text.c_str());
    }
    NoEvents events;
    std::unique_ptr<Editor> editor;
    PaintSettings settings;
};

Document& TheDocument() {
    static Document document;
    return document;
}

// range(0): wrapping off/on; range(1): 0 top, 1 end.
void BM_FullRepaint(benchmark::State& state) {
    Document& document = TheDocument();
    Editor& editor = *document.editor;
    const bool wrap = state.range(0) != 0;
    if (editor.metrics().wrap != wrap)
        editor.setWrapping(wrap, 0);
    editor.moveCaret(EditorKey::Home, false, true); // Ctrl+Home
    if (state.range(1) != 0) {
        editor.moveCaret(EditorKey::End, false, true);   // Ctrl+End
        editor.moveCaret(EditorKey::Home, false, false); // the start of the last line, column 1
        editor.scrollCaretIntoView();
        // Ctrl+Up until the last line stands in the bottom row: a full window.
        while (editor.caret().topLine > editor.totalRows() - kRows + 1)
            editor.moveCaret(EditorKey::Up, false, true);
    }
    CountingSurface surface;
    Painter(editor, document.settings, surface).paintAll(); // the lines' emphasis state settles
    for (auto _ : state) {
        Painter(editor, document.settings, surface).paintAll();
        benchmark::DoNotOptimize(surface.calls);
    }
    state.counters["topRow"] = editor.caret().topLine;
    state.counters["firstColumn"] = editor.caret().firstColumn;
    state.counters["calls"] =
        benchmark::Counter(static_cast<double>(surface.calls), benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(BM_FullRepaint)
    ->ArgNames({"wrap", "end"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
