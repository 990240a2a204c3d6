// Settings kinds with their defaults and checks, and the derived page and
// column counts.
#include <gtest/gtest.h>

#include "LayoutMetrics.h"

using namespace nimbet;

TEST(LayoutMetrics, DefaultsAndChecks) {
    LayoutMetrics metrics;
    const int defaults[] = {4, 10, 50, 7, 700, 3, 0, 15, 1, 2, 2, 0};
    for (int kind = 0; kind < 12; ++kind)
        EXPECT_EQ(metrics.get(kind), defaults[kind]) << kind;

    struct Case {
        int kind, value;
        NimbetResult result;
    } cases[] = {
        {0, 8, NIMBET_OK},      {0, 0, NIMBET_BADARG},  {0, -2, NIMBET_BADARG}, {1, 0, NIMBET_OK},
        {1, -1, NIMBET_BADARG}, {2, -5, NIMBET_BADARG}, {6, -1, NIMBET_BADARG}, {6, 3, NIMBET_OK},
        {12, 1, NIMBET_OK},     {13, 0, NIMBET_BADARG}, {-1, 0, NIMBET_BADARG}, {5, -3, NIMBET_OK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " = " << c.value);
        const int before = metrics.get(c.kind);
        EXPECT_EQ(metrics.set(c.kind, c.value), c.result);
        if (c.kind != 12) {
            EXPECT_EQ(metrics.get(c.kind), c.result == NIMBET_OK ? c.value : before);
        }
    }
}

TEST(LayoutMetrics, PageAndVisibleColumns) {
    LayoutMetrics metrics;
    EXPECT_EQ(metrics.visibleColumns(), 0) << "no font yet";
    metrics.setFont(8, 17);
    metrics.setWindowSize(640, 480);
    metrics.setScrollBarWidth(16);
    metrics.setClientSize(620, 460);
    EXPECT_EQ(metrics.visibleColumns(), (640 - 16 - 50 - 4) / 8);
    EXPECT_EQ(metrics.page(), (460 - 10) / 17 + 1);
    ASSERT_EQ(metrics.set(kMetricLineSpacing, 3), NIMBET_OK);
    ASSERT_EQ(metrics.set(kMetricRulerHeight, 0), NIMBET_OK);
    ASSERT_EQ(metrics.set(kMetricLineNumberWidth, 0), NIMBET_OK);
    EXPECT_EQ(metrics.page(), 460 / 20 + 1);
    EXPECT_EQ(metrics.visibleColumns(), (640 - 16 - 4) / 8);
    metrics.setClientSize(620, 5);
    EXPECT_EQ(metrics.page(), 1);
}
