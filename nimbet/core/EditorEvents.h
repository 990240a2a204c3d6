// What the platform-free editor needs from its window: notifications to the
// parent, repaints and a way to keep the message loop alive during long work.
#pragma once

#include "NimbetCodes.h"

namespace nimbet {

enum class Repaint {
    Full,      // the whole control
    CaretLine, // only the line holding the caret
    Light,     // only the caret-dependent parts (ruler marker, caret line marks)
};

class EditorEvents {
  public:
    virtual ~EditorEvents() = default;
    // Sends `message` with `code` to the parent and returns when it was handled.
    virtual void notify(NimbetNotify message, int code) = 0;
    virtual void repaint(Repaint what) = 0;
    // Repaints the text lines first..last (a window without partial repaints
    // draws everything).
    virtual void repaintLines(int first, int last) {
        (void)first;
        (void)last;
        repaint(Repaint::Full);
    }
    // Offered now and then during a long change: the window may dispatch one
    // pending message (it does so once per interval of work, not every time).
    virtual void pumpOneMessage() = 0;
};

// Events that go nowhere: used by tools and tests that need no window.
class NoEvents final : public EditorEvents {
  public:
    void notify(NimbetNotify, int) override {}
    void repaint(Repaint) override {}
    void pumpOneMessage() override {}
};

} // namespace nimbet
