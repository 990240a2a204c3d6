// Measures paste as HTML of a 1 MB clipboard text in the real program: the
// time from the command to the end of its handling (the editor's change
// notification included). Run it under Wine beside Quiltmark.exe; it prints
// the figures and is no test.
#include <windows.h>

#include <cstdio>
#include <string>

#include "AppSession.h"
#include "resource_ids.h"

namespace {

std::string OneMegabyte() {
    const char* pattern[] = {
        "日本語の文章です。表示とソース、能力の話が続きます。English words & \"quotes\" <here>.",
        "詳しくは http://example.com/ソース/index.html?a=1&b=2 を見て下さい→こちら",
        "ｶﾀｶﾅ混じりの行と、タブ\tで区切った　全角スペースの行。",
    };
    std::string text;
    for (int i = 0; text.size() < (1u << 20); ++i)
        text += std::string(pattern[i % 3]) + "\r\n";
    return text;
}

bool PutOnClipboard(const std::string& text) {
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    const bool put = SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
    return put;
}

} // namespace

int main() {
    const std::string text = OneMegabyte();
    AppSession app;
    if (!app.WriteFile("page.html", "") || !app.Start("\"" + app.Folder() + "page.html\"") ||
        !app.WaitForFrame() || !PutOnClipboard(text))
        return 1;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    for (int run = 1; run <= 3; ++run) {
        app.Command(ID_EDIT_SELECT_ALL);
        QueryPerformanceCounter(&start);
        app.Command(ID_EDIT_PASTE_AS_HTML);
        QueryPerformanceCounter(&end);
        const double ms = 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart;
        std::printf("paste as HTML of %zu bytes, run %d: %.0f ms (result %zu bytes)\n", text.size(), run, ms,
                    app.EditorText().size());
    }
    app.Close();
    return 0;
}
