// Times typing into the real Quiltmark.exe with a generated Shift_JIS HTML
// document open (two-pane display and with it the real-time preview off):
// each key is a character message to the editor control, handled with
// everything the program does on a text change, and the synchronous repaint
// of the program's windows. The program runs from a fresh folder holding
// copies of itself and the library, as in the end-to-end tests.
//
//   quiltmark_typing_bench.exe [--mb MiB] [--reps N] [--chars N]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "AppSession.h"
#include "BenchWindow.h"
#include "HtmlDocument.h"

namespace {

LRESULT TextLength(HWND view) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(view, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 10000, &length))
        return -1;
    return static_cast<LRESULT>(length);
}

bool WaitForLength(HWND view, LRESULT wanted) {
    const double end = NowMs() + 60000;
    while (TextLength(view) != wanted) {
        if (NowMs() > end)
            return false;
        Sleep(20);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    double mb = 5;
    int reps = 5, chars = 100;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--mb")
            mb = std::atof(argv[i + 1]);
        else if (option == "--reps")
            reps = std::atoi(argv[i + 1]);
        else if (option == "--chars")
            chars = std::atoi(argv[i + 1]);
    }
    if (mb <= 0 || reps < 1 || chars < 1) {
        std::fprintf(stderr, "usage: quiltmark_typing_bench.exe [--mb MiB] [--reps N] [--chars N]\n");
        return 2;
    }
    const nimbet::bench::HtmlDocument doc =
        nimbet::bench::MakeHtmlDocument(static_cast<size_t>(mb * 1048576.0));

    AppSession session;
    session.SetIni("HowPreview", "isMyDev", "0");
    if (!session.WriteFile("bench.html", doc.text) || !session.Start("bench.html") ||
        !session.WaitForFrame(60000)) {
        std::fprintf(stderr, "Quiltmark.exe did not start with the document\n");
        return 1;
    }
    const HWND frame = session.Frame(), view = session.View(), editor = session.Editor();
    const LRESULT length = static_cast<LRESULT>(doc.text.size());
    if (!editor || !WaitForLength(view, length)) {
        std::fprintf(stderr, "the document did not appear in the editor\n");
        return 1;
    }
    std::printf("document: %zu bytes, %d lines, open in Quiltmark.exe; %d runs of %d keys at its start\n",
                doc.text.size(), doc.lines, reps, chars);

    const std::string typed = "<p>typing &amp; test</p> ";
    std::vector<double> perKey;
    for (int rep = 0; rep < reps; ++rep) {
        const double start = NowMs();
        for (int i = 0; i < chars; ++i) {
            SendMessageA(editor, WM_CHAR, static_cast<unsigned char>(typed[i % typed.size()]), 1);
            RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
        perKey.push_back((NowMs() - start) / chars);
        const bool grew = TextLength(view) == length + chars;
        const std::string title = session.Title();
        const bool marked = title.size() >= 2 && title.compare(title.size() - 2, 2, " *") == 0;
        // Back to the document as it was (untimed), which also clears the mark.
        for (int i = 0; i < chars; ++i)
            SendMessageA(editor, WM_KEYDOWN, VK_BACK, 1);
        if (!grew || !marked || !WaitForLength(view, length)) {
            std::printf("FAILED: the keys did not all reach the document and the title\n");
            return 1;
        }
    }
    std::sort(perKey.begin(), perKey.end());
    std::printf("type-start   %10.3f ms/key  (min %.3f, max %.3f)\n", perKey[perKey.size() / 2],
                perKey.front(), perKey.back());
    return 0;
}
