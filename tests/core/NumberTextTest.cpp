// Numbers as text: axis labels at round values (the step, the decimals, the
// room and 0); numbers typed over a label, one number and nothing else or a
// refusal; counts with their thousands; shown values fitted to their room.
#include "core/NumberText.h"
#include "core/AxisTicks.h"
#include "core/TypedNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
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

TEST(TypedNumber, OneNumberAndNothingElse) {
    const std::pair<const char*, double> numbers[] = {
        {"5", 5.0},       {"  -1.96\t", -1.96}, {"+7", 7.0},        {".5", 0.5},
        {"5.", 5.0},      {"1e3", 1000.0},      {"-2.5E-1", -0.25}, {"1e-400", 0.0},
        {"1e308", 1e308}, {"5,5", 5.5},         {" -1,96", -1.96},  {",5", 0.5}};
    for (const auto& [text, value] : numbers) {
        const std::optional<double> read = ReadTypedNumber(text);
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_DOUBLE_EQ(*read, value) << text;
    }
    for (const char* text : {"",        "   ",       "-",     "+",     "+-5",  "--1",  "1,000.5",
                             "1.000,5", "1,000,000", "5 5",   "12abc", "abc",  "nan",  "inf",
                             "-inf",    "infinity",  "1e999", "0x1A",  "1..2", "0.3.5"})
        EXPECT_FALSE(ReadTypedNumber(text).has_value()) << text;
}

TEST(TypedNumber, CountsWithTheirThousandsAndShownValuesGiveUpDecimalsNeverDigits) {
    EXPECT_EQ(FormatGroupedInt(0) + " " + FormatGroupedInt(999) + " " + FormatGroupedInt(1000) +
                  " " + FormatGroupedInt(10000) + " " + FormatGroupedInt(-1234567) + " " +
                  FormatGroupedInt(-2147483647 - 1),
              "0 999 1,000 10,000 -1,234,567 -2,147,483,648");
    struct Case {
        double value;
        int decimals, chars;
        const char* text;
    };
    // -999999.6 is too long even whole: every digit stays.
    const Case cases[] = {{3.19, 2, 7, "3.19"},          {1536.8249, 2, 7, "1536.82"},
                          {-154.394, 2, 7, "-154.39"},   {50007.80, 2, 7, "50007.8"},
                          {3577.7089, 3, 7, "3577.71"},  {250012.34, 2, 7, "250012"},
                          {-999999.6, 2, 7, "-1000000"}, {-0.001, 2, 7, "0.00"},
                          {-0.004, 3, 7, "-0.004"},      {NAN, 2, 7, ""}};
    for (const Case& c : cases)
        EXPECT_EQ(FormatFitted(c.value, c.decimals, c.chars), c.text) << c.value;
}

} // namespace
