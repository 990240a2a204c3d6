// Scroll targets of the wheel and the scroll bars, and the redraw throttle.
#include "ScrollInput.h"

#include <algorithm>

namespace nimbet {

int VerticalTarget(const Editor& editor, ScrollAction action, int position) noexcept {
    const long long top = editor.caret().topLine;
    const long long page = editor.metrics().page();
    const long long rows = editor.totalRows();
    long long target = top;
    switch (action) {
    case ScrollAction::LineBack: target = top - 1; break;
    case ScrollAction::LineForward: target = top + 1; break;
    case ScrollAction::PageBack: target = top - page; break;
    case ScrollAction::PageForward: target = top + page; break;
    case ScrollAction::ToPosition: target = static_cast<long long>(position) + 1; break;
    case ScrollAction::ToStart: target = 1; break;
    case ScrollAction::ToEnd: target = rows; break;
    case ScrollAction::EndScroll:
    case ScrollAction::None: break;
    }
    return static_cast<int>(std::clamp<long long>(target, 1, rows));
}

int HorizontalTarget(const Editor& editor, ScrollAction action, int position) noexcept {
    const long long first = editor.caret().firstColumn;
    const long long columns = editor.metrics().visibleColumns();
    long long target = first;
    switch (action) {
    case ScrollAction::LineBack: target = first - 1; break;
    case ScrollAction::LineForward: target = first + 1; break;
    case ScrollAction::PageBack: target = first - columns; break;
    case ScrollAction::PageForward: target = first + columns; break;
    case ScrollAction::ToPosition: target = static_cast<long long>(position) + 1; break;
    case ScrollAction::ToStart: target = 1; break;
    case ScrollAction::ToEnd: target = kMaxColumns; break;
    case ScrollAction::EndScroll:
    case ScrollAction::None: break;
    }
    return static_cast<int>(std::clamp<long long>(target, 1, kMaxColumns));
}

int WheelTarget(const Editor& editor, int delta) noexcept {
    const long long top = editor.caret().topLine;
    const long long lines = editor.metrics().get(kMetricWheelLines);
    long long target = top;
    if (delta < 0)
        target = top + lines;
    else if (delta > 0)
        target = top - lines;
    return static_cast<int>(std::clamp<long long>(target, 1, editor.totalRows()));
}

bool UsesRegisteredWheelMessage(unsigned version) noexcept {
    const unsigned lowWord = version & 0xFFFFu;
    const bool windows9x = (version & 0x80000000u) != 0;
    return windows9x ? lowWord == 4 : lowWord == 3;
}

ScrollThrottle::Step ScrollThrottle::lineStep(SharedScrollState& shared, unsigned now) noexcept {
    Step step;
    if (shared.fastScroll)
        return step;
    if (pending_) {
        if (now - shared.lastStep < kScrollRedrawDelay) {
            pending_ = false;
            shared.fastScroll = true;
            step.killTimer = true;
        } else {
            step.repaint = true;
        }
        return step;
    }
    shared.lastStep = now;
    pending_ = true;
    step.startTimer = true;
    return step;
}

ScrollThrottle::Step ScrollThrottle::timerFired() noexcept {
    pending_ = false;
    Step step;
    step.repaint = true;
    step.killTimer = true;
    return step;
}

ScrollThrottle::Step ScrollThrottle::endScroll(SharedScrollState& shared) noexcept {
    Step step;
    step.repaint = shared.fastScroll || pending_;
    step.killTimer = pending_;
    shared.fastScroll = false;
    pending_ = false;
    return step;
}

} // namespace nimbet
