// Quiltmark.exe start-up: a main window holding editor instance 0, with the
// file named on the command line loaded as it is (Shift_JIS bytes).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "NimbetBinding.h"

namespace {

constexpr const char* kFrameClass = "QuiltmarkFrame";
constexpr const char* kTitle = "Quiltmark";

NimbetBinding g_nimbet;

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const char* path, std::string& out) {
    FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        out.append(chunk, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

void FillClientWithEditor(HWND frame) {
    RECT client;
    GetClientRect(frame, &client);
    g_nimbet.NimbetSetPos(0, 0, 0, client.right, client.bottom);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (g_nimbet.module())
            FillClientWithEditor(hwnd);
        return 0;
    case WM_SETFOCUS:
        if (g_nimbet.module())
            g_nimbet.NimbetSetFocus(0);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    if (!g_nimbet.load("Nimbet.dll")) {
        MessageBoxA(nullptr, "Nimbet.dll を読み込めませんでした。", "エラー", MB_OK | MB_ICONERROR);
        return 1;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFrameClass;
    RegisterClassExA(&wc);

    HWND frame = CreateWindowExA(0, kFrameClass, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 800,
                                 600, nullptr, nullptr, instance, nullptr);
    if (!frame)
        return 1;
    RECT client;
    GetClientRect(frame, &client);
    g_nimbet.NimbetCreate(0, frame, 0, 0, client.right, client.bottom);

    if (__argc > 1) {
        std::string text;
        if (ReadWholeFile(__argv[1], text)) {
            g_nimbet.NimbetSetText(0, text.c_str());
            SetWindowTextA(frame, (std::string(__argv[1]) + " - " + kTitle).c_str());
        } else {
            MessageBoxA(frame, "ファイルを開けませんでした。", "エラー", MB_OK | MB_ICONINFORMATION);
        }
    }
    ShowWindow(frame, show);
    UpdateWindow(frame);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    g_nimbet.NimbetDelete(0);
    return static_cast<int>(msg.wParam);
}
