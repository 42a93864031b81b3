// The bins of the sampling distribution for means of whole values and for
// proportions: every possible mean k / n lands in the column that holds it
// exactly, whatever side of an edge float rounding puts it on, so each column
// holds the number of possible means its width implies; a large run is as
// smooth as the exact distribution of the mean says; statistics below the
// first edge have no bin.
#include "core/Population.h"
#include "core/Random.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "windows/sampdist/SampDistModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Width {
    BinWidth width;
    const char* name;
    long long perUnit; // bins per unit of the statistic: 2, 5, 10, 20 (proportions 20 .. 200)
};

void UseWidth(BinWidth width) {
    g_binWidthWide = width == BinWidth::Wide;
    g_binWidthMedium = width == BinWidth::Medium;
    g_binWidthNarrow = width == BinWidth::Narrow;
    g_binWidthFinest = width == BinWidth::Finest;
}

void UseKind(char kind) {
    g_isContinuous = kind == 'C';
    g_isDiscrete = kind == 'D';
    g_isBinomial = kind == 'B';
}

// The column of the exact mean k / n, in whole numbers: column j holds the
// means from (j - 1.5) / M up to, not including, (j - 0.5) / M, so its
// number is 1 + floor(M k / n + 1/2) = 1 + floor((2 M k + n) / (2 n)).
int ExactBin(long long k, long long n, long long perUnit) {
    return 1 + static_cast<int>((2 * perUnit * k + n) / (2 * n));
}

// The mean of a sample of n whole values summing to k, as a run stores it.
float StoredMean(int k, int n) {
    return static_cast<float>(k) / static_cast<float>(n);
}

class HistogramBins : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSimulationState();
        SetSecondsClock([] { return std::int64_t{1700000000}; });
        SetPopulationGeometry(300, 432);
    }
    void TearDown() override { SetSecondsClock({}); }
};

TEST_F(HistogramBins, EveryColumnHoldsThePossibleMeansItsWidthImplies) {
    struct Case {
        char kind; // Discrete values 0..10 or Binomial proportions 0..1
        int n;     // sample size; the possible means are k / n
        BinWidth width;
        long long perUnit;
        // Possible means in each column away from the ends, from the second
        // column on, in turn (they alternate where the means are coarser than
        // the columns).
        std::vector<int> interior;
    };
    const Case cases[] = {
        {'D', 10, BinWidth::Wide, 2, {5}},
        {'D', 10, BinWidth::Medium, 5, {2}},
        {'D', 10, BinWidth::Narrow, 10, {1}},
        {'D', 10, BinWidth::Finest, 20, {0, 1}},
        {'D', 20, BinWidth::Wide, 2, {10}},
        {'D', 20, BinWidth::Medium, 5, {4}},
        {'D', 20, BinWidth::Narrow, 10, {2}},
        {'D', 20, BinWidth::Finest, 20, {1}},
        {'D', 4, BinWidth::Wide, 2, {2}},
        {'D', 40, BinWidth::Finest, 20, {2}},
        {'B', 100, BinWidth::Wide, 20, {5}},
        {'B', 100, BinWidth::Medium, 50, {2}},
        {'B', 100, BinWidth::Narrow, 100, {1}},
        {'B', 100, BinWidth::Finest, 200, {0, 1}},
        {'B', 10, BinWidth::Medium, 50, {0, 0, 0, 0, 1}},
        {'B', 200, BinWidth::Finest, 200, {1}},
        {'B', 40, BinWidth::Wide, 20, {2}},
    };
    for (const Case& c : cases) {
        UseKind(c.kind);
        UseWidth(c.width);
        const int top = c.kind == 'B' ? c.n : 10 * c.n; // the largest sum
        SCOPED_TRACE(std::string(1, c.kind) + " n=" + std::to_string(c.n) +
                     " M=" + std::to_string(c.perUnit));
        std::map<int, int> inColumn;
        for (int k = 0; k <= top; ++k) {
            const int exact = ExactBin(k, c.n, c.perUnit);
            ++inColumn[exact];
            // The stored mean, and the same mean two float steps to either
            // side, as other roundings would bring it: always the same column.
            float mean = StoredMean(k, c.n);
            ASSERT_EQ(HistogramBin(mean), exact) << "k=" << k << " mean " << mean;
            float up = mean, down = mean;
            for (int step = 0; step < 2; ++step) {
                up = std::nextafter(up, 100.0f);
                down = std::nextafter(down, -100.0f);
                ASSERT_EQ(HistogramBin(up), exact) << "k=" << k << " above " << up;
                if (k > 0) {
                    ASSERT_EQ(HistogramBin(down), exact) << "k=" << k << " below " << down;
                }
            }
        }
        // Columns between the first and the last full one hold the same
        // number of means (or alternate, as the table says).
        const int first = inColumn.begin()->first + 1, last = inColumn.rbegin()->first - 1;
        for (int bin = first; bin <= last; ++bin) {
            const int expected = c.interior[(bin - first) % c.interior.size()];
            EXPECT_EQ(inColumn.count(bin) ? inColumn[bin] : 0, expected) << "column " << bin;
        }
    }
}

TEST_F(HistogramBins, NothingBelowTheFirstEdgeLandsInTheFirstColumn) {
    UseKind('C');
    UseWidth(BinWidth::Medium); // column 1 holds -0.1 up to 0.1
    EXPECT_EQ(HistogramBin(-0.1f), 1);
    EXPECT_EQ(HistogramBin(0.0f), 1);
    for (float x : {-0.11f, -0.2f, -0.29f, -0.5f, -7.0f})
        EXPECT_EQ(HistogramBin(x), 0) << x;
    UseWidth(BinWidth::Wide); // column 1 holds -0.25 up to 0.25
    EXPECT_EQ(HistogramBin(-0.25f), 1);
    EXPECT_EQ(HistogramBin(-0.3f), 0);
    EXPECT_EQ(HistogramBin(-0.74f), 0);
}

// A run of 10,000 samples against the exact distribution of the mean, at the
// default width: the chi-square distance over the columns that expect at
// least 5 samples stays below its 99.9 % point. The expected counts and that
// point come from an independent computation (the convolution of the
// population for the discrete UNIFORM, scipy.stats.binom for p = .5, and
// scipy.stats.chi2.ppf).
struct SmoothCase {
    const char* name;
    char kind;
    int n;
    int firstColumn;
    std::vector<double> expected; // columns firstColumn, firstColumn + 1, ...
    double chiSquareLimit;
};

// The case by its name in the test listing.
void PrintTo(const SmoothCase& c, std::ostream* os) {
    *os << c.name;
}

class SmoothHistogram : public HistogramBins, public ::testing::WithParamInterface<SmoothCase> {};

TEST_P(SmoothHistogram, MatchesTheExactDistributionOfTheMean) {
    const SmoothCase& c = GetParam();
    if (c.kind == 'D') {
        UseKind('D');
        ApplyPreset(PresetShape::Uniform);
    } else {
        UseKind('B');
        SetBinomialP(0.5f);
    }
    SampleDisplay quiet;
    ASSERT_EQ(DrawSamples(kMaxSamples, c.n, quiet).drawn, kMaxSamples);

    // The engine's columns are those of the exact means k / n.
    std::vector<int> exact(kHistogramBins + 1, 0);
    for (int r = 1; r <= kMaxSamples; ++r) {
        const long long k = std::lround(double(g_sampleStore[r].mean) * c.n);
        ++exact[ExactBin(k, c.n, c.kind == 'B' ? 50 : 5)];
    }
    EXPECT_EQ(std::vector<int>(g_meanHistogram, g_meanHistogram + kHistogramBins + 1), exact);

    double chiSquare = 0;
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
        const double observed = g_meanHistogram[c.firstColumn + int(i)];
        chiSquare += std::pow(observed - c.expected[i], 2) / c.expected[i];
    }
    EXPECT_LT(chiSquare, c.chiSquareLimit);

    // Rebuilt at every width, the histogram again holds the exact columns.
    const std::pair<BinWidth, long long> widths[] = {
        {BinWidth::Wide, 2}, {BinWidth::Medium, 5}, {BinWidth::Narrow, 10}, {BinWidth::Finest, 20}};
    for (const auto& [width, perUnit] : widths) {
        UseWidth(width);
        Rebin(c.n);
        std::fill(exact.begin(), exact.end(), 0);
        for (int r = 1; r <= kMaxSamples; ++r) {
            const long long k = std::lround(double(g_sampleStore[r].mean) * c.n);
            ++exact[ExactBin(k, c.n, c.kind == 'B' ? perUnit * 10 : perUnit)];
        }
        EXPECT_EQ(std::vector<int>(g_meanHistogram, g_meanHistogram + kHistogramBins + 1), exact)
            << "width with " << perUnit << " columns a unit";
    }
}

INSTANTIATE_TEST_SUITE_P(
    DefaultWidth, SmoothHistogram,
    ::testing::Values(SmoothCase{"DiscreteUniformOfTen",
                                 'D',
                                 10,
                                 11,
                                 {6.24,   12.28,  22.63,  39.27,  64.46,  100.47, 149.17, 211.47,
                                  286.86, 372.94, 465.33, 557.86, 643.13, 713.48, 762.03, 783.80,
                                  776.48, 740.85, 680.63, 601.89, 512.02, 418.69, 328.79, 247.63,
                                  178.61, 123.15, 80.98,  50.65,  30.03,  16.81,  8.83},
                                 61.10},
                      SmoothCase{"BinomialHalfOfAHundred",
                                 'B',
                                 100,
                                 18,
                                 {6.91, 24.24, 71.71, 179.55, 381.61, 690.21, 1064.33, 1401.18,
                                  1576.18, 1515.56, 1245.49, 874.27, 523.61, 267.13, 115.84, 42.58,
                                  13.22},
                                 40.79}),
    [](const ::testing::TestParamInfo<SmoothCase>& info) { return std::string(info.param.name); });

} // namespace
