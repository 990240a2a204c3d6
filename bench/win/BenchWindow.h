// Shared pieces of the Windows benchmarks: a millisecond clock, message
// pumping, and a shown top-level window that hosts the control under test.
#pragma once

#include <windows.h>

inline double NowMs() {
    static const double perMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / perMs;
}

inline void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Keeps the windows working for `ms` milliseconds.
inline void Settle(int ms) {
    const double end = NowMs() + ms;
    do {
        Pump();
        Sleep(5);
    } while (NowMs() < end);
}

class BenchWindow {
  public:
    BenchWindow(const char* title, WNDPROC procedure, int width = 1000, int height = 800) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "NimbetBenchWindow";
        RegisterClassA(&wc);
        hwnd_ =
            CreateWindowExA(0, wc.lpszClassName, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                            20, 20, width, height, nullptr, nullptr, wc.hInstance, nullptr);
        if (hwnd_) {
            UpdateWindow(hwnd_);
            SetForegroundWindow(hwnd_);
        }
    }
    ~BenchWindow() {
        if (hwnd_)
            DestroyWindow(hwnd_);
    }
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    int clientWidth() const { return client().right; }
    int clientHeight() const { return client().bottom; }

  private:
    RECT client() const {
        RECT r{};
        GetClientRect(hwnd_, &r);
        return r;
    }
    HWND hwnd_ = nullptr;
};
