#include "core/Random.h"

#include <gtest/gtest.h>

TEST(Random, FixedLinearCongruentialStream) {
    // state = state * 214013 + 2531011; result = bits 16..30.
    Srand(1);
    EXPECT_EQ(Rand(), 41);
    EXPECT_EQ(Rand(), 18467);
    EXPECT_EQ(Rand(), 6334);
    Srand(1);
    EXPECT_EQ(Rand(), 41);
}
