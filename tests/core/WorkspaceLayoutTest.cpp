// The layout for the screen: a row of windows side by side along the top,
// whole rows below while they fit, the rest overlapping inside the view (or
// from its top when taller); and the scroll that brings a control into view.
#include "core/WorkspaceLayout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

// A rectangle reads as its corners in a failure, not as bytes.
static void PrintTo(const Rect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

TEST(WorkspaceLayout, WindowsStandSideBySideThenInRowsThenOverlapInView) {
    // Population, Dorvane, Samples and Confidence Intervals at scale 1.
    const std::vector<WindowSize> tools = {{308, 460}, {632, 474}, {328, 430}, {517, 568}};
    struct Case {
        const char* what;
        int width, height;
        std::vector<WindowSize> sizes;
        int inUse;
        std::vector<int> clear;
        std::vector<Rect> expected;
    };
    // At 1.5 none fits under the row: they overlap from the top right, a step
    // apart, and the one in use stands in the row unless it is too wide for it.
    // clang-format off
    const Case cases[] = {
        {"scale 1.5, in use", 907, 373, tools, 3, {1, 0, 0, 1},
         {{0, 0, 308, 460}, {275, 0, 907, 474}, {555, 0, 883, 430}, {308, 0, 825, 568}}},
        {"two rows", 500, 500, {{200, 100}, {200, 100}, {200, 100}, {300, 300}}, -1, {1, 1, 1, 1},
         {{0, 0, 200, 100}, {200, 0, 400, 100}, {0, 100, 200, 200}, {200, 100, 500, 400}}},
        {"too wide in use", 300, 200, {{400, 100}, {100, 250}, {150, 260}}, 0, {0, 1, 1},
         {{0, 100, 400, 200}, {0, 0, 100, 250}, {100, 0, 250, 260}}}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<Placement> placed = ArrangeWindows(c.width, c.height, c.sizes, c.inUse);
        ASSERT_EQ(placed.size(), c.expected.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(placed[i].rect, c.expected[i]);
            EXPECT_EQ(placed[i].clear, c.clear[i]);
        }
    }
}

TEST(WorkspaceLayout, ScrollBringsASpanIntoView) {
    struct Case {
        int first, past, view, scroll;
    };
    const Case cases[] = {{10, 20, 100, 0},   {0, 100, 100, 0},   {-30, -10, 100, -30},
                          {90, 120, 100, 20}, {50, 250, 100, 50}, {-50, 250, 100, -50}};
    for (const Case& c : cases)
        EXPECT_EQ(ScrollToShow(c.first, c.past, c.view), c.scroll)
            << c.first << ".." << c.past << " in " << c.view;
}

} // namespace
