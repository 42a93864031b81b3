// Numbers typed over a label: one number and nothing else, or a refusal; and
// counts written with their thousands.
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

} // namespace
