#include "tests/core/CoreTestSupport.h"
#include "windows/sampdist/SampDistModel.h"

#include <cmath>

namespace {

void UseWidth(BinWidth width) {
    g_binWidthWide = width == BinWidth::Wide;
    g_binWidthMedium = width == BinWidth::Medium;
    g_binWidthNarrow = width == BinWidth::Narrow;
    g_binWidthFinest = width == BinWidth::Finest;
}

// The column of the exact mean k / n, in whole numbers: column j holds the
// means from (j - 1.5) / M up to, not including, (j - 0.5) / M, so its
// number is 1 + floor(M k / n + 1/2) = 1 + floor((2 M k + n) / (2 n)).
int ExactBin(long long k, long long n, long long perUnit) {
    return 1 + static_cast<int>((2 * perUnit * k + n) / (2 * n));
}

using HistogramBins = CoreTest;

TEST_F(HistogramBins, EveryPossibleMeanLandsInTheColumnThatHoldsItExactly) {
    // Whole values 0..10 (D) and proportions (B) of samples of n: the means k / n.
    const std::pair<BinWidth, long long> widths[] = {
        {BinWidth::Wide, 2}, {BinWidth::Medium, 5}, {BinWidth::Narrow, 10}, {BinWidth::Finest, 20}};
    for (const char kind : {'D', 'B'})
        for (const int n : {4, 10, 20, 40, 100, 200})
            for (const auto& [width, perColumn] : widths) {
                UseKind(kind);
                UseWidth(width);
                const long long perUnit = kind == 'B' ? 10 * perColumn : perColumn;
                SCOPED_TRACE(std::string(1, kind) + " n=" + std::to_string(n) +
                             " M=" + std::to_string(perUnit));
                for (int k = 0; k <= (kind == 'B' ? n : 10 * n); ++k) {
                    const int exact = ExactBin(k, n, perUnit);
                    // The stored mean, and the same mean two float steps to either
                    // side, as other roundings would bring it: always the same column.
                    const float mean = static_cast<float>(k) / static_cast<float>(n);
                    float up = mean, down = mean;
                    ASSERT_EQ(HistogramBin(mean), exact) << "k=" << k << " mean " << mean;
                    for (int step = 0; step < 2; ++step) {
                        up = std::nextafter(up, 100.0f);
                        down = std::nextafter(down, -100.0f);
                        ASSERT_EQ(HistogramBin(up), exact) << "k=" << k << " above " << up;
                        ASSERT_TRUE(k == 0 || HistogramBin(down) == exact) << "k=" << k;
                    }
                }
            }
}

// Chi-square over the columns expecting 5 or more, below its 99.9 % point; counts
// and point from scipy (convolved discrete UNIFORM, binom p = .5, chi2.ppf).
TEST_F(HistogramBins, ALargeRunMatchesTheExactDistributionOfTheMean) {
    const struct {
        char kind;
        int n, firstColumn;
        std::vector<double> expected; // columns firstColumn, firstColumn + 1, ...
        double chiSquareLimit;
    } cases[] = {
        {'D',
         10,
         11,
         {6.24,   12.28,  22.63,  39.27,  64.46,  100.47, 149.17, 211.47, 286.86, 372.94, 465.33,
          557.86, 643.13, 713.48, 762.03, 783.80, 776.48, 740.85, 680.63, 601.89, 512.02, 418.69,
          328.79, 247.63, 178.61, 123.15, 80.98,  50.65,  30.03,  16.81,  8.83},
         61.10},
        {'B',
         100,
         18,
         {6.91, 24.24, 71.71, 179.55, 381.61, 690.21, 1064.33, 1401.18, 1576.18, 1515.56, 1245.49,
          874.27, 523.61, 267.13, 115.84, 42.58, 13.22},
         40.79}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        UseKind(c.kind);
        if (c.kind == 'D') ApplyPreset(PresetShape::Uniform);
        if (c.kind == 'B') SetBinomialP(0.5f);
        UseWidth(BinWidth::Medium);
        ASSERT_EQ(DrawSamples(kMaxSamples, c.n, quiet).drawn, kMaxSamples);
        double chiSquare = 0;
        for (std::size_t i = 0; i < c.expected.size(); ++i)
            chiSquare += std::pow(g_meanHistogram[c.firstColumn + int(i)] - c.expected[i], 2) /
                         c.expected[i];
        EXPECT_LT(chiSquare, c.chiSquareLimit);
    }
}

} // namespace
