// Numbers typed over a label: one number and nothing else, or a refusal; and
// counts written with their thousands; shown values fitted to their room.
#include "core/TypedNumber.h"
#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace {

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
