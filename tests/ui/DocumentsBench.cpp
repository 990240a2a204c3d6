// Timings of the document paths in the real program under Wine (run by hand,
// not a test): open and save of a 20 MB Shift_JIS HTML file, and typing in a
// 5 MB document, each with NKF32.DLL beside the program and without it.
//   quiltmark_documents_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "AppSession.h"
#include "Automation.h"
#include "resource_ids.h"

using namespace quiltmark::automation;

namespace {

std::string HtmlFile(size_t bytes) {
    const std::string lines[] = {
        "<P>表示能力のあるソフトで、日本語のテキストを書きます。</P>\r\n",
        "<A HREF=\"http://example.jp/\">リンク</A> 全角カタカナ and ascii\r\n",
        "<TD>ascii text with some words and a number 12345</TD>\r\n",
    };
    std::string out;
    out.reserve(bytes + 128);
    for (size_t i = 0; out.size() < bytes; ++i)
        out += lines[i % 3];
    return out;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

template <typename Action> double Time(Action action) {
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    action();
    QueryPerformanceCounter(&to);
    return Milliseconds(from, to);
}

void SendSync(HWND window, UINT message, WPARAM wParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, 0, SMTO_NORMAL, 120000, &result);
}

void OpenAndSave(bool withLibrary) {
    AppSession app;
    if (withLibrary)
        app.CopyBinary("NKF32.DLL", "NKF32.DLL");
    const std::string big = HtmlFile(20u << 20);
    app.WriteFile("big.html", big);
    app.SetIni("File", "RecentFile5", app.Folder() + "big.html");
    app.Start();
    app.WaitForFrame();
    for (int run = 0; run < 3; ++run) {
        const double open = Time([&] { SendSync(app.Frame(), WM_COMMAND, ID_FILE_RECENT_1 + 4); });
        const size_t before = app.ReadFile("big.html").size();
        SendSync(app.Editor(), WM_CHAR, 'x');
        const double save = Time([&] { SendSync(app.Frame(), WM_COMMAND, ID_FILE_SAVE); });
        std::printf("%s NKF32.DLL: open 20 MB %.0f ms, save 20 MB %.0f ms (file %s)\n",
                    withLibrary ? "with   " : "without", open, save,
                    app.ReadFile("big.html").size() == before + 1 ? "complete" : "WRONG SIZE");
    }
    app.Close(60000);
}

void Typing(bool withLibrary) {
    AppSession app;
    if (withLibrary)
        app.CopyBinary("NKF32.DLL", "NKF32.DLL");
    app.WriteFile("five.html", HtmlFile(5u << 20));
    app.Start("\"" + app.Folder() + "five.html\"");
    app.WaitForFrame(60000);
    std::vector<double> keys, checks, handling;
    for (int i = 0; i < 40; ++i) {
        // Each key is handled in full (the editor's change notification
        // included) before SendMessage returns.
        keys.push_back(Time([&] { SendSync(app.Editor(), WM_CHAR, 'a' + i % 26); }));
        handling.push_back(app.Query(kQueryChangeMicroseconds) / 1000.0);
        // Then the title's full modified test runs once the input is handled.
        checks.push_back(
            Time([&] { WaitUntil([&] { return app.Query(kQueryTitleCheckPending) == 0; }, 60000); }));
    }
    std::sort(keys.begin(), keys.end());
    std::sort(checks.begin(), checks.end());
    std::sort(handling.begin(), handling.end());
    std::printf("%s NKF32.DLL, 5 MB: keystroke median %.2f ms, 90th %.2f ms, max %.2f ms; "
                "of it the view's change handling median %.2f ms, max %.2f ms; "
                "deferred title check median %.1f ms, max %.1f ms\n",
                withLibrary ? "with   " : "without", keys[keys.size() / 2], keys[keys.size() * 9 / 10],
                keys.back(), handling[handling.size() / 2], handling.back(), checks[checks.size() / 2],
                checks.back());
    app.CloseDiscarding(60000);
}

} // namespace

int main(int argc, char** argv) {
    const bool typingOnly = argc > 1 && std::string(argv[1]) == "typing";
    for (bool withLibrary : {false, true}) {
        if (!typingOnly)
            OpenAndSave(withLibrary);
        Typing(withLibrary);
    }
    return 0;
}
