#include "core/Statistic.h"
#include "tests/core/CoreTestSupport.h"

#include <cmath>
#include <optional>
#include <random>
#include <vector>

namespace {

class StatisticTest : public CoreTest {};

constexpr float kNone = NAN; // the sample has no value of the statistic

// Expected values from numpy (median, ptp, std / var with ddof 1 and 0).
TEST_F(StatisticTest, ValuesOfOneSample) {
    struct Case {
        std::vector<float> values;
        float sd; // s as the engine keeps it
        float median, range, variance, varianceN;
    };
    const Case cases[] = {
        {{3, 1, 2}, 1.0f, 2.0f, 2.0f, 1.0f, 0.666666667f},
        {{4, 1, 3, 2}, 1.29099445f, 2.5f, 3.0f, 1.66666667f, 1.25f},
        {{0.2f, 9.8f, 5.0f, 5.6f, 0.4f, 6.6f}, 3.72021505f, 5.3f, 9.6f, 13.84f, 11.5333333f},
        {{6, 2}, 2.82842712f, 4.0f, 4.0f, 8.0f, 4.0f},
        {{7.5f}, -1.0f, 7.5f, 0.0f, kNone, 0.0f},
    };
    auto expectNear = [](std::optional<float> got, float want, const char* what, int n) {
        if (std::isnan(want)) {
            EXPECT_FALSE(got.has_value()) << what << " of n = " << n;
        } else {
            ASSERT_TRUE(got.has_value()) << what << " of n = " << n;
            EXPECT_NEAR(*got, want, 2e-6 * std::max(1.0f, want)) << what << " of n = " << n;
        }
    };
    for (const Case& c : cases) {
        SampleRow& row = g_sampleStore[1];
        const int n = static_cast<int>(c.values.size());
        for (int j = 0; j < n; ++j)
            row.values[j + 1] = c.values[j];
        row.sd = c.sd;
        KeepOrderedStatistics(row, n);
        expectNear(row.median, c.median, "kept median", n);
        expectNear(row.range, c.range, "kept range", n);
        expectNear(StatisticOf(row, n, Statistic::Median), c.median, "median", n);
        expectNear(StatisticOf(row, n, Statistic::Range), c.range, "range", n);
        expectNear(StatisticOf(row, n, Statistic::StandardDeviation), n > 1 ? c.sd : kNone, "SD",
                   n);
        expectNear(StatisticOf(row, n, Statistic::Variance), c.variance, "variance", n);
        expectNear(StatisticOf(row, n, Statistic::VarianceN), c.varianceN, "variance (n)", n);
        EXPECT_EQ(row.values[1], c.values[0]) << "the values stay in drawing order";
    }
    // Larger samples of every size, with and without ties, against a sorted copy.
    std::mt19937 pick(24);
    for (int trial = 0; trial < 600; ++trial) {
        const int n = trial < 2 ? 1000 : 2 + pick() % 999;
        const bool ties = trial % 2;
        SampleRow& row = g_sampleStore[1];
        for (int j = 1; j <= n; ++j)
            row.values[j] = ties ? float(pick() % 11) : float(pick() % 100000) / 10000.0f;
        std::vector<float> sorted(row.values + 1, row.values + n + 1);
        std::sort(sorted.begin(), sorted.end());
        const double median =
            n % 2 ? sorted[n / 2] : (double(sorted[n / 2 - 1]) + sorted[n / 2]) / 2;
        EXPECT_EQ(StatisticOf(row, n, Statistic::Median), float(median)) << n << ties;
        EXPECT_EQ(StatisticOf(row, n, Statistic::Range), sorted.back() - sorted.front()) << n;
    }
}

// The discrete uniform population, n = 3: the medians and ranges of 10,000
// samples against their exact distributions, from all 11^3 samples (counts
// out of 1331, by python). Half the series is drawn before the median is
// chosen, half after, so both the switch and the engine keep them.
TEST_F(StatisticTest, MedianAndRangeOfUniformTriplesFollowTheirExactDistributions) {
    UseKind('C'); // values 0..10: column 0 from 0, column 50 up to 10
    ApplyPreset(PresetShape::Uniform);
    EXPECT_NEAR(PopulationValueOf(Statistic::Range).value_or(-1), 10.0, 1e-9);
    UseKind('D');
    ApplyPreset(PresetShape::Uniform);
    // The parameters of 0..10 equally likely (numpy): M, sigma, sigma^2 twice, span.
    const double parameters[] = {5.0, 3.16227766, 10.0, 10.0, 10.0};
    for (int s = 1; s <= 5; ++s)
        EXPECT_NEAR(PopulationValueOf(Statistic(s)).value_or(-1), parameters[s - 1], 1e-5) << s;
    g_speed = 1;
    DrawSamples(5000, 3, quiet);
    ChooseStatistic(Statistic::Median);
    g_addMoreMode = 1;
    ASSERT_EQ(DrawSamples(5000, 3, quiet).drawn, 5000);

    const int medianCounts[11] = {31, 85, 127, 157, 175, 181, 175, 157, 127, 85, 31};
    const int rangeCounts[11] = {11, 60, 108, 144, 168, 180, 180, 168, 144, 108, 60};
    const double critical = 35.564014; // scipy chi2.isf(1e-4, 10)
    for (Statistic statistic : {Statistic::Median, Statistic::Range}) {
        const int* exact = statistic == Statistic::Median ? medianCounts : rangeCounts;
        const SortedStatistics sorted = SortedStatisticsOf(statistic);
        ASSERT_EQ(sorted.count, 10000);
        EXPECT_TRUE(std::is_sorted(sorted.values + 1, sorted.values + 1 + sorted.count));
        double observed[11] = {};
        for (int i = 1; i <= sorted.count; ++i) {
            const float v = sorted.values[i];
            ASSERT_EQ(v, std::round(v)) << "whole values only";
            ASSERT_TRUE(v >= 0 && v <= 10) << v;
            observed[static_cast<int>(v)] += 1;
        }
        double chiSquare = 0;
        for (int k = 0; k <= 10; ++k) {
            const double expected = 10000.0 * exact[k] / 1331.0;
            chiSquare += (observed[k] - expected) * (observed[k] - expected) / expected;
        }
        EXPECT_LT(chiSquare, critical) << (statistic == Statistic::Median ? "median" : "range");
    }
}

} // namespace
