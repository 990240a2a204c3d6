// Entry of the Nimbet test driver: binds Nimbet.dll by ordinal and runs the tests.
#include <gtest/gtest.h>

#include <ole2.h>

#include "DriverSupport.h"

namespace {
NimbetBinding g_binding;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* parent = reinterpret_cast<RecordingParent*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (parent && message >= 2024 && message <= 2029) {
        parent->received.push_back({message, wParam, lParam});
        if (parent->onNotification)
            parent->onNotification(parent->received.back());
        return 0;
    }
    if (parent && message == WM_APP) {
        if (parent->onAppMessage)
            parent->onAppMessage();
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
} // namespace

NimbetBinding& Nimbet() { return g_binding; }

RecordingParent::RecordingParent() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "NimbetTestParent";
        RegisterClassA(&wc);
        registered = true;
    }
    hwnd_ = CreateWindowExA(0, "NimbetTestParent", "parent", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

RecordingParent::~RecordingParent() { DestroyWindow(hwnd_); }

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    OleInitialize(nullptr); // as in the host program, whose thread has OLE for drag-and-drop
    if (!g_binding.load("Nimbet.dll")) {
        std::fprintf(stderr, "Nimbet.dll could not be loaded or an ordinal is missing\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
