#include "tests/core/CoreTestSupport.h"
#include "windows/sampdist/SampDistModel.h"

#include <cmath>
#include <numeric>
#include <utility>

namespace {

class SamplingEngineTest : public CoreTest {
  protected:
    // Column weights of the current kind: zero but at the (column, weight) pairs.
    static void SetSpikes(std::initializer_list<std::pair<int, int>> spikes) {
        std::fill(g_popCurve, g_popCurve + kCurveSlots, g_popBaseline);
        for (auto [column, weight] : spikes)
            g_popCurve[column + 1] = g_popBaseline - weight;
        RecomputePopulationParameters();
    }
    // A discrete population whose every value is v, so every column is known.
    static void SingleDiscreteValue(int v) {
        UseKind('D');
        SetSpikes({{v, 100}});
    }
    static int HistogramTotal() {
        return std::accumulate(g_meanHistogram, g_meanHistogram + kHistogramBins + 1, 0);
    }
};

float Unit(int r) {
    return std::min(1.0f, static_cast<float>(r) * (1.0f / 32767.0f));
}

// The drawing rule as a plain scan over the shares, on the shared stream: the
// engine must give the same values and leave the stream in the same place.
float ReferenceValue() {
    const float* s = g_popCumShare;
    Rand();
    const float u = Unit(Rand());
    if (g_isBinomial) return u > s[1] ? 1.0f : 0.0f;
    int column = 0;
    while (column < (g_isDiscrete ? 10 : 50) && u > s[column + 1])
        ++column;
    if (g_isDiscrete) return static_cast<float>(column);
    double v = 0;
    if (column > 0) {
        v = (column + 0.5) * 0.2 - Unit(Rand()) * 0.2;
    } else { // two more numbers: four in five land below 0.1
        const float u3 = Unit(Rand()), u4 = Unit(Rand());
        v = u3 < 0.8 ? 0.1 - u4 * 0.1 : 0.2 - u4 * 0.1;
    }
    return std::clamp(static_cast<float>(v), 0.0f, 10.0f);
}

TEST(Random, FixedLinearCongruentialStream) {
    Srand(1); // state = state * 214013 + 2531011; result = bits 16..30
    EXPECT_EQ(std::vector<int>({Rand(), Rand(), Rand()}), std::vector<int>({41, 18467, 6334}));
}

void ExpectRowsMatchReference(int rows, int n) {
    for (int r = 1; r <= rows; ++r) {
        const SampleRow& row = g_sampleStore[r];
        int counts[kTallyColumns + 1] = {};
        float sum = 0;
        for (int j = 1; j <= n; ++j) {
            const float v = ReferenceValue();
            ASSERT_EQ(row.values[j], v) << "row " << r << " value " << j;
            counts[g_isBinomial ? int(v) + 1 : int(2.0 * v + 1.0)] += 1;
            sum += v;
        }
        for (int c = 1; c <= kTallyColumns; ++c)
            EXPECT_EQ(row.columnCounts[c], counts[c]) << "row " << r << " column " << c;
        EXPECT_EQ(row.mean, sum / n);
        double ss = 0;
        for (int j = 1; j <= n; ++j)
            ss += std::pow(row.values[j] - double(row.mean), 2);
        EXPECT_NEAR(row.sd, n == 1 ? -1.0 : std::sqrt(ss / (n - 1)), 1e-4) << "row " << r;
    }
}

TEST_F(SamplingEngineTest, StoredRowsFollowTheDrawingRuleForEveryKind) {
    struct Case {
        const char* name;
        char kind; // Continuous, Discrete, Binomial, or heavy Ends
        PresetShape shape;
        int n;
    };
    const Case cases[] = {{"continuous normal", 'C', PresetShape::Normal, 7},
                          {"continuous n = 1", 'C', PresetShape::SkewedPlus, 1},
                          {"discrete bimodal", 'D', PresetShape::Bimodal, 5},
                          {"binomial 0.35", 'B', PresetShape::Uniform, 12},
                          {"continuous ends", 'E', PresetShape::Uniform, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        if (c.kind == 'D') UseKind('D');
        if (c.kind == 'C' || c.kind == 'D') ApplyPreset(c.shape);
        // Heavy ends exercise column 0 (two extra numbers) and column 50 (held at 10).
        if (c.kind == 'E') SetSpikes({{0, 120}, {1, 30}, {25, 40}, {50, 90}});
        if (c.kind == 'B') g_isContinuous = 0, g_isBinomial = 1, SetBinomialP(0.35f);
        ASSERT_EQ(DrawSamples(40, c.n, quiet).drawn, 40);
        EXPECT_EQ(g_samplesDrawn + g_currentSampleNo, 80);
        const int streamAfterRun = Rand();
        Srand(static_cast<unsigned>(kClock)); // seeded from the clock, carry 0
        EXPECT_EQ(g_seedCarry, Rand());
        ExpectRowsMatchReference(40, c.n);
        EXPECT_EQ(streamAfterRun, Rand()); // every number came from the stream, in order
    }
    // A second run in the same second seeds with the carry, so it differs.
    const int carry = g_seedCarry;
    DrawSamples(5, 1, quiet);
    Srand(static_cast<unsigned>(kClock + carry));
    EXPECT_EQ(g_seedCarry, Rand());
    ExpectRowsMatchReference(5, 1);
}

TEST_F(SamplingEngineTest, SortedMeansAscendWithNewerTiesFirst) {
    UseKind('D'); // whole values: many equal means
    ApplyPreset(PresetShape::Normal);
    DrawSamples(500, 3, quiet);
    std::vector<int> seen(501, 0);
    for (int k = 1; k <= 500; ++k) {
        const int row = g_sortedMeanSampleNo[k];
        seen.at(row) += 1;
        EXPECT_EQ(g_sortedMeans[k], g_sampleStore[row].mean);
        // Ascending; equal means: the later sample stands first.
        if (k > 1) {
            EXPECT_TRUE(
                g_sortedMeans[k - 1] < g_sortedMeans[k] ||
                (g_sortedMeans[k - 1] == g_sortedMeans[k] && g_sortedMeanSampleNo[k - 1] > row))
                << k;
        }
    }
    EXPECT_EQ(std::count(seen.begin() + 1, seen.end(), 1), 500);

    // Every mean equal: newest first, also across an ADD MORE run.
    SingleDiscreteValue(4);
    DrawSamples(6, 2, quiet);
    g_addMoreMode = 1;
    DrawSamples(3, 2, quiet);
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(g_sortedMeanSampleNo[k], 10 - k) << k;
}

TEST_F(SamplingEngineTest, RefusedSmallOrIdenticalRunsShowNoNanAndNeverPassTheStore) {
    RecordingDisplay refused;
    EXPECT_EQ(DrawSamples(5, 5, refused).status, DrawResult::Status::EmptyPopulation);
    ApplyPreset(PresetShape::Normal);
    // One value per sample: no SD, so the two SD-of-sample readouts stay empty.
    DrawResult r = DrawSamples(30, 1, quiet);
    EXPECT_EQ(r.meanOfSdsText + r.sdOfSdsText, "");
    // One sample: no spread of the means, the count is left alone.
    r = DrawSamples(1, 4, quiet);
    EXPECT_EQ(r.sdOfMeansText + r.numberOfSamplesText, "");
    const int carry = g_seedCarry;
    for (int n : {0, -4, 1001, 1 << 30}) {
        r = DrawSamples(5, n, refused);
        EXPECT_EQ(r.status, DrawResult::Status::BadSampleSize) << n;
        EXPECT_EQ(r.drawn + r.totalSamplesText.size(), 0u);
    }
    EXPECT_EQ(g_samplesDrawn, 1);
    EXPECT_EQ(g_seedCarry, carry);
    EXPECT_EQ(DrawSamples(0, 4, quiet).meanOfMeansText, ""); // none: no average
    // Identical samples: rounding must not turn a zero spread into "nan".
    SingleDiscreteValue(7);
    r = DrawSamples(50, 3, quiet);
    EXPECT_EQ(r.meanOfMeansText + " " + r.sdOfMeansText + " " + r.sdOfSdsText, "7.00 0.000 0.000");
    // A negative count draws nothing and never shrinks the series.
    g_addMoreMode = 1;
    EXPECT_EQ(DrawSamples(-5, 3, quiet).drawn, 0);
    EXPECT_EQ(g_samplesDrawn, 50);
    // Samples of one value have SD 0, and of n = 1 SD -1: no t value, so
    // with t values shown nothing is counted in the histogram.
    g_addMoreMode = 0;
    g_showTValues = 1;
    g_standardError = 1.0f;
    g_samplingDistWndVisible = 1;
    DrawSamples(5, 4, quiet);
    EXPECT_EQ(HistogramTotal() + g_lastMeanBin, 0);
    ApplyPreset(PresetShape::Normal);
    DrawSamples(20, 1, quiet);
    EXPECT_EQ(HistogramTotal(), 0);
    g_showTValues = 0;
    // A cleared binomial population is empty too; the clear ended the series.
    g_isContinuous = 0, g_isBinomial = 1;
    SetBinomialP(0.5f);
    ClearPopulation();
    EXPECT_EQ(DrawSamples(5, 5, refused).status, DrawResult::Status::EmptyPopulation);
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_TRUE(refused.calls.empty());

    SingleDiscreteValue(2);
    r = DrawSamples(20000, 1, quiet);
    EXPECT_EQ(r.status, DrawResult::Status::NoRoom);
    EXPECT_EQ(r.numberOfSamplesText, "10000");
    EXPECT_EQ(g_samplesDrawn, kMaxSamples);
    g_addMoreMode = 1;
    r = DrawSamples(5, 1, quiet);
    EXPECT_EQ(r.status, DrawResult::Status::NoRoom);
    EXPECT_EQ(r.drawn, 0);
    // A NEW SERIES run keeps no rows, so it has the whole store again.
    g_addMoreMode = 0;
    EXPECT_EQ(DrawSamples(kMaxSamples, 1, quiet).status, DrawResult::Status::Drawn);
}

TEST_F(SamplingEngineTest, EdgesOfTheUnitInterval) {
    // Draws one value with the first uniform number the generator gives r.
    auto drawWithFirstU = [this](bool (*wanted)(int)) {
        std::int64_t second = kClock;
        while (Srand(static_cast<unsigned>(second)), Rand(), Rand(), !wanted(Rand()))
            ++second;
        SetSecondsClock([second] { return second; });
        g_seedCarry = 0;
        DrawSamples(1, 3, quiet);
        return g_sampleStore[1].values[1];
    };
    const auto top = [](int r) { return r >= 32766; };
    // u = 0 with a weightless column 0: the first column that has weight.
    SetSpikes({{10, 50}, {30, 50}});
    EXPECT_NEAR(drawWithFirstU([](int r) { return r == 0; }), 2.0f, 0.1f + 1e-6f);
    // u above a last share that rounding left short of 1: the last column with weight.
    std::fill(g_popCumShare + 31, g_popCumShare + 52, 0.99995f);
    EXPECT_NEAR(drawWithFirstU(top), 6.0f, 0.1f + 1e-6f);
    UseKind('D');
    SetSpikes({{2, 50}, {5, 50}});
    std::fill(g_popCumShare + 6, g_popCumShare + 12, 0.99995f);
    EXPECT_EQ(drawWithFirstU(top), 5.0f);
    // A u equal to a share belongs to the column that share closes.
    SetSpikes({{3, 50}, {4, 50}});
    g_popCumShare[4] = Unit(20000);
    EXPECT_EQ(drawWithFirstU([](int r) { return r == 20000; }), 3.0f);
}

TEST_F(SamplingEngineTest, ALatestColumnThatDoesNotFitRescales) {
    // The fit test truncates the height first: 332 x 1.5 x 0.75 = 373.5
    // pixels is drawn 373 high and fits 373; 333 does not.
    g_sdScaleY = 1.5f;
    g_histCountScale = 0.75f;
    g_histMaxHeight = 373;
    g_lastMeanBin = 26;
    for (const int count : {332, 333}) {
        g_meanHistogram[26] = count;
        g_histNeedsRescale = 0;
        RecordingDisplay d;
        FitLatestColumn(d);
        const bool fits = count == 332;
        EXPECT_EQ(d.calls.front(), fits ? "GrowLatestColumn" : "DrawHistogramGraph");
        EXPECT_EQ(g_histOverflowed + g_histNeedsRescale, fits ? 0 : 2) << count;
    }
}

// Stops after a given sample, between two values of one, or switches to
// speed F there, as the person at the keyboard would.
class SteeringDisplay : public RecordingDisplay {
  public:
    int stopAfter = -1, stopInside = -1, fastAfter = -1, valuesSeen = 0;
    bool RunGoesOn(int sampleOfRun, int) override {
        if (sampleOfRun + 1 == stopInside && ++valuesSeen == 3) return false;
        if (fastAfter >= 0 && sampleOfRun >= fastAfter) g_speed = 1;
        return stopAfter < 0 || sampleOfRun < stopAfter;
    }
};

// Whether a run was stopped, went on with ADD MORE, ran at F or a sample at
// a time, its figures are those of every stored row: the mean and SD of the
// means and of the SDs, and each mean counted once at its bin,
// 1 + trunc((x + 0.1) / 0.2), the latest in the column that grows.
void ExpectFiguresOfTheRows() {
    const int total = g_samplesDrawn;
    const auto bin = [](int r) { return 1 + static_cast<int>((g_sampleStore[r].mean + 0.1) * 5); };
    std::vector<int> columns(kHistogramBins + 1, 0);
    double sum[2] = {}, sumSq[2] = {};
    for (int r = 1; r <= total; ++r) {
        columns[bin(r)] += 1;
        for (int i : {0, 1}) {
            const double v = i ? g_sampleStore[r].sd : g_sampleStore[r].mean;
            sum[i] += v;
            sumSq[i] += v * v;
        }
    }
    EXPECT_EQ(std::vector<int>(g_meanHistogram, g_meanHistogram + kHistogramBins + 1), columns);
    EXPECT_EQ(g_lastMeanBin, bin(total));
    const float means[] = {g_meanOfMeans, g_meanOfSDs}, sds[] = {g_sdOfMeans, g_sdOfSDs};
    for (int i : {0, 1}) {
        EXPECT_NEAR(means[i], sum[i] / total, 1e-4) << total << " rows, " << i;
        const double sd = std::sqrt((sumSq[i] - sum[i] * sum[i] / total) / (total - 1));
        EXPECT_NEAR(sds[i], sd, 1e-4) << total << " rows, " << i;
    }
}

TEST_F(SamplingEngineTest, AStoppedOrSpedUpRunIsTheRunOfTheSamplesItDrew) {
    ApplyPreset(PresetShape::SkewedPlus);
    g_samplesWndVisible = g_samplingDistWndVisible = g_confIntervalWndVisible = 1;
    // Animated runs stopped between samples 7 and 8 and between two values of
    // sample 4, one switched to F after 3, and a stop at F inside the second
    // batch drawn side by side: each is the run asked for what it drew.
    const struct {
        int speed, stopAfter, stopInside, fastAfter, kept, animated;
    } cases[] = {
        {5, 7, -1, -1, 7, 7}, {5, -1, 4, -1, 4, 4}, {5, -1, -1, 3, 30, 3}, {1, 19, -1, -1, 19, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "speed " << c.speed << ", kept " << c.kept);
        const int seedCarry = g_seedCarry; // both runs start from the same seed
        g_speed = c.speed;
        SteeringDisplay steer;
        steer.stopAfter = c.stopAfter, steer.stopInside = c.stopInside;
        steer.fastAfter = c.fastAfter;
        const DrawResult run = DrawSamples(c.fastAfter < 0 ? 40 : 30, 12, steer);
        EXPECT_EQ(run.drawn, c.kept);
        EXPECT_EQ(steer.Count("Pause(100)"), c.animated);
        if (c.fastAfter < 0) {
            EXPECT_EQ(run.status, DrawResult::Status::Stopped);
            // The field keeps the number asked for, ready for ADD MORE.
            EXPECT_EQ(run.numberOfSamplesText + "|" + run.totalSamplesText,
                      "40|" + std::to_string(c.kept));
        }
        ExpectFiguresOfTheRows();
        const std::vector<double> afterStop = Picture();
        g_seedCarry = seedCarry;
        g_speed = c.speed == 1 ? 2 : 1;
        DrawSamples(c.kept, 12, quiet);
        EXPECT_EQ(afterStop, Picture());
    }
    // ADD MORE at F and a sample at a time onto those rows; ADD MORE with
    // another n, and NEW SERIES, start afresh. The curves over the columns
    // are scaled to the whole series from the run's first picture on.
    int rows = g_samplesDrawn;
    g_histTickCount = 7; // as a taller axis leaves it
    for (const auto& [speed, addMore, count, n] :
         {std::tuple{1, 1, 37, 12}, {2, 1, 5, 12}, {1, 1, 4, 6}, {2, 0, 20, 6}}) {
        g_speed = speed, g_addMoreMode = addMore;
        RecordingDisplay d;
        ASSERT_EQ(DrawSamples(count, n, d).drawn, count);
        rows = addMore && n == 12 ? rows + count : count;
        EXPECT_EQ(d.targetAtFirstGraph, rows);
        EXPECT_EQ(g_samplesDrawn, rows);
        ExpectFiguresOfTheRows();
    }
    EXPECT_EQ(g_histTickCount, 4);
    EXPECT_EQ(g_sampleStore[21].mean, 0.0f); // rows past the new series cleared
}

// --- The histogram's columns ---------------------------------------------------

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
// and point from scipy (convolved discrete UNIFORM, chi2.ppf).
TEST_F(HistogramBins, ALargeRunMatchesTheExactDistributionOfTheMean) {
    // 10,000 means of ten: columns 11, 12, ... of the 0.2 width.
    const double expected[] = {6.24,   12.28,  22.63,  39.27,  64.46,  100.47, 149.17, 211.47,
                               286.86, 372.94, 465.33, 557.86, 643.13, 713.48, 762.03, 783.80,
                               776.48, 740.85, 680.63, 601.89, 512.02, 418.69, 328.79, 247.63,
                               178.61, 123.15, 80.98,  50.65,  30.03,  16.81,  8.83};
    UseKind('D');
    ApplyPreset(PresetShape::Uniform);
    UseWidth(BinWidth::Medium);
    ASSERT_EQ(DrawSamples(kMaxSamples, 10, quiet).drawn, kMaxSamples);
    double chiSquare = 0;
    for (std::size_t i = 0; i < std::size(expected); ++i)
        chiSquare += std::pow(g_meanHistogram[11 + i] - expected[i], 2) / expected[i];
    EXPECT_LT(chiSquare, 61.10);
}

} // namespace
