// The wheel, the two scroll bars and the control's timers. Line steps of the
// vertical bar go through the redraw throttle, whose fast-scroll state is
// shared by every control of the process.
#include "EditorInstance.h"
#include "InputGuard.h"

namespace nimbet::win32 {

namespace {

SharedScrollState& LibraryScrollState() noexcept {
    static SharedScrollState state;
    return state;
}

ScrollAction ActionOf(int code) noexcept {
    switch (code) {
    case SB_LINEUP: return ScrollAction::LineBack;
    case SB_LINEDOWN: return ScrollAction::LineForward;
    case SB_PAGEUP: return ScrollAction::PageBack;
    case SB_PAGEDOWN: return ScrollAction::PageForward;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return ScrollAction::ToPosition;
    case SB_TOP: return ScrollAction::ToStart;
    case SB_BOTTOM: return ScrollAction::ToEnd;
    case SB_ENDSCROLL: return ScrollAction::EndScroll;
    default: return ScrollAction::None;
    }
}

} // namespace

void EditorInstance::registerWheelMessage() {
    if (UsesRegisteredWheelMessage(static_cast<unsigned>(GetVersion())))
        wheelMessage_ = RegisterWindowMessageA("MSWHEEL_ROLLMSG");
}

void EditorInstance::onWheel(int delta) {
    if (busy())
        return;
    BusyScope guard(*this);
    editor_.setTopLine(WheelTarget(editor_, delta));
    placeCaret();
    repaint(Repaint::Full);
}

void EditorInstance::onVerticalScroll(int code) {
    if (busy())
        return;
    BusyScope guard(*this);
    const ScrollAction action = ActionOf(code);
    if (action == ScrollAction::None)
        return;
    if (action == ScrollAction::EndScroll) {
        const ScrollThrottle::Step step = scrollThrottle_.endScroll(LibraryScrollState());
        if (step.killTimer)
            KillTimer(hwnd_, kScrollRedrawTimer);
        if (step.repaint)
            repaint(Repaint::Full);
        return;
    }
    int position = 0;
    if (action == ScrollAction::ToPosition) {
        // The 32-bit tracked position, not the 16 bits the message carries.
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(hwnd_, SB_VERT, &info);
        position = info.nTrackPos;
    }
    editor_.setTopLine(VerticalTarget(editor_, action, position));
    bool paint = true;
    if (action == ScrollAction::LineBack || action == ScrollAction::LineForward) {
        const ScrollThrottle::Step step = scrollThrottle_.lineStep(LibraryScrollState(), GetTickCount());
        if (step.killTimer)
            KillTimer(hwnd_, kScrollRedrawTimer);
        if (step.startTimer)
            SetTimer(hwnd_, kScrollRedrawTimer, kScrollRedrawDelay, nullptr);
        paint = step.repaint;
    }
    placeCaret();
    if (paint)
        repaint(Repaint::Full);
}

void EditorInstance::onHorizontalScroll(int code, int position) {
    if (busy() || editor_.metrics().wrap)
        return; // wrapped text never scrolls sideways
    BusyScope guard(*this);
    const ScrollAction action = ActionOf(code);
    if (action == ScrollAction::None || action == ScrollAction::EndScroll)
        return;
    editor_.setFirstColumn(HorizontalTarget(editor_, action, position));
    placeCaret();
    repaint(Repaint::Full);
}

void EditorInstance::onTimer(WPARAM id) {
    if (id == kScrollRedrawTimer) {
        const ScrollThrottle::Step step = scrollThrottle_.timerFired();
        if (step.killTimer)
            KillTimer(hwnd_, kScrollRedrawTimer);
        if (step.repaint)
            repaint(Repaint::Full);
    } else if (id == kTripleClickTimer) {
        mouse_.tripleClickTimerEnded();
    }
}

} // namespace nimbet::win32
