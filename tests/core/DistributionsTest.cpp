#include "core/Distributions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const float kNan = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

using DistributionsTest = ::testing::Test;

// Its values show through the tail probabilities below; outside [0, 1] it is
// clamped, so the result stays a number.
TEST_F(DistributionsTest, BetaAIAtAndOutsideTheEndsOfItsRange) {
    const float a[] = {2500, 4.5f, 2, 2, 2}, b[] = {0.5f, 0.5f, 3, 3, 3};
    const float x[] = {0, 1, 1.5f, -0.25f, kNan}, expected[] = {0, 1, 1, 0, 0};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(BetaAI(a[i], b[i], x[i]), expected[i]) << x[i];
}

TEST_F(DistributionsTest, TailProbNormalAndStudent) {
    // The normal's own tails, written out once from scipy.stats.norm.cdf / .sf
    // to six decimals: every readout shows four. (A t with 5000 degrees of
    // freedom in single precision gave 0.0617 at -1.544 and 0.7893 at 0.8.)
    struct Case {
        double z, below, above;
    };
    const Case normal[] = {
        {-6.0, 0.000000, 1.000000}, {-3.891, 0.000050, 0.999950}, {-1.544, 0.061294, 0.938706},
        {0.0, 0.500000, 0.500000},  {0.8, 0.788145, 0.211855},    {1.96, 0.975002, 0.024998},
        {4.2, 0.999987, 0.000013},  {5.0, 1.000000, 0.000000},
    };
    for (const Case& c : normal) {
        EXPECT_NEAR(NormalTail(c.z, Tail::Lower), c.below, 6e-7) << c.z;
        EXPECT_NEAR(NormalTail(c.z, Tail::Upper), c.above, 6e-7) << c.z;
        EXPECT_NEAR(TailProb(static_cast<float>(c.z), Tail::Lower, TailDistribution::Normal, 25),
                    c.below, 1e-6)
            << c.z;
    }
    EXPECT_EQ(NormalTail(NAN, Tail::Lower), -1.0);
    // Student's t: no distribution below two values.
    for (int n : {1, 0, -7})
        EXPECT_EQ(TailProb(1.0f, Tail::Lower, TailDistribution::StudentT, n), -1.0f) << n;
    // Two values: one degree of freedom, the Cauchy distribution.
    EXPECT_NEAR(TailProb(-1.0f, Tail::Lower, TailDistribution::StudentT, 2), 0.25f, 1e-5);
    EXPECT_NEAR(TailProb(2.262f, Tail::Lower, TailDistribution::StudentT, 10), 0.975f, 1e-4);
    // Never "nan".
    EXPECT_EQ(TailProb(kNan, Tail::Lower, TailDistribution::StudentT, 20), -1.0f);
    EXPECT_EQ(TailProb(kInf, Tail::Upper, TailDistribution::StudentT, 5), 0.0f);
    for (float t : {1e-20f, 1e20f, -3e30f})
        for (TailDistribution d : {TailDistribution::Normal, TailDistribution::StudentT})
            EXPECT_FALSE(std::isnan(TailProb(t, Tail::Lower, d, 1000))) << t;
}

TEST_F(DistributionsTest, CriticalTOutsideItsDomainIsZeroNeverARunawaySearch) {
    const std::pair<float, int> outside[] = {{0.0f, 9}, {1.0f, 9},   {-0.2f, 9},  {1.5f, 9},
                                             {kNan, 9}, {0.025f, 0}, {0.025f, -4}};
    for (const auto& [alpha, df] : outside)
        EXPECT_EQ(CriticalT(alpha, df), 0.0f) << alpha << ", " << df;
    EXPECT_EQ(CriticalT(1e-12f, 1), kCriticalTLimit); // too thin to reach: the search limit
}

} // namespace
