// The application object and its message loop.
#include "App.h"

#include <algorithm>

#include "FrameWindow.h"
#include "PathRules.h"

namespace quiltmark {
namespace {

constexpr DWORD kMaxProgramPath = 1024;
constexpr UINT kSystemTimer = 0x0118;

// Messages after which the states shown by toolbar and status bar cannot have
// changed; idle updates after them would only spin.
bool IsIdleNeutral(const MSG& msg) {
    return msg.message == WM_PAINT || msg.message == WM_TIMER || msg.message == kSystemTimer;
}

} // namespace

App::App(HINSTANCE instance) : instance_(instance) {
    char path[kMaxProgramPath + 1] = {};
    const DWORD length = GetModuleFileNameA(instance, path, kMaxProgramPath);
    programPath_.assign(path, length < kMaxProgramPath ? length : kMaxProgramPath);
    profile_.Bind(IniPathFor(programPath_));
}

void App::AddModeless(HWND dialog) {
    modeless_.push_back(dialog);
}

void App::RemoveModeless(HWND dialog) {
    modeless_.erase(std::remove(modeless_.begin(), modeless_.end(), dialog), modeless_.end());
}

void App::OnIdle() {
    if (mainFrame_)
        mainFrame_->OnIdle();
}

bool App::PreTranslateMessage(MSG& msg) {
    for (HWND dialog : modeless_)
        if (IsWindow(dialog) && IsDialogMessageA(dialog, &msg))
            return true;
    return mainFrame_ && mainFrame_->PreTranslateMessage(msg);
}

int App::Run() {
    MSG msg{};
    bool idlePending = true;
    for (;;) {
        if (idlePending && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            OnIdle();
            idlePending = false;
        }
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0)
            break;
        if (got == -1)
            continue;
        if (!IsIdleNeutral(msg))
            idlePending = true;
        if (PreTranslateMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

} // namespace quiltmark
