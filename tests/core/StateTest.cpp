#include "core/Random.h"
#include "core/SimulationState.h"

#include <gtest/gtest.h>

TEST(SimulationState, StartUpValues) {
    ResetSimulationState();
    EXPECT_EQ(g_isContinuous, 1);
    EXPECT_EQ(g_speed, 2);
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(g_binWidthMedium, 1);
    EXPECT_EQ(g_oneSlider, 1);
    EXPECT_FLOAT_EQ(g_dispScale, 1.0f);
    EXPECT_FLOAT_EQ(g_histCountScale, 4.0f);
    EXPECT_EQ(g_seriesModeLabel, "ADD");
    ASSERT_NE(g_sampleStore, nullptr);
    for (int i = 0; i <= 10; ++i) EXPECT_EQ(g_discreteValue[i], i);
}

TEST(Random, FixedLinearCongruentialStream) {
    // state = state * 214013 + 2531011; result = bits 16..30.
    Srand(1);
    EXPECT_EQ(Rand(), 41);
    EXPECT_EQ(Rand(), 18467);
    EXPECT_EQ(Rand(), 6334);
    Srand(1);
    EXPECT_EQ(Rand(), 41);
}
