#include "core/SamplingEngine.h"
#include "core/Population.h"
#include "core/Random.h"
#include "core/SimulationState.h"

#include <gtest/gtest.h>

#include <new>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// Counts heap allocations while a test asks for it, to show that a run
// allocates nothing.
namespace {
int g_allocations = 0;
bool g_countAllocations = false;
} // namespace

void* operator new(std::size_t size) {
    if (g_countAllocations) ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// The replacements pair malloc with free; GCC cannot see that through the
// inlined library allocators.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#pragma GCC diagnostic pop

namespace {

constexpr std::int64_t kClock = 1700000000;

// Records every call the engine makes, in order.
class RecordingDisplay : public SampleDisplay {
  public:
    std::vector<std::string> calls;
    int samplesDrawnAtIntervalGraph = -1;

    void RedrawCurve() override { calls.push_back("RedrawCurve"); }
    void MarkSample(int c) override { Add("MarkSample", {c}); }
    void DrawSampleHistogram(int s, int p, int c) override {
        Add("DrawSampleHistogram", {s, p, c});
    }
    void RedrawSamplesWindow() override { calls.push_back("RedrawSamplesWindow"); }
    void SetSamplesScrollBar(int m, int p) override { Add("SetSamplesScrollBar", {m, p}); }
    void DrawHistogramGraph() override { calls.push_back("DrawHistogramGraph"); }
    void InvalidateHistogram() override { calls.push_back("InvalidateHistogram"); }
    void GrowLatestColumn() override { calls.push_back("GrowLatestColumn"); }
    void PaintWhole() override { calls.push_back("PaintWhole"); }
    void InvalidateDorvane() override { calls.push_back("InvalidateDorvane"); }
    void RefreshPanel() override { calls.push_back("RefreshPanel"); }
    void PlaceLeftSlider() override { calls.push_back("PlaceLeftSlider"); }
    void PlaceRightSlider() override { calls.push_back("PlaceRightSlider"); }
    void ShowSampleCount(int r) override { Add("ShowSampleCount", {r}); }
    void ClearSummaryFields() override { calls.push_back("ClearSummaryFields"); }
    void ClearCiResultFields() override { calls.push_back("ClearCiResultFields"); }
    void ComputeCriticalValue() override { calls.push_back("ComputeCriticalValue"); }
    void DrawIntervalGraph() override {
        samplesDrawnAtIntervalGraph = g_samplesDrawn;
        calls.push_back("DrawIntervalGraph");
    }
    void ClearCiGraph() override { calls.push_back("ClearCiGraph"); }
    void DrawInterval(int n, int s) override { Add("DrawInterval", {n, s}); }
    void InvalidateCiGraph() override { calls.push_back("InvalidateCiGraph"); }
    void SetCiScrollBar(int m, int p) override { Add("SetCiScrollBar", {m, p}); }
    void UpdateCoverageCounts() override { calls.push_back("UpdateCoverageCounts"); }
    void RedrawConfIntervalWindow() override { calls.push_back("RedrawConfIntervalWindow"); }
    void Pause(int ms) override { Add("Pause", {ms}); }

    int Count(const std::string& call) const {
        int found = 0;
        for (const auto& c : calls)
            found += c == call;
        return found;
    }

  private:
    void Add(const char* name, std::initializer_list<int> args) {
        std::string text = name;
        text += '(';
        bool first = true;
        for (int a : args) {
            if (!first) text += ',';
            text += std::to_string(a);
            first = false;
        }
        calls.push_back(text + ')');
    }
};

// A display that does nothing, and never waits.
class QuietDisplay : public SampleDisplay {
  public:
    void Pause(int) override {}
};

class SamplingEngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSimulationState();
        SetSecondsClock([] { return kClock; });
        SetPopulationGeometry(300, 432);
        g_sdScaleX = g_sdScaleY = 1.0f;
        g_histMaxHeight = 1000;
    }
    void TearDown() override { SetSecondsClock({}); }

    // Writes column weights (pixels above the baseline) for the current kind.
    static void SetWeights(const std::vector<int>& weights) {
        for (int slot = 1; slot < kCurveSlots; ++slot)
            g_popCurve[slot] = g_popBaseline;
        for (std::size_t c = 0; c < weights.size(); ++c)
            g_popCurve[c + 1] = g_popBaseline - weights[c];
        RecomputePopulationParameters();
    }
    static void UseDiscrete() {
        g_isContinuous = 0;
        g_isDiscrete = 1;
    }
    static void UseBinomial() {
        g_isContinuous = 0;
        g_isBinomial = 1;
    }
    // A discrete population whose every value is v, so every column is known.
    static void SingleDiscreteValue(int v) {
        UseDiscrete();
        std::vector<int> weights(11, 0);
        weights[v] = 100;
        SetWeights(weights);
    }

    QuietDisplay quiet;
};

float Unit(int r) {
    const float u = static_cast<float>(r) * (1.0f / 32767.0f);
    return u > 1.0f ? 1.0f : u;
}

// The drawing rule written out as the plain scan over the shares, using the
// shared generator directly: the engine's table must give the same values
// and leave the stream in the same place.
float ReferenceValue() {
    const float* s = g_popCumShare;
    Rand();
    const float u = Unit(Rand());
    if (g_isBinomial) return (u > s[1] && s[2] > 0) ? 1.0f : 0.0f;
    const int columns = g_isDiscrete ? 11 : 51;
    int lastWeighted = 0;
    int firstWeighted = -1;
    for (int m = 0; m < columns; ++m)
        if (s[m + 1] > s[m]) {
            lastWeighted = m;
            if (firstWeighted < 0) firstWeighted = m;
        }
    int column = -1;
    for (int m = columns - 1; m >= 1; --m)
        if (s[m] < u && u <= s[m + 1]) column = m;
    if (g_isDiscrete && u <= s[1]) column = 0;
    if (!g_isDiscrete && s[1] > 0 && u <= s[1]) column = 0;
    if (column < 0) column = u > s[columns] ? lastWeighted : firstWeighted;

    if (g_isDiscrete) return static_cast<float>(g_discreteValue[column]);
    double v;
    if (column > 0) {
        v = (column + 1 - 0.5) * 0.2 - Unit(Rand()) * 0.2;
    } else {
        const float u3 = Unit(Rand());
        const float u4 = Unit(Rand());
        v = u3 < 0.8 ? 0.1 - u4 * 0.1 : 0.2 - u4 * 0.1;
    }
    float value = static_cast<float>(v);
    if (value < 0) value = 0;
    if (value > 10) value = 10;
    return value;
}

int ReferenceColumn(float v) {
    return g_isBinomial ? static_cast<int>(v) + 1 : static_cast<int>(2.0 * v + 1.0);
}

// Seeds as a run does and returns the seed carry the run will store.
int ReferenceSeed(int carry) {
    Srand(static_cast<unsigned>(kClock + carry));
    return Rand();
}

void ExpectRowsMatchReference(int firstRow, int count, int n) {
    for (int r = firstRow; r < firstRow + count; ++r) {
        const SampleRow& row = g_sampleStore[r];
        int counts[kTallyColumns + 1] = {};
        float sum = 0, sumSq = 0;
        for (int j = 1; j <= n; ++j) {
            const float v = ReferenceValue();
            ASSERT_EQ(row.values[j], v) << "row " << r << " value " << j;
            counts[ReferenceColumn(v)] += 1;
            sum += v;
            sumSq = static_cast<float>(sumSq + double(v) * v);
        }
        for (int c = 1; c <= kTallyColumns; ++c)
            EXPECT_EQ(row.columnCounts[c], counts[c]);
        EXPECT_EQ(row.mean, sum / n);
        if (n == 1) {
            EXPECT_EQ(row.sd, -1.0f);
        } else {
            const double ss = std::max(0.0f, static_cast<float>(sumSq - double(sum) * sum / n));
            EXPECT_FLOAT_EQ(row.sd, static_cast<float>(std::sqrt(ss / (n - 1))));
        }
    }
}

TEST_F(SamplingEngineTest, StoredRowsFollowTheDrawingRuleForEveryKind) {
    struct Case {
        const char* name;
        void (*setUp)();
        int n;
    };
    const Case cases[] = {
        {"continuous normal", [] { ApplyPreset(PresetShape::Normal); }, 7},
        // Heavy ends exercise column 0 (two extra numbers) and column 50.
        {"continuous ends",
         [] {
             std::vector<int> w(51, 0);
             w[0] = 120;
             w[1] = 30;
             w[25] = 40;
             w[50] = 90;
             SetWeights(w);
         },
         9},
        {"discrete bimodal",
         [] {
             UseDiscrete();
             ApplyPreset(PresetShape::Bimodal);
         },
         5},
        {"binomial 0.35",
         [] {
             UseBinomial();
             SetBinomialP(0.35f);
         },
         12},
        {"continuous n = 1", [] { ApplyPreset(PresetShape::SkewedPlus); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.setUp();
        const DrawResult result = DrawSamples(40, c.n, quiet);
        ASSERT_EQ(result.status, DrawResult::Status::Drawn);
        EXPECT_EQ(result.drawn, 40);
        EXPECT_EQ(g_samplesDrawn, 40);
        EXPECT_EQ(g_currentSampleNo, 40);
        const int streamAfterRun = Rand();

        EXPECT_EQ(g_seedCarry, ReferenceSeed(0));
        ExpectRowsMatchReference(1, 40, c.n);
        // Every number of the run came from the shared stream, in order.
        EXPECT_EQ(streamAfterRun, Rand());
    }
}

TEST_F(SamplingEngineTest, SeedCarryMakesRunsInTheSameSecondDiffer) {
    ApplyPreset(PresetShape::Uniform);
    DrawSamples(1, 10, quiet);
    const int firstCarry = g_seedCarry;
    std::vector<float> first(g_sampleStore[1].values + 1, g_sampleStore[1].values + 11);
    DrawSamples(1, 10, quiet);
    std::vector<float> second(g_sampleStore[1].values + 1, g_sampleStore[1].values + 11);
    EXPECT_NE(first, second);
    EXPECT_EQ(g_seedCarry, ReferenceSeed(firstCarry));
    ExpectRowsMatchReference(1, 1, 10);
}

TEST_F(SamplingEngineTest, SortedMeansAscendWithNewerTiesFirst) {
    ApplyPreset(PresetShape::Normal);
    DrawSamples(500, 3, quiet);
    std::vector<int> seen(501, 0);
    for (int k = 1; k <= 500; ++k) {
        const int row = g_sortedMeanSampleNo[k];
        ASSERT_GE(row, 1);
        ASSERT_LE(row, 500);
        seen[row] += 1;
        EXPECT_EQ(g_sortedMeans[k], g_sampleStore[row].mean);
        if (k > 1) {
            EXPECT_LE(g_sortedMeans[k - 1], g_sortedMeans[k]);
            // Equal means: the later sample stands first.
            if (g_sortedMeans[k - 1] == g_sortedMeans[k]) {
                EXPECT_GT(g_sortedMeanSampleNo[k - 1], row);
            }
        }
    }
    for (int r = 1; r <= 500; ++r)
        EXPECT_EQ(seen[r], 1) << r;

    // Every mean equal: newest first, also across an ADD MORE run.
    SingleDiscreteValue(4);
    DrawSamples(6, 2, quiet);
    g_addMoreMode = 1;
    DrawSamples(3, 2, quiet);
    ASSERT_EQ(g_samplesDrawn, 9);
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(g_sortedMeans[k], 4.0f);
        EXPECT_EQ(g_sortedMeanSampleNo[k], 10 - k);
    }
}

TEST_F(SamplingEngineTest, HistogramCountsEverySampleAtItsBin) {
    ApplyPreset(PresetShape::Bimodal);
    DrawSamples(300, 4, quiet);
    int total = 0;
    std::vector<int> expected(kHistogramBins + 1, 0);
    for (int r = 1; r <= 300; ++r) {
        const double mean = g_sampleStore[r].mean;
        expected[1 + static_cast<int>((mean + 0.1) * 5)] += 1;
    }
    for (int bin = 1; bin <= kHistogramBins; ++bin) {
        EXPECT_EQ(g_meanHistogram[bin], expected[bin]) << bin;
        total += g_meanHistogram[bin];
    }
    EXPECT_EQ(total, 300);
    EXPECT_EQ(g_lastMeanBin, 1 + static_cast<int>((g_sampleStore[300].mean + 0.1) * 5.0));
}

TEST_F(SamplingEngineTest, BinsAtTheFourWidthsAndTValues) {
    struct Width {
        int* flag;
        int continuousBin, binomialBin;
    };
    // x = 5.0 (binomial 0.5): 1 + trunc((x + w/2) / w).
    const Width widths[] = {{&g_binWidthWide, 11, 11},
                            {&g_binWidthMedium, 26, 26},
                            {&g_binWidthNarrow, 51, 51},
                            {&g_binWidthFinest, 101, 101}};
    for (const Width& w : widths) {
        g_binWidthWide = g_binWidthMedium = g_binWidthNarrow = g_binWidthFinest = 0;
        *w.flag = 1;
        g_isBinomial = 0;
        EXPECT_EQ(HistogramBin(5.0f), w.continuousBin);
        g_isBinomial = 1;
        EXPECT_EQ(HistogramBin(0.5f), w.binomialBin);
    }
    g_isBinomial = 0;
    EXPECT_EQ(HistogramBin(10.0f), 201); // finest width still set
    EXPECT_EQ(HistogramBin(10.06f), 202);
    EXPECT_EQ(HistogramBin(10.1f), 0); // past the last bin
    EXPECT_EQ(HistogramBin(-0.1f), 0);
    EXPECT_EQ(HistogramBin(NAN), 0);
    EXPECT_EQ(HistogramBin(INFINITY), 0);
    EXPECT_EQ(HistogramBin(-1e30f), 0);

    // With t values shown, a sample's t value sits on the scale of the means.
    g_binWidthFinest = 0;
    g_binWidthMedium = 1;
    g_showTValues = 1;
    g_popMean = 5.0f;
    g_standardError = 0.5f;
    EXPECT_FLOAT_EQ(HistogramStatistic(6.0f, 2.0f, 4), 5.5f); // t = 1
    EXPECT_TRUE(std::isnan(HistogramStatistic(6.0f, 0.0f, 4)));
    EXPECT_TRUE(std::isnan(HistogramStatistic(6.0f, -1.0f, 1)));
    g_isBinomial = 1;
    EXPECT_FLOAT_EQ(HistogramStatistic(0.6f, 0.0f, 4), 0.6f); // proportions stay
}

TEST_F(SamplingEngineTest, StatisticsWithoutABinAreLeftOut) {
    // Every sample of one value has SD 0, so no t value: nothing is counted.
    SingleDiscreteValue(3);
    g_showTValues = 1;
    g_standardError = 1.0f;
    g_samplingDistWndVisible = 1;
    RecordingDisplay display;
    DrawSamples(5, 4, display);
    EXPECT_EQ(g_samplesDrawn, 5);
    int total = 0;
    for (int count : g_meanHistogram)
        total += count;
    EXPECT_EQ(total, 0);
    EXPECT_EQ(g_lastMeanBin, 0);
    EXPECT_EQ(display.Count("GrowLatestColumn"), 0);

    // n = 1: SD -1, no t value either.
    SetUp();
    ApplyPreset(PresetShape::Normal);
    g_showTValues = 1;
    g_standardError = g_popSD;
    DrawSamples(20, 1, quiet);
    total = 0;
    for (int count : g_meanHistogram)
        total += count;
    EXPECT_EQ(total, 0);
}

TEST_F(SamplingEngineTest, AddMoreAppendsAndANewSampleSizeStartsAgain) {
    ApplyPreset(PresetShape::Normal);
    DrawSamples(10, 5, quiet);
    const SampleRow firstRow = g_sampleStore[1];
    const float sumAfterFirst = g_sumOfMeans;

    g_addMoreMode = 1;
    const DrawResult more = DrawSamples(15, 5, quiet);
    EXPECT_EQ(more.drawn, 15);
    EXPECT_EQ(g_samplesDrawn, 25);
    EXPECT_EQ(more.totalSamplesText, "25");
    EXPECT_EQ(g_seriesTargetCount, 25);
    EXPECT_EQ(std::memcmp(&firstRow, &g_sampleStore[1], sizeof(SampleRow)), 0);
    float sum = sumAfterFirst;
    for (int r = 11; r <= 25; ++r)
        sum += g_sampleStore[r].mean;
    EXPECT_EQ(g_sumOfMeans, sum);
    int total = 0;
    for (int count : g_meanHistogram)
        total += count;
    EXPECT_EQ(total, 25);

    // Still ADD MORE, but another n: the series starts afresh.
    DrawSamples(4, 6, quiet);
    EXPECT_EQ(g_samplesDrawn, 4);
    EXPECT_EQ(g_seriesSampleSize, 6);
    EXPECT_EQ(g_sampleStore[5].mean, 0.0f); // rows past the series cleared
    total = 0;
    for (int count : g_meanHistogram)
        total += count;
    EXPECT_EQ(total, 4);
    EXPECT_EQ(g_histCountScale, 4.0f * g_sdScaleY);
    EXPECT_EQ(g_histTickCount, 4);
}

TEST_F(SamplingEngineTest, SummaryMatchesADirectComputation) {
    ApplyPreset(PresetShape::SkewedMinus);
    // Shown with mean 100 and SD 15: means move and stretch, spreads stretch.
    ASSERT_TRUE(SetDisplayTarget(100.0f, 15.0f));
    const DrawResult result = DrawSamples(400, 6, quiet);

    double sumMeans = 0, sumSds = 0;
    for (int r = 1; r <= 400; ++r) {
        sumMeans += g_sampleStore[r].mean;
        sumSds += g_sampleStore[r].sd;
    }
    const double meanOfMeans = sumMeans / 400, meanOfSds = sumSds / 400;
    double varMeans = 0, varSds = 0;
    for (int r = 1; r <= 400; ++r) {
        varMeans += std::pow(g_sampleStore[r].mean - meanOfMeans, 2);
        varSds += std::pow(g_sampleStore[r].sd - meanOfSds, 2);
    }
    const double sdOfMeans = std::sqrt(varMeans / 399), sdOfSds = std::sqrt(varSds / 399);
    const double scale = g_dispScale;

    EXPECT_NEAR(g_meanOfMeans, meanOfMeans, 1e-4);
    EXPECT_NEAR(g_meanOfSDs, meanOfSds, 1e-4);
    EXPECT_NEAR(g_sdOfMeans, sdOfMeans, 1e-3);
    EXPECT_NEAR(g_sdOfSDs, sdOfSds, 1e-3);

    const double shownMean = (meanOfMeans - g_dispFromMean) * scale + g_dispToMean;
    EXPECT_NEAR(std::atof(result.meanOfMeansText.c_str()), shownMean, 0.006);
    EXPECT_NEAR(std::atof(result.meanOfSdsText.c_str()), meanOfSds * scale, 0.002);
    EXPECT_NEAR(std::atof(result.sdOfMeansText.c_str()), sdOfMeans * scale, 0.002);
    EXPECT_NEAR(std::atof(result.sdOfSdsText.c_str()), sdOfSds * scale, 0.002);
    EXPECT_EQ(result.totalSamplesText, "400");
    EXPECT_EQ(result.numberOfSamplesText, "400");
    // Two decimals for the mean, three for the spreads.
    EXPECT_EQ(result.meanOfMeansText.size() - result.meanOfMeansText.find('.'), 3u);
    EXPECT_EQ(result.sdOfMeansText.size() - result.sdOfMeansText.find('.'), 4u);
}

TEST_F(SamplingEngineTest, SmallSeriesLeaveTheSpreadReadoutsEmpty) {
    ApplyPreset(PresetShape::Normal);

    // One value per sample: no SD, so the two SD-of-sample readouts stay empty.
    DrawResult r = DrawSamples(30, 1, quiet);
    EXPECT_EQ(g_sampleStore[7].sd, -1.0f);
    EXPECT_FALSE(r.meanOfMeansText.empty());
    EXPECT_FALSE(r.sdOfMeansText.empty());
    EXPECT_TRUE(r.meanOfSdsText.empty());
    EXPECT_TRUE(r.sdOfSdsText.empty());
    EXPECT_EQ(r.numberOfSamplesText, "30");

    // One sample: no spread of the means, the count is left alone.
    r = DrawSamples(1, 4, quiet);
    EXPECT_FALSE(r.meanOfMeansText.empty());
    EXPECT_FALSE(r.meanOfSdsText.empty());
    EXPECT_TRUE(r.sdOfMeansText.empty());
    EXPECT_TRUE(r.sdOfSdsText.empty());
    EXPECT_TRUE(r.numberOfSamplesText.empty());

    // No sample at all: no average, and no "nan" anywhere.
    r = DrawSamples(0, 4, quiet);
    EXPECT_EQ(r.status, DrawResult::Status::Drawn);
    EXPECT_EQ(r.totalSamplesText, "0");
    EXPECT_TRUE(r.meanOfMeansText.empty());
    EXPECT_TRUE(r.meanOfSdsText.empty());
    EXPECT_EQ(g_samplesDrawn, 0);

    // Identical samples: rounding must not turn a zero spread into "nan".
    SingleDiscreteValue(7);
    r = DrawSamples(50, 3, quiet);
    EXPECT_EQ(r.sdOfMeansText, "0.000");
    EXPECT_EQ(r.sdOfSdsText, "0.000");
    EXPECT_EQ(r.meanOfMeansText, "7.00");

    // A negative count draws nothing and never shrinks the series.
    g_addMoreMode = 1;
    r = DrawSamples(-5, 3, quiet);
    EXPECT_EQ(r.drawn, 0);
    EXPECT_EQ(g_samplesDrawn, 50);
}

TEST_F(SamplingEngineTest, RefusedRunsChangeNothing) {
    RecordingDisplay display;
    // No population yet.
    EXPECT_EQ(DrawSamples(5, 5, display).status, DrawResult::Status::EmptyPopulation);

    ApplyPreset(PresetShape::Normal);
    DrawSamples(3, 5, quiet);
    const int carry = g_seedCarry;
    for (int n : {0, -4, 1001, 1 << 30}) {
        const DrawResult r = DrawSamples(5, n, display);
        EXPECT_EQ(r.status, DrawResult::Status::BadSampleSize) << n;
        EXPECT_EQ(r.drawn, 0);
        EXPECT_TRUE(r.totalSamplesText.empty());
    }
    EXPECT_EQ(g_samplesDrawn, 3);
    EXPECT_EQ(g_seedCarry, carry);

    // Cleared populations of every kind.
    ClearPopulation();
    EXPECT_EQ(DrawSamples(5, 5, display).status, DrawResult::Status::EmptyPopulation);
    UseBinomial();
    SetBinomialP(0.5f);
    EXPECT_EQ(DrawSamples(2, 5, quiet).status, DrawResult::Status::Drawn);
    ClearPopulation();
    RecomputePopulationParameters();
    EXPECT_EQ(DrawSamples(5, 5, display).status, DrawResult::Status::EmptyPopulation);
    EXPECT_EQ(g_samplesDrawn, 0); // the clear ended the series; nothing since
    EXPECT_TRUE(display.calls.empty());
}

TEST_F(SamplingEngineTest, NeverWritesPastTheSampleStore) {
    SingleDiscreteValue(2);
    DrawResult r = DrawSamples(20000, 1, quiet);
    EXPECT_EQ(r.status, DrawResult::Status::NoRoom);
    EXPECT_EQ(r.drawn, kMaxSamples);
    EXPECT_EQ(g_samplesDrawn, kMaxSamples);
    EXPECT_EQ(r.numberOfSamplesText, "10000");

    g_addMoreMode = 1;
    r = DrawSamples(5, 1, quiet);
    EXPECT_EQ(r.status, DrawResult::Status::NoRoom);
    EXPECT_EQ(r.drawn, 0);
    EXPECT_EQ(g_samplesDrawn, kMaxSamples);
    EXPECT_EQ(r.totalSamplesText, "10000");

    // A NEW SERIES run keeps no rows, so it has the whole store again.
    g_addMoreMode = 0;
    r = DrawSamples(kMaxSamples, 1, quiet);
    EXPECT_EQ(r.status, DrawResult::Status::Drawn);
    EXPECT_EQ(g_samplesDrawn, kMaxSamples);
}

TEST_F(SamplingEngineTest, ValuesStayInTheirColumnsAndInRange) {
    // All weight in column 50: draws land in [9.9, 10], the upper half held at 10.
    std::vector<int> w(51, 0);
    w[50] = 100;
    SetWeights(w);
    DrawSamples(20, 100, quiet);
    int tens = 0;
    for (int r = 1; r <= 20; ++r) {
        const SampleRow& row = g_sampleStore[r];
        for (int j = 1; j <= 100; ++j) {
            ASSERT_GE(row.values[j], 9.9f - 1e-6f);
            ASSERT_LE(row.values[j], 10.0f);
            tens += row.values[j] == 10.0f;
        }
        EXPECT_EQ(row.columnCounts[20] + row.columnCounts[21], 100);
    }
    EXPECT_GT(tens, 800);
    EXPECT_LT(tens, 1200);

    // All weight in column 0: [0, 0.2], four in five below 0.1, never below 0.
    w.assign(51, 0);
    w[0] = 100;
    SetWeights(w);
    DrawSamples(20, 100, quiet);
    int low = 0;
    for (int r = 1; r <= 20; ++r) {
        const SampleRow& row = g_sampleStore[r];
        for (int j = 1; j <= 100; ++j) {
            ASSERT_GE(row.values[j], 0.0f);
            ASSERT_LE(row.values[j], 0.2f);
            low += row.values[j] <= 0.1f;
        }
        EXPECT_EQ(row.columnCounts[1], 100);
    }
    EXPECT_GT(low, 1500);
    EXPECT_LT(low, 1700);

    // Binomial: tally columns 1 and 2 count the 0s and 1s.
    UseBinomial();
    SetBinomialP(0.25f);
    DrawSamples(10, 40, quiet);
    for (int r = 1; r <= 10; ++r) {
        const SampleRow& row = g_sampleStore[r];
        EXPECT_EQ(row.columnCounts[1] + row.columnCounts[2], 40);
        EXPECT_FLOAT_EQ(row.mean, row.columnCounts[2] / 40.0f);
    }
}

// Finds the clock second whose run draws the given second number for its
// first value (after the seed carry and the thrown-away number).
std::int64_t SecondGivingFirstU(bool (*wanted)(int)) {
    for (std::int64_t second = kClock;; ++second) {
        Srand(static_cast<unsigned>(second));
        Rand();
        Rand();
        if (wanted(Rand())) return second;
    }
}

TEST_F(SamplingEngineTest, EdgesOfTheUnitInterval) {
    // u exactly 0 with a weightless column 0.
    const std::int64_t zeroSecond = SecondGivingFirstU([](int r) { return r == 0; });
    SetSecondsClock([zeroSecond] { return zeroSecond; });

    // Discrete: the value 0 all the same.
    UseDiscrete();
    std::vector<int> w(11, 0);
    w[6] = 50;
    w[9] = 50;
    SetWeights(w);
    DrawSamples(1, 3, quiet);
    EXPECT_EQ(g_sampleStore[1].values[1], 0.0f);
    EXPECT_EQ(g_sampleStore[1].columnCounts[1], 1);

    // Continuous: the first column that has weight, not an undefined value.
    g_isDiscrete = 0;
    g_isContinuous = 1;
    w.assign(51, 0);
    w[10] = 50;
    w[30] = 50;
    SetWeights(w);
    g_seedCarry = 0;
    DrawSamples(1, 3, quiet);
    EXPECT_NEAR(g_sampleStore[1].values[1], 2.0f, 0.1f + 1e-6f);

    // u above a last share that rounding left short of 1: the last column
    // that has weight.
    const std::int64_t topSecond = SecondGivingFirstU([](int r) { return r >= 32766; });
    SetSecondsClock([topSecond] { return topSecond; });
    for (int m = 31; m <= 51; ++m)
        g_popCumShare[m] = 0.99995f;
    g_seedCarry = 0;
    DrawSamples(1, 3, quiet);
    EXPECT_NEAR(g_sampleStore[1].values[1], 6.0f, 0.1f + 1e-6f);

    UseDiscrete();
    w.assign(11, 0);
    w[2] = 50;
    w[5] = 50;
    SetWeights(w);
    for (int m = 6; m <= 11; ++m)
        g_popCumShare[m] = 0.99995f;
    g_seedCarry = 0;
    DrawSamples(1, 3, quiet);
    EXPECT_EQ(g_sampleStore[1].values[1], 5.0f);
}

TEST_F(SamplingEngineTest, UniformNumbersOnAShareBoundaryTakeTheLowerColumn) {
    // A u equal to a share belongs to the column that share closes.
    const float boundary = Unit(20000);
    const std::int64_t second = SecondGivingFirstU([](int r) { return r == 20000; });
    SetSecondsClock([second] { return second; });
    UseDiscrete();
    SetWeights({0, 0, 0, 50, 50});
    g_popCumShare[4] = boundary; // column 3 ends exactly at u
    DrawSamples(1, 1, quiet);
    EXPECT_EQ(g_sampleStore[1].values[1], 3.0f);
}

TEST_F(SamplingEngineTest, LargeRunAgreesWithTheory) {
    ApplyPreset(PresetShape::Normal);
    g_speed = 1;
    const int n = 1000;
    DrawSamples(kMaxSamples, n, quiet);
    ASSERT_EQ(g_samplesDrawn, kMaxSamples);

    // Draws spread uniformly over each column's width, which adds 0.2^2 / 12.
    const double popVar = double(g_popSD) * g_popSD + 0.04 / 12;
    const double se = std::sqrt(popVar / n);
    EXPECT_NEAR(g_meanOfMeans, g_popMean, 4 * se / std::sqrt(double(kMaxSamples)));
    // The SD of 10,000 means is within a few per cent of the standard error.
    EXPECT_NEAR(g_sdOfMeans / se, 1.0, 4 / std::sqrt(2.0 * (kMaxSamples - 1)));
    EXPECT_NEAR(g_meanOfSDs, std::sqrt(popVar), 0.01);
}

TEST_F(SamplingEngineTest, ARunAllocatesNothing) {
    ApplyPreset(PresetShape::Trimodal);
    g_populationWndVisible = g_samplesWndVisible = g_samplingDistWndVisible =
        g_confIntervalWndVisible = 1;
    for (int speed : {1, 2}) {
        g_speed = speed;
        g_allocations = 0;
        g_countAllocations = true;
        DrawSamples(300, 50, quiet);
        g_addMoreMode = 1;
        DrawSamples(300, 50, quiet);
        g_countAllocations = false;
        g_addMoreMode = 0;
        EXPECT_EQ(g_allocations, 0) << "speed " << speed;
    }
}

// --- The order of the display calls -----------------------------------------

class DisplayOrderTest : public SamplingEngineTest {
  protected:
    void SetUp() override {
        SamplingEngineTest::SetUp();
        SingleDiscreteValue(3); // every value in tally column 7
    }
    static void ShowAll() {
        g_populationWndVisible = g_samplesWndVisible = g_samplingDistWndVisible =
            g_confIntervalWndVisible = 1;
    }
    static std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
        std::vector<std::string> all;
        for (const auto& p : parts)
            all.insert(all.end(), p.begin(), p.end());
        return all;
    }
};

TEST_F(DisplayOrderTest, EveryWindowShownAtSpeedThree) {
    ShowAll();
    g_speed = 3;
    RecordingDisplay d;
    DrawSamples(2, 2, d);
    const std::vector<std::string> value = {"RedrawCurve", "MarkSample(7)"};
    auto sample = [&](int r) {
        return Joined({value,
                       {"DrawSampleHistogram(" + std::to_string(r) + ",1,7)"},
                       value,
                       {"DrawSampleHistogram(" + std::to_string(r) + ",1,7)", "RedrawCurve",
                        "GrowLatestColumn", "ShowSampleCount(" + std::to_string(r) + ")",
                        "SetSamplesScrollBar(" + std::to_string(r) + "," + std::to_string(r) + ")",
                        "DrawSampleHistogram(" + std::to_string(r) + ",0,0)", "Pause(25)",
                        "SetCiScrollBar(" + std::to_string(r) + "," + std::to_string(r - 1) + ")",
                        "DrawInterval(2," + std::to_string(r) + ")", "InvalidateCiGraph"}});
    };
    const auto expected = Joined(
        {{"ClearCiResultFields", "ClearSummaryFields", "DrawHistogramGraph", "InvalidateHistogram",
          "ComputeCriticalValue", "RedrawConfIntervalWindow"},
         sample(1),
         sample(2),
         {"SetSamplesScrollBar(2,2)", "DrawSampleHistogram(2,0,0)", "PlaceLeftSlider", "PaintWhole",
          "InvalidateDorvane", "RefreshPanel", "RedrawSamplesWindow", "PaintWhole",
          "RedrawSamplesWindow", "UpdateCoverageCounts", "RedrawConfIntervalWindow"}});
    EXPECT_EQ(d.calls, expected);
    EXPECT_EQ(g_drawFinished, 1);
    EXPECT_EQ(g_sortByMeans, 0);
}

TEST_F(DisplayOrderTest, SpeedFDrawsOnlyAtTheEnd) {
    ShowAll();
    g_speed = 1;
    g_oneSlider = 0;
    g_sortByMeans = 1;
    RecordingDisplay d;
    DrawSamples(2, 2, d);
    const std::vector<std::string> expected = {
        "ClearCiResultFields", "ClearSummaryFields", "DrawHistogramGraph", "InvalidateHistogram",
        "ComputeCriticalValue", "RedrawConfIntervalWindow",
        // sample 1, sample 2
        "RedrawCurve", "SetSamplesScrollBar(1,1)", "SetCiScrollBar(1,0)", "RedrawCurve",
        "SetSamplesScrollBar(2,2)", "SetCiScrollBar(2,1)",
        // end
        "SetSamplesScrollBar(2,2)", "DrawSampleHistogram(2,0,0)", "PlaceLeftSlider",
        "PlaceRightSlider", "PaintWhole", "InvalidateDorvane", "RefreshPanel",
        "RedrawSamplesWindow", "PaintWhole", "RedrawSamplesWindow", "UpdateCoverageCounts",
        "RedrawConfIntervalWindow"};
    EXPECT_EQ(d.calls, expected);
    EXPECT_EQ(g_sortByMeans, 1); // put back after the run
}

TEST_F(DisplayOrderTest, OnlyTheDorvaneWindowShownPausesAfterTheColumn) {
    g_populationWndVisible = 0;
    g_samplingDistWndVisible = 1;
    g_speed = 4;
    RecordingDisplay d;
    DrawSamples(2, 2, d);
    const std::vector<std::string> expected = {"ClearSummaryFields",
                                               "DrawHistogramGraph",
                                               "InvalidateHistogram",
                                               "ComputeCriticalValue",
                                               "RedrawCurve",
                                               "GrowLatestColumn",
                                               "ShowSampleCount(1)",
                                               "Pause(50)",
                                               "SetSamplesScrollBar(1,1)",
                                               "SetCiScrollBar(1,0)",
                                               "RedrawCurve",
                                               "GrowLatestColumn",
                                               "ShowSampleCount(2)",
                                               "Pause(50)",
                                               "SetSamplesScrollBar(2,2)",
                                               "SetCiScrollBar(2,1)",
                                               "SetSamplesScrollBar(2,2)",
                                               "DrawSampleHistogram(2,0,0)",
                                               "PlaceLeftSlider",
                                               "PaintWhole",
                                               "InvalidateDorvane",
                                               "RefreshPanel",
                                               "PaintWhole",
                                               "UpdateCoverageCounts"};
    EXPECT_EQ(d.calls, expected);
}

TEST_F(DisplayOrderTest, HiddenWindowsAreLeftAloneAndNothingPauses) {
    // Population shown, Samples hidden: no marks; slowest speed, no pause.
    g_speed = 5;
    RecordingDisplay d;
    DrawSamples(2, 2, d);
    const std::vector<std::string> expected = {"ClearSummaryFields",
                                               "DrawHistogramGraph",
                                               "InvalidateHistogram",
                                               "ComputeCriticalValue",
                                               "RedrawCurve",
                                               "SetSamplesScrollBar(1,1)",
                                               "SetCiScrollBar(1,0)",
                                               "RedrawCurve",
                                               "SetSamplesScrollBar(2,2)",
                                               "SetCiScrollBar(2,1)",
                                               "SetSamplesScrollBar(2,2)",
                                               "DrawSampleHistogram(2,0,0)",
                                               "UpdateCoverageCounts"};
    EXPECT_EQ(d.calls, expected);
    // The run is over even though the Dorvane window never saw it.
    EXPECT_EQ(g_drawFinished, 1);
}

TEST_F(DisplayOrderTest, AddMoreRedrawsTheIntervalGraphFirstAndSamplesWithoutPopulation) {
    g_populationWndVisible = 0;
    g_samplesWndVisible = g_confIntervalWndVisible = 1;
    g_speed = 2;
    DrawSamples(1, 1, quiet);
    g_addMoreMode = 1;
    RecordingDisplay d;
    DrawSamples(1, 1, d);
    const std::vector<std::string> expected = {
        "ClearCiResultFields",        "ClearSummaryFields",         "DrawHistogramGraph",
        "InvalidateHistogram",        "ComputeCriticalValue",       "DrawIntervalGraph",
        "RedrawConfIntervalWindow",   "DrawSampleHistogram(2,1,7)", "RedrawCurve",
        "SetSamplesScrollBar(2,2)",   "DrawSampleHistogram(2,0,0)", "SetCiScrollBar(2,1)",
        "DrawInterval(1,2)",          "InvalidateCiGraph",          "SetSamplesScrollBar(2,2)",
        "DrawSampleHistogram(2,0,0)", "RedrawSamplesWindow",        "RedrawSamplesWindow",
        "UpdateCoverageCounts",       "RedrawConfIntervalWindow"};
    EXPECT_EQ(d.calls, expected);
}

TEST_F(DisplayOrderTest, ALatestColumnThatDoesNotFitRescales) {
    g_samplingDistWndVisible = 1;
    g_sdScaleY = 2.0f; // a new series scales columns by 4 x 2
    g_histMaxHeight = 20;
    RecordingDisplay d;
    DrawSamples(3, 2, d);
    // Heights tested: 1 x 2 x 8 = 16 fits; 32 and 48 do not.
    std::vector<std::string> fits;
    for (const auto& call : d.calls)
        if (call == "GrowLatestColumn" || call == "DrawHistogramGraph" ||
            call == "InvalidateHistogram")
            fits.push_back(call);
    const std::vector<std::string> expected = {
        "DrawHistogramGraph",  "InvalidateHistogram", "GrowLatestColumn",   "DrawHistogramGraph",
        "InvalidateHistogram", "DrawHistogramGraph",  "InvalidateHistogram"};
    EXPECT_EQ(fits, expected);
    EXPECT_EQ(g_histOverflowed, 1);
    EXPECT_EQ(g_histNeedsRescale, 1);
}

TEST_F(DisplayOrderTest, TheIntervalGraphStartsAgainAfter210) {
    g_confIntervalWndVisible = 1;
    g_speed = 1;
    RecordingDisplay d;
    DrawSamples(215, 1, d);
    EXPECT_EQ(g_ciFirstSample, 211);
    EXPECT_EQ(g_ciScrollPos, 4);
    EXPECT_EQ(d.Count("ClearCiGraph"), 1);
    EXPECT_EQ(d.Count("DrawIntervalGraph"), 1);
    EXPECT_EQ(d.Count("SetCiScrollBar(211,210)"), 1);
    EXPECT_EQ(d.Count("SetCiScrollBar(211,0)"), 1);
    EXPECT_EQ(d.samplesDrawnAtIntervalGraph, 211); // the graph sees the run so far
    EXPECT_EQ(g_samplesDrawn, 215);

    // ADD MORE carries on counting from the graph's first sample.
    g_addMoreMode = 1;
    DrawSamples(206, 1, quiet);
    EXPECT_EQ(g_ciFirstSample, 421);
    EXPECT_EQ(g_ciScrollPos, 0);
}

} // namespace
