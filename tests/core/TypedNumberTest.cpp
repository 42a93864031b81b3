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
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {{"5", 5.0},
                          {"  -1.96\t", -1.96},
                          {"+7", 7.0},
                          {".5", 0.5},
                          {"5.", 5.0},
                          {"1e3", 1000.0},
                          {"-2.5E-1", -0.25},
                          {"1e-400", 0.0},
                          {"1e308", 1e308},
                          {"", std::nullopt},
                          {"   ", std::nullopt},
                          {"-", std::nullopt},
                          {"+", std::nullopt},
                          {"+-5", std::nullopt},
                          {"5,5", std::nullopt},
                          {"5 5", std::nullopt},
                          {"12abc", std::nullopt},
                          {"abc", std::nullopt},
                          {"nan", std::nullopt},
                          {"-inf", std::nullopt},
                          {"infinity", std::nullopt},
                          {"1e999", std::nullopt},
                          {"0x1A", std::nullopt},
                          {"1..2", std::nullopt}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> read = ReadTypedNumber(c.text);
        ASSERT_EQ(read.has_value(), c.value.has_value());
        if (read) {
            EXPECT_DOUBLE_EQ(*read, *c.value);
        }
    }
}

TEST(TypedNumber, CountsAreWrittenWithTheirThousands) {
    EXPECT_EQ(FormatGroupedInt(0), "0");
    EXPECT_EQ(FormatGroupedInt(999), "999");
    EXPECT_EQ(FormatGroupedInt(1000), "1,000");
    EXPECT_EQ(FormatGroupedInt(10000), "10,000");
    EXPECT_EQ(FormatGroupedInt(-1234567), "-1,234,567");
    EXPECT_EQ(FormatGroupedInt(-2147483647 - 1), "-2,147,483,648");
}

TEST(TypedNumber, ShownValuesGiveUpDecimalsNeverDigits) {
    struct Case {
        double value;
        int decimals, chars;
        const char* text;
    };
    const Case cases[] = {
        {3.19, 2, 7, "3.19"},          {1536.8249, 2, 7, "1536.82"}, {-154.394, 2, 7, "-154.39"},
        {50007.80, 2, 7, "50007.8"},   {3577.7089, 3, 7, "3577.71"}, {250012.34, 2, 7, "250012"},
        {-999999.6, 2, 7, "-1000000"}, // too long even whole: every digit stays
        {-0.001, 2, 7, "0.00"},        {-0.004, 3, 7, "-0.004"},     {NAN, 2, 7, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFitted(c.value, c.decimals, c.chars), c.text) << c.value;
}

} // namespace
