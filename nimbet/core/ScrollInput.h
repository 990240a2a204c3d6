// Scrolling the view with the wheel and the two scroll bars, and the redraw
// throttle that lets a held scroll arrow scroll without repainting.
#pragma once

#include "Editor.h"

namespace nimbet {

enum class ScrollAction {
    LineBack,    // line up / column left
    LineForward, // line down / column right
    PageBack,
    PageForward,
    ToPosition, // thumb tracked or released at a 0-based position
    ToStart,
    ToEnd,
    EndScroll,
    None,
};

// The scroll origin an action leads to, already clamped: topLine within
// 1..total rows, firstColumn within 1..1024.
int VerticalTarget(const Editor& editor, ScrollAction action, int position) noexcept;
int HorizontalTarget(const Editor& editor, ScrollAction action, int position) noexcept;
// The topLine after a wheel message: the wheel lines setting down for a
// negative delta, up for a positive one.
int WheelTarget(const Editor& editor, int delta) noexcept;

// Whether the system needs the registered "MSWHEEL_ROLLMSG" besides the wheel
// message: version 4.0 of the 9x family (high bit set) or 3 of the NT family,
// judged by the low word of the version number.
bool UsesRegisteredWheelMessage(unsigned version) noexcept;

// Shared by every control of the process.
struct SharedScrollState {
    bool fastScroll = false; // arrow steps come faster than the repaint interval
    unsigned lastStep = 0;   // millisecond time the redraw timer was last started
};

constexpr unsigned kScrollRedrawDelay = 30; // ms

// Per control: whether the redraw timer (timer 0) is pending.
class ScrollThrottle {
public:
    struct Step {
        bool repaint = false;
        bool startTimer = false; // start timer 0 with kScrollRedrawDelay
        bool killTimer = false;
    };
    // A line step of the vertical bar at millisecond time `now`. While fast
    // scrolling nothing is repainted. Otherwise the first step starts the
    // timer; a step within the delay of it turns fast scrolling on; a later
    // step while the timer is still pending repaints at once.
    Step lineStep(SharedScrollState& shared, unsigned now) noexcept;
    // Timer 0 fired: repaint and kill it.
    Step timerFired() noexcept;
    // The scroll bar was let go: repaint what was held back and forget all.
    Step endScroll(SharedScrollState& shared) noexcept;
    bool timerPending() const noexcept { return pending_; }

private:
    bool pending_ = false;
};

} // namespace nimbet
