// Times the editor control of Nimbet.dll in a shown window: loading a
// generated Shift_JIS HTML document, moving to its last line, typing at its
// end and at its start, and reading the whole text back. Every figure
// includes the synchronous repaint; each step runs several times and the
// median is printed. Every run checks its effect (length, lines, caret, the
// notifications of typing, the text read back), so a fast wrong answer fails.
//
//   nimbet_window_bench.exe [--mb MiB] [--reps N] [--chars N]
#include <ole2.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "BenchWindow.h"
#include "HtmlDocument.h"
#include "NimbetBinding.h"

namespace {

using nimbet::bench::HtmlDocument;

struct Options {
    double mb = 5;
    int reps = 5;
    int chars = 200;
};

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc)
            return false;
        const char* value = argv[++i];
        if (a == "--mb")
            o.mb = std::atof(value);
        else if (a == "--reps")
            o.reps = std::atoi(value);
        else if (a == "--chars")
            o.chars = std::atoi(value);
        else
            return false;
    }
    return o.mb > 0 && o.reps > 0 && o.chars > 0;
}

// Text notifications the parent received (code 0 = a typed character).
int g_typedNotes = 0;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == NIMBET_NOTIFY_TEXT && LOWORD(wParam) == NIMBET_TEXT_TYPED)
        ++g_typedNotes;
    if (message >= NIMBET_NOTIFY_TEXT && message <= NIMBET_NOTIFY_INSERTMODE)
        return 0;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The editor configured as the program configures it: its font and the four
// HTML emphasis rules.
bool Configure(NimbetBinding& n, HWND parent, int width, int height) {
    if (n.NimbetCreate(0, parent, 0, 0, width, height) != NIMBET_OK)
        return false;
    n.NimbetAddEmphasis(0, "<!--", "-->", 4, RGB(0, 128, 0), 0, 6, 0);
    n.NimbetAddEmphasis(0, "<", ">", 3, RGB(0, 0, 192), 0, 2, 3);
    n.NimbetAddEmphasis(0, "\"", "\"", 3, RGB(160, 0, 160), 0, 3, 0);
    n.NimbetAddEmphasis(0, "&", ";", 3, RGB(192, 0, 0), 0, 1, 0);
    n.NimbetSetFont(0, "ＭＳ ゴシック", 12, 0);
    n.NimbetRefresh(0);
    n.NimbetSetFocus(0);
    return true;
}

class Bench {
  public:
    Bench(NimbetBinding& nimbet, const HtmlDocument& doc, const Options& options)
        : n_(nimbet), doc_(doc), options_(options), typed_(TypedText(options.chars)) {}

    bool run(HWND control) {
        control_ = control;
        std::printf("document: %zu bytes, %d lines; %d runs per step, %d characters per typing run\n",
                    doc_.text.size(), doc_.lines, options_.reps, options_.chars);
        bool ok = step("load", "ms", [&](double& ms) { return load(ms); });
        ok = ok && step("move-to-end", "ms", [&](double& ms) { return moveToEnd(ms); });
        ok = ok && step("type-end", "ms/char", [&](double& ms) { return type(true, ms); });
        ok = ok && step("type-start", "ms/char", [&](double& ms) { return type(false, ms); });
        ok = ok && step("get-text", "ms", [&](double& ms) { return getText(ms); });
        return ok;
    }

  private:
    static std::string TypedText(int n) {
        const std::string unit = "<p class=\"note\">typing &amp; test</p> ";
        std::string s;
        while (static_cast<int>(s.size()) < n)
            s += unit;
        s.resize(static_cast<size_t>(n));
        return s;
    }

    bool fail(const char* what) {
        std::printf("FAILED: %s\n", what);
        return false;
    }

    void paintNow() { RedrawWindow(control_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

    bool step(const char* name, const char* unit, const std::function<bool(double&)>& body) {
        std::vector<double> values;
        for (int rep = 0; rep < options_.reps; ++rep) {
            double ms = 0;
            if (!body(ms))
                return false;
            values.push_back(ms);
            Pump();
        }
        std::sort(values.begin(), values.end());
        const size_t k = values.size();
        const double median = k % 2 ? values[k / 2] : (values[k / 2 - 1] + values[k / 2]) / 2;
        std::printf("%-12s %10.3f %-8s (min %.3f, max %.3f)\n", name, median, unit, values.front(),
                    values.back());
        std::fflush(stdout);
        return true;
    }

    bool loaded() const {
        return n_.NimbetGetTextLength(0) == static_cast<int>(doc_.text.size()) &&
               n_.NimbetGetLines(0) == doc_.lines;
    }

    bool load(double& ms) {
        n_.NimbetSetText(0, "");
        paintNow();
        Pump();
        const double start = NowMs();
        const int result = n_.NimbetSetText(0, doc_.text.c_str());
        paintNow();
        ms = NowMs() - start;
        if (result != NIMBET_OK || !loaded())
            return fail("the document did not load whole");
        return true;
    }

    bool moveToEnd(double& ms) {
        n_.NimbetSetCaretLine(0, 1);
        paintNow();
        Pump();
        const double start = NowMs();
        n_.NimbetSetCaretLine(0, doc_.lines);
        paintNow();
        ms = NowMs() - start;
        if (n_.NimbetGetCaretLine(0) != doc_.lines)
            return fail("the caret is not on the last line");
        return true;
    }

    bool type(bool atEnd, double& ms) {
        n_.NimbetSetCaretLine(0, atEnd ? doc_.lines : 1);
        n_.NimbetSetFocus(0);
        paintNow();
        Pump();
        const int from = n_.NimbetGetCaretThrough(0);
        const int length = n_.NimbetGetTextLength(0);
        g_typedNotes = 0;
        const double start = NowMs();
        for (char c : typed_) {
            SendMessageA(control_, WM_CHAR, static_cast<unsigned char>(c), 1);
            paintNow();
        }
        ms = (NowMs() - start) / static_cast<double>(typed_.size());
        const int count = static_cast<int>(typed_.size());
        if (n_.NimbetGetTextLength(0) != length + count || n_.NimbetGetCaretThrough(0) != from + count ||
            g_typedNotes != count)
            return fail("typing did not insert every character with its notification");
        // Back to the document as it was, untimed.
        n_.NimbetSetSelB(0, from, from + count);
        n_.NimbetSetSelText(0, "");
        paintNow();
        if (!loaded())
            return fail("the typed characters could not be removed");
        return true;
    }

    bool getText(double& ms) {
        std::vector<char> buffer(doc_.text.size() + 1, '\xFF');
        const double start = NowMs();
        const int length = n_.NimbetGetTextLength(0);
        const bool fits = length >= 0 && static_cast<size_t>(length) < buffer.size();
        const int result = fits ? n_.NimbetGetText(0, buffer.data(), 1) : NIMBET_FAILED;
        ms = NowMs() - start;
        if (result != NIMBET_OK || std::memcmp(buffer.data(), doc_.text.c_str(), doc_.text.size() + 1) != 0)
            return fail("the text read back differs from the document");
        return true;
    }

    NimbetBinding& n_;
    const HtmlDocument& doc_;
    const Options& options_;
    const std::string typed_;
    HWND control_ = nullptr;
};

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: nimbet_window_bench.exe [--mb MiB] [--reps N] [--chars N]\n");
        return 2;
    }
    OleInitialize(nullptr); // as in the program, whose thread has OLE for drag-and-drop
    NimbetBinding nimbet;
    if (!nimbet.load("Nimbet.dll")) {
        std::fprintf(stderr, "Nimbet.dll could not be loaded or an ordinal is missing\n");
        return 1;
    }
    const HtmlDocument doc = nimbet::bench::MakeHtmlDocument(static_cast<size_t>(options.mb * 1048576.0));
    BenchWindow window("nimbet_window_bench", ParentProc);
    if (!window.hwnd() || !Configure(nimbet, window.hwnd(), window.clientWidth(), window.clientHeight())) {
        std::fprintf(stderr, "the window or the control could not be created\n");
        return 1;
    }
    Settle(300);
    Bench bench(nimbet, doc, options);
    const bool ok = bench.run(nimbet.NimbetGetWnd(0));
    nimbet.NimbetDelete(0);
    return ok ? 0 : 1;
}
