#include "core/ShapeRamps.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Slice(const int* heights, int from, int to) {
    return std::vector<int>(heights + from, heights + to + 1);
}

TEST(ShapeRamps, RampChoiceFollowsTheNeighbouringSegments) {
    EXPECT_EQ(ChooseRamp(10, 0, -10), RampKind::Flat);
    EXPECT_EQ(ChooseRamp(0, 20, 0), RampKind::SCurve);
    EXPECT_EQ(ChooseRamp(-5, 20, -5), RampKind::SCurve); // both neighbours run the other way
    EXPECT_EQ(ChooseRamp(0, 20, 20), RampKind::CubicIn);
    EXPECT_EQ(ChooseRamp(20, 20, 0), RampKind::CubicOut);
    EXPECT_EQ(ChooseRamp(20, 20, 10), RampKind::QuadraticOut);
    EXPECT_EQ(ChooseRamp(20, 20, 20), RampKind::Linear);
    EXPECT_EQ(ChooseRamp(20, 20, 30), RampKind::QuadraticIn);
    // Falling segments compare magnitudes, not signed values.
    EXPECT_EQ(ChooseRamp(-20, -20, -10), RampKind::QuadraticOut);
    EXPECT_EQ(ChooseRamp(-20, -20, -30), RampKind::QuadraticIn);
}

TEST(ShapeRamps, QuadraticRampFractions) {
    // The other kinds show in the examples below.
    auto offsets = [](RampKind kind) {
        std::vector<int> out;
        for (int k = 1; k <= 4; ++k)
            out.push_back(RampOffset(kind, k, 1000));
        return out;
    };
    EXPECT_EQ(offsets(RampKind::QuadraticIn), (std::vector<int>{157, 336, 536, 757}));
    EXPECT_EQ(offsets(RampKind::QuadraticOut), (std::vector<int>{242, 463, 663, 842}));
}

TEST(ShapeRamps, PeakValleyAndStaircase) {
    // A single peak of 200 on an empty curve.
    int peak[51] = {};
    peak[25] = 200;
    RebuildRampHeights(peak);
    EXPECT_EQ(Slice(peak, 20, 30),
              (std::vector<int>{0, 11, 33, 166, 188, 200, 189, 167, 34, 12, 0}));
    EXPECT_EQ(Slice(peak, 0, 19), std::vector<int>(20, 0));

    // A valley of 0 in a curve 200 high.
    int valley[51];
    for (int& h : valley)
        h = 200;
    valley[25] = 0;
    RebuildRampHeights(valley);
    EXPECT_EQ(Slice(valley, 20, 30),
              (std::vector<int>{200, 189, 167, 34, 12, 0, 11, 33, 166, 188, 200}));

    // Handles 0, 20, ..., 200: eases in, runs straight, eases out.
    int stairs[51] = {};
    for (int j = 0; j <= 10; ++j)
        stairs[5 * j] = 20 * j;
    RebuildRampHeights(stairs);
    EXPECT_EQ(Slice(stairs, 0, 5), (std::vector<int>{0, 1, 3, 6, 12, 20}));
    for (int c = 5; c <= 45; ++c)
        EXPECT_EQ(stairs[c], 4 * c) << "column " << c;
    EXPECT_EQ(Slice(stairs, 46, 50), (std::vector<int>{187, 193, 196, 198, 200}));
}

TEST(ShapeRamps, EveryRampEndsOnItsHandleAndStaysBetweenThem) {
    // Irregular handles, including plateaus and reversals.
    const int handles[11] = {0, 37, 37, 250, 3, 90, 91, 260, 120, 0, 77};
    int heights[51] = {};
    for (int j = 0; j <= 10; ++j)
        heights[5 * j] = handles[j];
    RebuildRampHeights(heights);
    for (int j = 0; j < 10; ++j) {
        const int a = handles[j], b = handles[j + 1];
        EXPECT_EQ(heights[5 * j], a);
        for (int k = 1; k <= 4; ++k) {
            const int h = heights[5 * j + k];
            EXPECT_GE(h, std::min(a, b)) << "column " << 5 * j + k;
            EXPECT_LE(h, std::max(a, b)) << "column " << 5 * j + k;
        }
    }
    EXPECT_EQ(heights[50], 77);
    EXPECT_EQ(Slice(heights, 5, 10), std::vector<int>(6, 37)); // a plateau stays flat
}

} // namespace
