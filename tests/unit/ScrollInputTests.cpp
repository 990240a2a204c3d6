// Scroll targets of the scroll bars and the wheel, the registered wheel
// message rule, and the redraw throttle of held scroll arrows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorSketch.h"
#include "ScrollInput.h"

using namespace nimbet;

namespace {

std::string Lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "x" + std::string(i < count ? "\n" : "");
    return text;
}

} // namespace

TEST(ScrollInput, VerticalTargetsStayInTheText) {
    SketchEditor s(Lines(100)); // a page is 18 rows
    using A = ScrollAction;
    struct Case {
        int top;
        A action;
        int position;
        int expected;
    } cases[] = {
        {50, A::LineBack, 0, 49},    {50, A::LineForward, 0, 51}, {50, A::PageBack, 0, 32},
        {50, A::PageForward, 0, 68}, {50, A::ToPosition, 9, 10},  {50, A::ToStart, 0, 1},
        {50, A::ToEnd, 0, 100},      {1, A::LineBack, 0, 1},      {100, A::LineForward, 0, 100},
        {90, A::PageForward, 0, 100}, {10, A::PageBack, 0, 1},    {50, A::ToPosition, 500, 100},
        {50, A::EndScroll, 0, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "top " << c.top << " action " << static_cast<int>(c.action));
        s.editor.setTopLine(c.top);
        EXPECT_EQ(VerticalTarget(s.editor, c.action, c.position), c.expected);
    }
    // Wrapped, the view counts display rows: 3 lines of 100 letters make 9 rows.
    SketchEditor wrapped(std::string(100, 'a') + "\n" + std::string(100, 'a') + "\n" + std::string(100, 'a'));
    wrapped.editor.setWrapping(true, 0);
    EXPECT_EQ(VerticalTarget(wrapped.editor, A::ToEnd, 0), 9);
    EXPECT_EQ(VerticalTarget(wrapped.editor, A::ToPosition, 7), 8);
}

TEST(ScrollInput, HorizontalTargetsStayWithin1024Columns) {
    SketchEditor s("x"); // 43 visible columns
    using A = ScrollAction;
    struct Case {
        int first;
        A action;
        int position;
        int expected;
    } cases[] = {
        {10, A::LineBack, 0, 9},     {10, A::LineForward, 0, 11},     {10, A::PageBack, 0, 1},
        {10, A::PageForward, 0, 53}, {10, A::ToPosition, 1023, 1024}, {10, A::ToPosition, 5000, 1024},
        {1, A::LineBack, 0, 1},      {1024, A::LineForward, 0, 1024}, {10, A::ToEnd, 0, 1024},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "first " << c.first << " action " << static_cast<int>(c.action));
        s.editor.setFirstColumn(c.first);
        EXPECT_EQ(HorizontalTarget(s.editor, c.action, c.position), c.expected);
    }
}

TEST(ScrollInput, WheelScrollsByTheWheelLines) {
    SketchEditor s(Lines(50));
    s.editor.setTopLine(20);
    EXPECT_EQ(WheelTarget(s.editor, -120), 23) << "towards the user: down";
    EXPECT_EQ(WheelTarget(s.editor, 120), 17);
    EXPECT_EQ(WheelTarget(s.editor, -240), 23) << "one step per message";
    ASSERT_EQ(s.editor.setMetric(kMetricWheelLines, 10), NIMBET_OK);
    EXPECT_EQ(WheelTarget(s.editor, -120), 30);
    s.editor.setTopLine(45);
    EXPECT_EQ(WheelTarget(s.editor, -120), 50);
    s.editor.setTopLine(4);
    EXPECT_EQ(WheelTarget(s.editor, 120), 1);
}

TEST(ScrollInput, RegisteredWheelMessageOnlyOnOldSystems) {
    struct Case {
        unsigned version;
        bool registered;
    } cases[] = {
        {0xC3B60004u, true},  // Windows 95: 9x family, version 4.0
        {0x80000004u, true},
        {0xC0000A04u, false}, // Windows 98: 4.10
        {0x00000003u, true},  // NT 3.0
        {0x80000003u, false},
        {0x05650004u, false}, // NT 4.0
        {0x23F00206u, false}, // NT 6.2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.version);
        EXPECT_EQ(UsesRegisteredWheelMessage(c.version), c.registered);
    }
}

TEST(ScrollInput, ThrottleHoldsBackRepaintsOfFastArrowSteps) {
    // Each event: a line step at time t (ms), the timer firing (t = -1) or
    // the end of scrolling (t = -2), with what the window must do.
    struct Event {
        long long time;
        bool repaint, startTimer, killTimer;
    };
    struct Case {
        const char* name;
        std::vector<Event> events;
    } cases[] = {
        {"a single step repaints when the timer fires",
         {{1000, false, true, false}, {-1, true, false, true}, {-2, false, false, false}}},
        {"a held arrow scrolls without repainting until it is let go",
         {{1000, false, true, false},
          {1010, false, false, true},
          {1020, false, false, false},
          {5000, false, false, false},
          {-2, true, false, false},
          {6000, false, true, false}}},
        {"a slow second step while the timer is pending repaints at once",
         {{1000, false, true, false}, {1030, true, false, false}, {-1, true, false, true}}},
        {"letting go while the timer is pending repaints and stops it",
         {{1000, false, true, false}, {-2, true, false, true}, {2000, false, true, false}}},
        {"the clock may wrap around", {{0xFFFFFFF0, false, true, false}, {5, false, false, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SharedScrollState shared;
        ScrollThrottle throttle;
        int i = 0;
        for (const Event& e : c.events) {
            SCOPED_TRACE(i++);
            const ScrollThrottle::Step step = e.time == -1   ? throttle.timerFired()
                                              : e.time == -2 ? throttle.endScroll(shared)
                                                             : throttle.lineStep(shared, static_cast<unsigned>(e.time));
            EXPECT_EQ(step.repaint, e.repaint);
            EXPECT_EQ(step.startTimer, e.startTimer);
            EXPECT_EQ(step.killTimer, e.killTimer);
        }
    }
}

TEST(ScrollInput, FastScrollingIsSharedByAllControls) {
    SharedScrollState shared;
    ScrollThrottle first, second;
    first.lineStep(shared, 100);
    first.lineStep(shared, 110); // fast now
    const ScrollThrottle::Step step = second.lineStep(shared, 5000);
    EXPECT_FALSE(step.repaint);
    EXPECT_FALSE(step.startTimer);
    EXPECT_TRUE(first.endScroll(shared).repaint);
    EXPECT_TRUE(second.lineStep(shared, 6000).startTimer);
}
