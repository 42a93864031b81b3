// Axis labels at round values: the step, the decimals, the room and 0.
#include "core/AxisTicks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

TEST(AxisTicks, RoundStepsAsManyAsFitApart) {
    // Six pixels a character, labels kept 2 pixels apart; the axis runs
    // linearly from lo at pixel 0 to hi at pixel `length`. Each expectation is
    // worked out by hand: the smallest of 1, 2, 5 x 10^k whose labels fit.
    struct Case {
        double lo, hi, length, minX, maxX;
        std::vector<std::string> texts;
    };
    // 20 px a unit: 0.5 would give "0.5" (18 px) every 10 px; 1 fits. A t
    // axis from -3.5 to 7.3: whole numbers, 0 among them. SET 100 / 15 on the
    // population axis: 21.6 px between fives. House prices: "150000" is 36 px,
    // 50,000 apart only 37.5 px. One decimal for tenths; labels that would
    // stick out of the room (0.0 and 1.0) are left out. The first multiple of
    // the step is -0: it reads "0". Reversed ends are the same axis. No width:
    // the one value; not finite: nothing. Too narrow for any label.
    const std::vector<std::string> zeroToTen = {"0", "1", "2", "3", "4", "5",
                                                "6", "7", "8", "9", "10"};
    // clang-format off
    const Case cases[] = {
        {0, 10, 200, -10, 210, zeroToTen},
        {-3.5, 7.3, 216, -10, 226, {"-3", "-2", "-1", "0", "1", "2", "3", "4", "5", "6", "7"}},
        {76.8, 123.2, 200, -10, 210, {"80", "85", "90", "95", "100", "105", "110", "115", "120"}},
        {116666.67, 383333.33, 200, -10, 210, {"200000", "300000"}},
        {0, 1, 100, 0, 100, {"0.2", "0.4", "0.6", "0.8"}},
        {-0.3, 5, 106, -10, 116, {"0", "1", "2", "3", "4", "5"}},
        {10, 0, 200, -10, 210, zeroToTen},
        {50, 50, 200, -10, 210, {"50.00"}}, {NAN, 1, 200, -10, 210, {}},
        {0, INFINITY, 200, -10, 210, {}},   {0, 1000000, 20, 0, 20, {}}};
    // clang-format on
    for (const Case& c : cases) {
        const double lo = std::fmin(c.lo, c.hi);
        AxisLabelRoom room;
        room.xOf = [&](double v) {
            return c.hi == c.lo ? 0.0 : (v - lo) / std::fabs(c.hi - c.lo) * c.length;
        };
        room.widthOf = [](const std::string& text) { return 6.0 * text.size(); };
        room.minX = c.minX;
        room.maxX = c.maxX;
        room.gap = 2;
        const std::vector<AxisTick> ticks = NiceTicks(c.lo, c.hi, room);
        std::vector<std::string> texts;
        for (const AxisTick& t : ticks) {
            texts.push_back(t.text);
            EXPECT_EQ(t.x, room.xOf(t.value)) << t.text;
        }
        EXPECT_EQ(texts, c.texts) << c.lo << " .. " << c.hi;
    }
}

} // namespace
