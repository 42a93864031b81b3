#include "core/Statistic.h"
#include "core/StatisticTheory.h"
#include "tests/core/CoreTestSupport.h"
#include "windows/sampdist/HistogramModel.h"
#include "windows/sampdist/SliderModel.h"

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
        {{7.5f}, -1.0f, 7.5f, 0.0f, kNone, 0.0f},
    };
    auto expectNear = [](std::optional<float> got, float want, const char* what, int n) {
        ASSERT_EQ(got.has_value(), !std::isnan(want)) << what << " of n = " << n;
        if (!got) return;
        EXPECT_NEAR(*got, want, 2e-6 * std::max(1.0f, want)) << what << " of n = " << n;
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

// Theory where it exists: shapes, numbers, densities and distribution
// functions against scipy (chi2, t, the median's 1 / (2 f(M) sqrt n)).
TEST_F(StatisticTest, TheoryOfEachStatisticWhereItExists) {
    UseKind('C');
    ApplyPreset(PresetShape::Normal);
    const double variance = 3.25741337; // of the preset's columns, numpy
    struct Case {
        Statistic statistic;
        int n;
        bool tValues;
        TheoryShape shape;
        double scale;
        int df;
        double x, density, cdf; // at x, from scipy
    };
    const double se = 0.807144767; // sqrt(variance / 5)
    const Case cases[] = {
        {Statistic::Mean, 5, false, TheoryShape::Normal, se, 0, 6.0, 0.229427911, 0.892315237},
        {Statistic::Mean, 5, true, TheoryShape::StudentT, se, 4, 6.0, 0.206273552, 0.858449333},
        {Statistic::Variance, 5, false, TheoryShape::ScaledChiSquare, variance / 4, 4, 2.0,
         0.220823063, 0.347456937},
        {Statistic::VarianceN, 5, false, TheoryShape::ScaledChiSquare, variance / 5, 4, 4.0,
         0.109381717, 0.811054566},
        {Statistic::StandardDeviation, 5, false, TheoryShape::ScaledChi, variance / 4, 4, 1.5,
         0.639227911, 0.401751284},
        {Statistic::Range, 5, false, TheoryShape::None, 0, 0, 1.0, 0, -1},
        {Statistic::Variance, 1, false, TheoryShape::None, 0, 0, 1.0, 0, -1},
        {Statistic::Mean, 1, true, TheoryShape::None, 0, 0, 1.0, 0, -1},
    };
    for (const Case& c : cases) {
        const StatisticTheory theory = TheoryOf(c.statistic, c.n, c.tValues);
        const std::string what = std::to_string(int(c.statistic)) + " n " + std::to_string(c.n);
        ASSERT_EQ(theory.shape, c.shape) << what;
        EXPECT_EQ(theory.reason.empty(), c.shape != TheoryShape::None) << what;
        EXPECT_NEAR(theory.scale, c.scale, 2e-6) << what;
        EXPECT_EQ(theory.df, c.df) << what;
        EXPECT_NEAR(TheoryDensity(theory, c.x), c.density, 2e-6) << what;
        EXPECT_NEAR(TheoryCdf(theory, c.x), c.cdf, 2e-6) << what;
    }

    // An edited NORMAL is no longer normal; the discrete NORMAL is not either.
    g_popCurve[20] -= 3;
    RecomputePopulationParameters();
    EXPECT_EQ(TheoryOf(Statistic::Variance, 5, false).shape, TheoryShape::None);
    UseKind('D');
    ApplyPreset(PresetShape::Normal);
    EXPECT_EQ(TheoryOf(Statistic::StandardDeviation, 5, false).shape, TheoryShape::None);
    EXPECT_EQ(TheoryOf(Statistic::Median, 5, false).shape, TheoryShape::None);

    // SKEWED +: M = 2.6420765, f(M) = 0.256734007, SD at n = 30 from numpy.
    UseKind('C');
    ApplyPreset(PresetShape::SkewedPlus);
    const StatisticTheory median = TheoryOf(Statistic::Median, 30, false);
    ASSERT_EQ(median.shape, TheoryShape::Normal);
    EXPECT_NEAR(median.location, 2.6420765, 1e-5);
    EXPECT_NEAR(median.scale, 0.355570709, 1e-6);
}

// s^2 of 10,000 samples of five from the NORMAL preset: unbiased with n - 1,
// low by a fifth with n.
TEST_F(StatisticTest, VariancesOfNormalSamplesSitWhereTheoryPutsThem) {
    UseKind('C');
    ApplyPreset(PresetShape::Normal);
    const double variance = 3.25741337 + 0.04 / 12; // columns' spread plus within a column
    g_speed = 1;
    ASSERT_EQ(DrawSamples(10000, 5, quiet).drawn, 10000);
    for (const Statistic statistic : {Statistic::Variance, Statistic::VarianceN}) {
        const SortedStatistics sorted = SortedStatisticsOf(statistic);
        ASSERT_EQ(sorted.count, 10000);
        double sum = 0, sumSq = 0;
        for (int i = 1; i <= sorted.count; ++i) {
            sum += sorted.values[i];
            sumSq += double(sorted.values[i]) * sorted.values[i];
        }
        const double mean = sum / 1e4;
        const double se = std::sqrt((sumSq / 1e4 - mean * mean) / 1e4);
        const double target = statistic == Statistic::Variance ? variance : 0.8 * variance;
        EXPECT_NEAR(mean, target, 3 * se) << int(statistic);
    }
    // Over the Dorvane plot the curve of s^2 stands for the whole series: a
    // pixel is a seventh of a column, a column's height its expected count.
    SetSamplingDistLayout(624, 446);
    ChooseStatistic(Statistic::Variance);
    ChooseHistogramScale(5, 10000);
    TheoryCurve curve = ComputeTheoryCurve(5, 10000, 1);
    ASSERT_TRUE(curve.drawable);
    double columns = 0;
    for (int x = g_sdAxisLeft + 1; x <= g_sdAxisRight; ++x)
        columns += TheoryCurveHeight(curve, x) / g_histCountScale / 7.0;
    EXPECT_NEAR(columns, 10000, 100);
    EXPECT_FALSE(UpdateSliderReadouts(5, 10000).normalProportion.empty());
    // The range has no theory: no curve, no room kept for one, no figure.
    ChooseStatistic(Statistic::Range);
    curve = ComputeTheoryCurve(5, 10000, 1);
    EXPECT_FALSE(curve.drawable);
    EXPECT_EQ(TheoryCurveHeight(curve, g_sdAxisLeft + 100), 0.0);
    EXPECT_EQ(TheoryCurvePeak(5, 10000), 0.0);
    const SliderReadouts none = UpdateSliderReadouts(5, 10000);
    EXPECT_EQ(none.normalProportion + none.normalNumber + none.tProportion, "");
}

} // namespace
