// Benchmark of replace all in the real program (run under Wine, not a test):
// a 10 MB page in which the 3-byte word "abc" occurs 100,000 times is opened,
// the replace dialog is filled, and the time from pressing "すべて置換" until
// the program has handled it is measured; then one undo must give back the
// text exactly. Prints the times of a few rounds.
#include <windows.h>

#include <dlgs.h>

#include <cstdio>
#include <string>

#include "AppSession.h"
#include "resource_ids.h"

namespace {

constexpr int kLines = 100000;

std::string Page() {
    const std::string line = "<p class=\"本文\">表示とソース abc 日本語のテキスト English words アイ</p>";
    const std::string padded = line + std::string(98 - line.size(), ' ') + "\r\n";
    std::string text;
    text.reserve(padded.size() * kLines);
    for (int i = 0; i < kLines; ++i)
        text += padded;
    return text;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// Sends a message and waits for its handling; the time it took.
double Timed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 120000, &result);
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

} // namespace

int main() {
    AppSession app;
    const std::string page = Page();
    if (!app.WriteFile("big.html", page) || !app.Start("\"" + app.Folder() + "big.html\"") ||
        !app.WaitForFrame(120000)) {
        std::printf("the program did not start\n");
        return 1;
    }
    if (app.EditorText() != page) {
        std::printf("the page was not loaded as written\n");
        return 1;
    }
    app.PostCommand(ID_EDIT_REPLACE);
    HWND dialog = nullptr;
    WaitUntil([&] {
        const auto boxes = app.MessageBoxes();
        dialog = boxes.empty() ? nullptr : boxes.front();
        return dialog != nullptr;
    });
    if (!dialog) {
        std::printf("no replace dialog\n");
        return 1;
    }
    SetDlgItemTextA(dialog, edt1, "abc");
    SetDlgItemTextA(dialog, edt2, "ABCD");

    std::printf("%d lines, %zu bytes, %d occurrences of \"abc\"\n", kLines, page.size(), kLines);
    bool exact = true;
    for (int round = 1; round <= 3; ++round) {
        const double replace = Timed(dialog, WM_COMMAND, MAKEWPARAM(psh2, BN_CLICKED),
                                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, psh2)));
        const std::string replaced = app.EditorText();
        const double undo = Timed(app.Frame(), WM_COMMAND, MAKEWPARAM(ID_EDIT_UNDO, 0), 0);
        const bool restored = app.EditorText() == page;
        exact = exact && restored && replaced.size() == page.size() + kLines;
        std::printf("round %d: replace all %.1f ms, undo %.1f ms, text restored exactly: %s\n", round,
                    replace, undo, restored ? "yes" : "NO");
    }
    return exact ? 0 : 1;
}
