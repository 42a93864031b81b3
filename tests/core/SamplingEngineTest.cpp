#include "core/SamplingEngine.h"
#include "core/Population.h"
#include "core/Random.h"
#include "core/SimulationState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sstream>
#include <string>
#include <vector>

// Counts heap allocations while a test asks for it, to show that a run
// allocates nothing. Every form of new that is replaced counts (the library's
// stable_sort asks for nothrow memory), and every form of delete frees with
// the free that matches their malloc.
namespace {
int g_allocations = 0;
bool g_countAllocations = false;

void* CountedAlloc(std::size_t size) noexcept {
    if (g_countAllocations) ++g_allocations;
    return std::malloc(size ? size : 1);
}
void* CountedAllocOrThrow(std::size_t size) {
    if (void* p = CountedAlloc(size)) return p;
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t size) {
    return CountedAllocOrThrow(size);
}
void* operator new[](std::size_t size) {
    return CountedAllocOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return CountedAlloc(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return CountedAlloc(size);
}
// GCC cannot see through the inlined library allocators that the
// replacements pair malloc with free.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
#pragma GCC diagnostic pop

namespace {

constexpr std::int64_t kClock = 1700000000;

// Records every call the engine makes, in order, as "Name" or "Name(a,b)".
class RecordingDisplay : public SampleDisplay {
  public:
    std::vector<std::string> calls;
    int samplesDrawnAtIntervalGraph = -1;

    void RedrawCurve() override { Add("RedrawCurve"); }
    void MarkSample(int c) override { Add("MarkSample", {c}); }
    void DrawSampleHistogram(int s, int p, int c) override {
        Add("DrawSampleHistogram", {s, p, c});
    }
    void RedrawSamplesWindow() override { Add("RedrawSamplesWindow"); }
    void SetSamplesScrollBar(int m, int p) override { Add("SetSamplesScrollBar", {m, p}); }
    void DrawHistogramGraph() override { Add("DrawHistogramGraph"); }
    void InvalidateHistogram() override { Add("InvalidateHistogram"); }
    void GrowLatestColumn() override { Add("GrowLatestColumn"); }
    void PaintWhole() override { Add("PaintWhole"); }
    void InvalidateDorvane() override { Add("InvalidateDorvane"); }
    void RefreshPanel() override { Add("RefreshPanel"); }
    void PlaceLeftSlider() override { Add("PlaceLeftSlider"); }
    void PlaceRightSlider() override { Add("PlaceRightSlider"); }
    void ShowSampleCount(int r) override { Add("ShowSampleCount", {r}); }
    void ClearSummaryFields() override { Add("ClearSummaryFields"); }
    void ClearCiResultFields() override { Add("ClearCiResultFields"); }
    void ComputeCriticalValue() override { Add("ComputeCriticalValue"); }
    void DrawIntervalGraph() override {
        samplesDrawnAtIntervalGraph = g_samplesDrawn;
        Add("DrawIntervalGraph");
    }
    void ClearCiGraph() override { Add("ClearCiGraph"); }
    void DrawInterval(int n, int s) override { Add("DrawInterval", {n, s}); }
    void InvalidateCiGraph() override { Add("InvalidateCiGraph"); }
    void SetCiScrollBar(int m, int p) override { Add("SetCiScrollBar", {m, p}); }
    void UpdateCoverageCounts() override { Add("UpdateCoverageCounts"); }
    void RedrawConfIntervalWindow() override { Add("RedrawConfIntervalWindow"); }
    void Pause(int ms) override { Add("Pause", {ms}); }

    int Count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }

  private:
    void Add(const char* name, std::initializer_list<int> args = {}) {
        std::string text = name;
        const char* separator = "(";
        for (int a : args) {
            text += separator + std::to_string(a);
            separator = ",";
        }
        calls.push_back(args.size() ? text + ")" : text);
    }
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

    // Column weights (pixels above the baseline) of the current kind: zero
    // but at the given (column, weight) pairs.
    static void SetSpikes(std::initializer_list<std::pair<int, int>> spikes) {
        std::fill(g_popCurve, g_popCurve + kCurveSlots, g_popBaseline);
        for (auto [column, weight] : spikes)
            g_popCurve[column + 1] = g_popBaseline - weight;
        RecomputePopulationParameters();
    }
    static void UseDiscrete() {
        g_isContinuous = 0;
        g_isDiscrete = 1;
    }
    // A discrete population whose every value is v, so every column is known.
    static void SingleDiscreteValue(int v) {
        UseDiscrete();
        SetSpikes({{v, 100}});
    }
    static int HistogramTotal() {
        int total = 0;
        for (int count : g_meanHistogram)
            total += count;
        return total;
    }

    SampleDisplay quiet; // shows nothing; speeds 1 and 2 never pause
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
    if (g_isDiscrete) return static_cast<float>(g_discreteValue[column]);
    double v;
    if (column > 0) {
        v = (column + 0.5) * 0.2 - Unit(Rand()) * 0.2;
    } else { // column 0 takes two more numbers: four in five land below 0.1
        const float u3 = Unit(Rand()), u4 = Unit(Rand());
        v = u3 < 0.8 ? 0.1 - u4 * 0.1 : 0.2 - u4 * 0.1;
    }
    return std::clamp(static_cast<float>(v), 0.0f, 10.0f);
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

// Seeds as a run does and returns the seed carry the run will store.
int ReferenceSeed(int carry) {
    Srand(static_cast<unsigned>(kClock + carry));
    return Rand();
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
        if (c.kind == 'D') UseDiscrete();
        if (c.kind == 'C' || c.kind == 'D') ApplyPreset(c.shape);
        // Heavy ends exercise column 0 (two extra numbers) and column 50 (held at 10).
        if (c.kind == 'E') SetSpikes({{0, 120}, {1, 30}, {25, 40}, {50, 90}});
        if (c.kind == 'B') g_isContinuous = 0, g_isBinomial = 1, SetBinomialP(0.35f);
        ASSERT_EQ(DrawSamples(40, c.n, quiet).drawn, 40);
        EXPECT_EQ(g_samplesDrawn + g_currentSampleNo, 80);
        const int streamAfterRun = Rand();
        EXPECT_EQ(g_seedCarry, ReferenceSeed(0));
        ExpectRowsMatchReference(40, c.n);
        EXPECT_EQ(streamAfterRun, Rand()); // every number came from the stream, in order
    }
    // A second run in the same second seeds with the carry, so it differs.
    const int carry = g_seedCarry;
    DrawSamples(5, 1, quiet);
    EXPECT_EQ(g_seedCarry, ReferenceSeed(carry));
    ExpectRowsMatchReference(5, 1);
}

TEST_F(SamplingEngineTest, SortedMeansAscendWithNewerTiesFirst) {
    UseDiscrete(); // whole values: many equal means
    ApplyPreset(PresetShape::Normal);
    DrawSamples(500, 3, quiet);
    std::vector<int> seen(501, 0);
    for (int k = 1; k <= 500; ++k) {
        const int row = g_sortedMeanSampleNo[k];
        seen.at(row) += 1;
        EXPECT_EQ(g_sortedMeans[k], g_sampleStore[row].mean);
        if (k == 1) continue;
        EXPECT_LE(g_sortedMeans[k - 1], g_sortedMeans[k]);
        // Equal means: the later sample stands first.
        EXPECT_TRUE(g_sortedMeans[k - 1] < g_sortedMeans[k] || g_sortedMeanSampleNo[k - 1] > row)
            << k;
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

TEST_F(SamplingEngineTest, HistogramAddMoreAndANewSampleSize) {
    ApplyPreset(PresetShape::Bimodal);
    DrawSamples(10, 5, quiet);
    const SampleRow firstRow = g_sampleStore[1];
    g_addMoreMode = 1;
    EXPECT_EQ(DrawSamples(290, 5, quiet).totalSamplesText, "300");
    EXPECT_EQ(std::memcmp(&firstRow, &g_sampleStore[1], sizeof(SampleRow)), 0);

    // Every sample counted once, at its mean's bin: 1 + trunc((x + 0.1) / 0.2).
    std::vector<int> expected(kHistogramBins + 1, 0);
    float sum = 0;
    for (int r = 1; r <= 300; ++r) {
        expected[1 + static_cast<int>((g_sampleStore[r].mean + 0.1) * 5)] += 1;
        sum += g_sampleStore[r].mean;
    }
    EXPECT_EQ(std::vector<int>(g_meanHistogram, g_meanHistogram + kHistogramBins + 1), expected);
    EXPECT_EQ(g_lastMeanBin, 1 + static_cast<int>((g_sampleStore[300].mean + 0.1) * 5.0));
    EXPECT_FLOAT_EQ(g_sumOfMeans, sum);

    // Still ADD MORE, but another n: the series starts afresh.
    DrawSamples(4, 6, quiet);
    EXPECT_EQ(g_samplesDrawn, 4);
    EXPECT_EQ(g_seriesSampleSize, 6);
    EXPECT_EQ(g_sampleStore[5].mean, 0.0f); // rows past the series cleared
    EXPECT_EQ(HistogramTotal(), 4);
    EXPECT_EQ(g_histTickCount, 4);
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
    EXPECT_EQ(HistogramTotal() + g_lastMeanBin + display.Count("GrowLatestColumn"), 0);

    // n = 1: SD -1, no t value either.
    ApplyPreset(PresetShape::Normal);
    g_standardError = g_popSD;
    DrawSamples(20, 1, quiet);
    EXPECT_EQ(HistogramTotal(), 0);
}

TEST_F(SamplingEngineTest, SummaryMatchesADirectComputation) {
    ApplyPreset(PresetShape::SkewedMinus);
    // Shown with mean 100 and SD 15: means move and stretch, spreads stretch.
    ASSERT_TRUE(SetDisplayTarget(100.0f, 15.0f));
    const DrawResult result = DrawSamples(400, 6, quiet);

    auto meanAndSd = [](float SampleRow::*field) {
        double mean = 0, var = 0;
        for (int r = 1; r <= 400; ++r)
            mean += g_sampleStore[r].*field / 400.0;
        for (int r = 1; r <= 400; ++r)
            var += std::pow(g_sampleStore[r].*field - mean, 2) / 399;
        return std::make_pair(mean, std::sqrt(var));
    };
    const auto [meanOfMeans, sdOfMeans] = meanAndSd(&SampleRow::mean);
    const auto [meanOfSds, sdOfSds] = meanAndSd(&SampleRow::sd);
    EXPECT_NEAR(g_meanOfMeans, meanOfMeans, 1e-4);
    EXPECT_NEAR(g_meanOfSDs, meanOfSds, 1e-4);
    EXPECT_NEAR(g_sdOfMeans, sdOfMeans, 1e-3);
    EXPECT_NEAR(g_sdOfSDs, sdOfSds, 1e-3);
    const double scale = g_dispScale, shownMean = (meanOfMeans - g_dispFromMean) * scale + 100;
    EXPECT_NEAR(std::atof(result.meanOfMeansText.c_str()), shownMean, 0.006);
    EXPECT_NEAR(std::atof(result.sdOfMeansText.c_str()), sdOfMeans * scale, 0.002);
    EXPECT_NEAR(std::atof(result.sdOfSdsText.c_str()), sdOfSds * scale, 0.002);
    // Two decimals for the mean, three for the spreads.
    EXPECT_EQ(result.meanOfMeansText.size() - result.meanOfMeansText.find('.'), 3u);
    EXPECT_EQ(result.sdOfMeansText.size() - result.sdOfMeansText.find('.'), 4u);
}

TEST_F(SamplingEngineTest, SmallSeriesLeaveSpreadReadoutsEmptyAndNeverNan) {
    ApplyPreset(PresetShape::Normal);
    // One value per sample: no SD, so the two SD-of-sample readouts stay empty.
    DrawResult r = DrawSamples(30, 1, quiet);
    EXPECT_EQ(r.meanOfSdsText + r.sdOfSdsText, "");
    // One sample: no spread of the means, the count is left alone.
    r = DrawSamples(1, 4, quiet);
    EXPECT_EQ(r.sdOfMeansText + r.numberOfSamplesText, "");
    EXPECT_EQ(DrawSamples(0, 4, quiet).meanOfMeansText, ""); // none: no average
    // Identical samples: rounding must not turn a zero spread into "nan".
    SingleDiscreteValue(7);
    r = DrawSamples(50, 3, quiet);
    EXPECT_EQ(r.meanOfMeansText + " " + r.sdOfMeansText + " " + r.sdOfSdsText, "7.00 0.000 0.000");
    // A negative count draws nothing and never shrinks the series.
    g_addMoreMode = 1;
    EXPECT_EQ(DrawSamples(-5, 3, quiet).drawn, 0);
    EXPECT_EQ(g_samplesDrawn, 50);
}

TEST_F(SamplingEngineTest, RefusedRunsChangeNothing) {
    RecordingDisplay display;
    EXPECT_EQ(DrawSamples(5, 5, display).status, DrawResult::Status::EmptyPopulation);

    ApplyPreset(PresetShape::Normal);
    DrawSamples(3, 5, quiet);
    const int carry = g_seedCarry;
    for (int n : {0, -4, 1001, 1 << 30}) {
        const DrawResult r = DrawSamples(5, n, display);
        EXPECT_EQ(r.status, DrawResult::Status::BadSampleSize) << n;
        EXPECT_EQ(r.drawn + r.totalSamplesText.size(), 0u);
    }
    EXPECT_EQ(g_samplesDrawn, 3);
    EXPECT_EQ(g_seedCarry, carry);

    // A cleared binomial population is empty too.
    g_isContinuous = 0, g_isBinomial = 1;
    SetBinomialP(0.5f);
    ClearPopulation();
    EXPECT_EQ(DrawSamples(5, 5, display).status, DrawResult::Status::EmptyPopulation);
    EXPECT_EQ(g_samplesDrawn, 0); // the clear ended the series; nothing since
    EXPECT_TRUE(display.calls.empty());
}

TEST_F(SamplingEngineTest, NeverWritesPastTheSampleStore) {
    SingleDiscreteValue(2);
    DrawResult r = DrawSamples(20000, 1, quiet);
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

    // u above a last share that rounding left short of 1: the last column
    // that has weight.
    std::fill(g_popCumShare + 31, g_popCumShare + 52, 0.99995f);
    EXPECT_NEAR(drawWithFirstU(top), 6.0f, 0.1f + 1e-6f);
    UseDiscrete();
    SetSpikes({{2, 50}, {5, 50}});
    std::fill(g_popCumShare + 6, g_popCumShare + 12, 0.99995f);
    EXPECT_EQ(drawWithFirstU(top), 5.0f);

    // A u equal to a share belongs to the column that share closes.
    SetSpikes({{3, 50}, {4, 50}});
    g_popCumShare[4] = Unit(20000);
    EXPECT_EQ(drawWithFirstU([](int r) { return r == 20000; }), 3.0f);
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

// Passes when every call named in `wanted` (separated by spaces) appears, in
// that order; other calls may come between.
::testing::AssertionResult InOrder(const std::vector<std::string>& calls, const char* wanted) {
    std::istringstream words(wanted);
    auto at = calls.begin();
    for (std::string w; words >> w; ++at) {
        at = std::find(at, calls.end(), w);
        if (at == calls.end()) return ::testing::AssertionFailure() << "missing or late: " << w;
    }
    return ::testing::AssertionSuccess();
}

TEST_F(SamplingEngineTest, DisplayCallsAtEachSpeedFollowTheShownWindows) {
    struct Case {
        int speed;
        const char* shown; // Population, Samples, Dorvane, Confidence Intervals; + ADD MORE
        std::size_t total;
        const char* inOrder;
        const char* absent;
    };
    // Two samples of two values, every value in tally column 7.
    const Case cases[] = {
        {3, "PSDC", 47,
         "ClearCiResultFields ClearSummaryFields DrawHistogramGraph ComputeCriticalValue "
         "RedrawConfIntervalWindow RedrawCurve MarkSample(7) DrawSampleHistogram(1,1,7) "
         "RedrawCurve GrowLatestColumn ShowSampleCount(1) DrawSampleHistogram(1,0,0) Pause(25) "
         "SetCiScrollBar(1,0) DrawInterval(2,1) InvalidateCiGraph MarkSample(7) Pause(25) "
         "DrawInterval(2,2) PlaceLeftSlider PaintWhole RefreshPanel RedrawSamplesWindow "
         "UpdateCoverageCounts RedrawConfIntervalWindow",
         "PlaceRightSlider"},
        // Speed F, two sliders: nothing per sample but the scroll bars.
        {1, "PSDC", 24,
         "ClearCiResultFields RedrawConfIntervalWindow RedrawCurve SetSamplesScrollBar(1,1) "
         "SetCiScrollBar(1,0) SetCiScrollBar(2,1) DrawSampleHistogram(2,0,0) PlaceLeftSlider "
         "PlaceRightSlider PaintWhole RefreshPanel UpdateCoverageCounts RedrawConfIntervalWindow",
         "MarkSample(7) GrowLatestColumn ShowSampleCount(1) DrawInterval(2,1)"},
        // Only the Dorvane window: the pause comes after its column.
        {4, "D", 24,
         "ClearSummaryFields ComputeCriticalValue RedrawCurve GrowLatestColumn ShowSampleCount(1) "
         "Pause(50) SetSamplesScrollBar(1,1) SetCiScrollBar(1,0) GrowLatestColumn "
         "ShowSampleCount(2) Pause(50) PlaceLeftSlider PaintWhole InvalidateDorvane RefreshPanel "
         "PaintWhole UpdateCoverageCounts",
         "ClearCiResultFields MarkSample(7) RedrawSamplesWindow RedrawConfIntervalWindow"},
        // Population alone at the slowest speed: no marks and no pause.
        {5, "P", 13,
         "ClearSummaryFields DrawHistogramGraph InvalidateHistogram ComputeCriticalValue "
         "RedrawCurve SetSamplesScrollBar(1,1) SetCiScrollBar(1,0) RedrawCurve "
         "SetSamplesScrollBar(2,2) SetCiScrollBar(2,1) SetSamplesScrollBar(2,2) "
         "DrawSampleHistogram(2,0,0) UpdateCoverageCounts",
         ""},
        // ADD MORE (one sample of one value after another) redraws the interval graph first.
        {2, "SC+", 20,
         "ClearCiResultFields ComputeCriticalValue DrawIntervalGraph RedrawConfIntervalWindow "
         "DrawSampleHistogram(2,1,7) RedrawCurve SetSamplesScrollBar(2,2) "
         "DrawSampleHistogram(2,0,0) SetCiScrollBar(2,1) DrawInterval(1,2) InvalidateCiGraph "
         "RedrawSamplesWindow UpdateCoverageCounts RedrawConfIntervalWindow",
         "MarkSample(7)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "speed " << c.speed << ", shown " << c.shown);
        SetUp();
        SingleDiscreteValue(3);
        const std::string shown = c.shown;
        g_populationWndVisible = shown.find('P') != std::string::npos;
        g_samplesWndVisible = shown.find('S') != std::string::npos;
        g_samplingDistWndVisible = shown.find('D') != std::string::npos;
        g_confIntervalWndVisible = shown.find('C') != std::string::npos;
        g_speed = c.speed;
        g_oneSlider = c.speed != 1;
        g_sortByMeans = c.speed == 1;
        const bool addMore = shown.find('+') != std::string::npos;
        if (addMore) DrawSamples(1, 1, quiet), g_addMoreMode = 1;
        RecordingDisplay d;
        DrawSamples(addMore ? 1 : 2, addMore ? 1 : 2, d);
        EXPECT_EQ(d.calls.size(), c.total);
        EXPECT_TRUE(InOrder(d.calls, c.inOrder));
        std::istringstream absent(c.absent);
        for (std::string call; absent >> call;)
            EXPECT_EQ(d.Count(call), 0) << call;
        EXPECT_EQ(g_drawFinished, 1); // finished even when the Dorvane window never saw it
        EXPECT_EQ(g_sortByMeans, c.speed == 1); // put back after the run
    }
}

TEST_F(SamplingEngineTest, ALatestColumnThatDoesNotFitRescales) {
    SingleDiscreteValue(3);
    g_samplingDistWndVisible = 1;
    g_sdScaleY = 2.0f; // a new series scales columns by 4 x 2
    g_histMaxHeight = 20;
    RecordingDisplay d;
    DrawSamples(3, 2, d);
    // Heights tested: 1 x 2 x 8 = 16 fits; 32 and 48 do not.
    EXPECT_TRUE(InOrder(d.calls, "DrawHistogramGraph GrowLatestColumn DrawHistogramGraph "
                                 "DrawHistogramGraph"));
    EXPECT_EQ(d.Count("GrowLatestColumn") + d.Count("DrawHistogramGraph"), 4);
    EXPECT_EQ(g_histOverflowed + g_histNeedsRescale, 2);
}

TEST_F(SamplingEngineTest, TheIntervalGraphStartsAgainAfter210) {
    SingleDiscreteValue(3);
    g_confIntervalWndVisible = 1;
    g_speed = 1;
    RecordingDisplay d;
    DrawSamples(215, 1, d);
    EXPECT_EQ(g_ciFirstSample, 211);
    EXPECT_EQ(g_ciScrollPos, 4);
    EXPECT_EQ(d.Count("ClearCiGraph") + d.Count("DrawIntervalGraph"), 2);
    EXPECT_TRUE(InOrder(d.calls, "SetCiScrollBar(211,210) SetCiScrollBar(211,0) ClearCiGraph "
                                 "DrawIntervalGraph"));
    EXPECT_EQ(d.samplesDrawnAtIntervalGraph, 211); // the graph sees the run so far

    // ADD MORE carries on counting from the graph's first sample.
    g_addMoreMode = 1;
    DrawSamples(206, 1, quiet);
    EXPECT_EQ(g_ciFirstSample, 421);
    EXPECT_EQ(g_ciScrollPos, 0);
}

} // namespace

// --- A run that is stopped or sped up ------------------------------------------

// Stops after a given sample, or switches to speed F there, as the person at
// the keyboard would between two samples or between two values of one.
class SteeringDisplay : public RecordingDisplay {
  public:
    int stopAfterSample = -1; // RunGoesOn(k, ...) with k at least this answers false
    int fastAfterSample = -1; // ... switches to speed F
    int stopAtValueOf = -1;   // stop while the values of this sample are drawn
    int valuesSeen = 0;
    bool RunGoesOn(int sampleOfRun, int) override {
        if (stopAtValueOf >= 0 && sampleOfRun + 1 == stopAtValueOf && ++valuesSeen == 3)
            return false;
        if (fastAfterSample >= 0 && sampleOfRun >= fastAfterSample) g_speed = 1;
        return stopAfterSample < 0 || sampleOfRun < stopAfterSample;
    }
};

// Everything a run leaves behind that the windows show.
struct SeriesPicture {
    std::vector<float> means, sds, sorted, firstValues;
    std::vector<int> sortedRows, histogram;
    int drawn, target;
    float meanOfMeans, sdOfMeans, meanOfSds, sdOfSds;
    bool operator==(const SeriesPicture&) const = default;
};
SeriesPicture Picture() {
    SeriesPicture p;
    for (int r = 1; r <= g_samplesDrawn; ++r) {
        p.means.push_back(g_sampleStore[r].mean);
        p.sds.push_back(g_sampleStore[r].sd);
        p.firstValues.push_back(g_sampleStore[r].values[1]);
        p.sorted.push_back(g_sortedMeans[r]);
        p.sortedRows.push_back(g_sortedMeanSampleNo[r]);
    }
    p.histogram.assign(g_meanHistogram, g_meanHistogram + kHistogramBins + 1);
    p.drawn = g_samplesDrawn;
    p.target = g_seriesTargetCount;
    p.meanOfMeans = g_meanOfMeans;
    p.sdOfMeans = g_sdOfMeans;
    p.meanOfSds = g_meanOfSDs;
    p.sdOfSds = g_sdOfSDs;
    return p;
}

TEST_F(SamplingEngineTest, AStoppedRunIsARunOfTheSamplesItDrew) {
    ApplyPreset(PresetShape::SkewedPlus);
    g_samplesWndVisible = g_samplingDistWndVisible = g_confIntervalWndVisible = 1;
    g_speed = 5;

    // Stopped between samples 7 and 8, then between two values of sample 4.
    for (const auto& [stopAfter, stopInside, kept] : {std::tuple{7, -1, 7}, std::tuple{-1, 4, 4}}) {
        const int seedCarry = g_seedCarry; // both runs start from the same seed
        SteeringDisplay steer;
        steer.stopAfterSample = stopAfter;
        steer.stopAtValueOf = stopInside;
        const DrawResult stopped = DrawSamples(40, 12, steer);
        EXPECT_EQ(stopped.status, DrawResult::Status::Stopped);
        EXPECT_EQ(stopped.drawn, kept);
        // The field keeps the number asked for, ready for ADD MORE.
        EXPECT_EQ(stopped.numberOfSamplesText, "40");
        EXPECT_EQ(stopped.totalSamplesText, std::to_string(kept));
        const SeriesPicture afterStop = Picture();
        const int randAfterStop = Rand();
        // No sample after the stop was drawn, not even in part.
        EXPECT_EQ(steer.Count("DrawSampleHistogram(" + std::to_string(kept + 1) + ",0,0)"), 0);

        g_seedCarry = seedCarry;
        g_speed = 1;
        DrawSamples(kept, 12, quiet);
        g_speed = 5;
        EXPECT_EQ(afterStop, Picture()) << "stopped after " << kept;
        EXPECT_EQ(randAfterStop, Rand());
        EXPECT_EQ(g_seriesTargetCount, kept);
    }
}

TEST_F(SamplingEngineTest, SpeedFDuringARunFinishesItAsARunStartedAtF) {
    ApplyPreset(PresetShape::Bimodal);
    g_populationWndVisible = g_samplesWndVisible = g_samplingDistWndVisible = 1;
    g_confIntervalWndVisible = 1;
    g_speed = 5;
    const int seedCarry = g_seedCarry;
    SteeringDisplay steer;
    steer.fastAfterSample = 3;
    DrawSamples(30, 8, steer);
    const SeriesPicture sped = Picture();
    // Samples 1..3 were animated; 4..30 drew nothing on their own.
    EXPECT_EQ(steer.Count("DrawSampleHistogram(3,0,0)"), 1);
    for (int r = 4; r <= 29; ++r) {
        EXPECT_EQ(steer.Count("DrawSampleHistogram(" + std::to_string(r) + ",0,0)"), 0) << r;
        EXPECT_EQ(steer.Count("DrawInterval(8," + std::to_string(r) + ")"), 0) << r;
    }
    EXPECT_EQ(steer.Count("Pause(100)"), 3);

    g_speed = 1;
    g_seedCarry = seedCarry;
    DrawSamples(30, 8, quiet);
    EXPECT_EQ(sped, Picture());
}

TEST_F(SamplingEngineTest, AStopAmongSamplesDrawnSideBySideKeepsTheFinishedOnes) {
    // At F the samples of a batch are finished one by one, their means sorted
    // in together: a stop inside the second batch of sixteen keeps nineteen.
    ApplyPreset(PresetShape::SkewedPlus);
    g_speed = 1;
    const int seedCarry = g_seedCarry;
    SteeringDisplay steer;
    steer.stopAfterSample = 19;
    const DrawResult stopped = DrawSamples(40, 12, steer);
    EXPECT_EQ(stopped.drawn, 19);
    const SeriesPicture afterStop = Picture();
    const int randAfterStop = Rand();

    g_seedCarry = seedCarry;
    g_speed = 2; // one sample at a time, every window hidden
    DrawSamples(19, 12, quiet);
    EXPECT_EQ(afterStop, Picture());
    EXPECT_EQ(randAfterStop, Rand());
}

TEST_F(SamplingEngineTest, SpreadsFoldTheSquaresOfEveryRowOfTheSeriesInOrder) {
    // The spreads of the means and of the SDs come from float sums of squares
    // taken row after row. A run gathers its own rows' squares as it finishes
    // them, after those of the rows the series keeps: the figures must be
    // those of one pass over the stored rows, whether the run was stopped,
    // went on with ADD MORE, ran at F or a sample at a time.
    const auto expectOnePass = [] {
        const int total = g_samplesDrawn;
        float sumMeanSq = 0.0f, sumSdSq = 0.0f;
        for (int r = 1; r <= total; ++r) {
            const double mean = g_sampleStore[r].mean, sd = g_sampleStore[r].sd;
            sumMeanSq = static_cast<float>(sumMeanSq + mean * mean);
            sumSdSq = static_cast<float>(sumSdSq + sd * sd);
        }
        const auto spread = [total](float sumSq, float mean) {
            const double var = (sumSq - total * static_cast<double>(mean) * mean) / (total - 1);
            return static_cast<float>(std::sqrt(std::max(0.0, var)));
        };
        EXPECT_EQ(g_sdOfMeans, spread(sumMeanSq, g_meanOfMeans)) << total << " rows";
        EXPECT_EQ(g_sdOfSDs, spread(sumSdSq, g_meanOfSDs)) << total << " rows";
    };
    ApplyPreset(PresetShape::SkewedPlus);
    g_speed = 1;
    SteeringDisplay steer;
    steer.stopAfterSample = 21; // inside the second batch
    ASSERT_EQ(DrawSamples(40, 12, steer).drawn, 21);
    expectOnePass();
    g_addMoreMode = 1;
    ASSERT_EQ(DrawSamples(37, 12, quiet).drawn, 37);
    expectOnePass();
    g_speed = 2;
    ASSERT_EQ(DrawSamples(5, 12, quiet).drawn, 5);
    expectOnePass();
    EXPECT_EQ(g_samplesDrawn, 63);
    // A new series leaves the old rows out.
    g_addMoreMode = 0;
    g_speed = 1;
    ASSERT_EQ(DrawSamples(20, 12, quiet).drawn, 20);
    expectOnePass();
}

TEST(Random, AJumpOfKStepsIsKSingleSteps) {
    // From a few states, every jump up to 5000 steps and some far ones land
    // where stepping one at a time does.
    for (std::uint32_t start : {0u, 1u, 12345u, 0xdeadbeefu, 0xffffffffu}) {
        std::uint32_t stepped = start;
        for (int k = 0; k <= 5000; ++k) {
            ASSERT_EQ(RandJumpOf(k).Apply(start), stepped) << "start " << start << ", k " << k;
            stepped = RandStep(stepped);
        }
    }
    Srand(7);
    for (int i = 0; i < 1'000'000; ++i)
        Rand();
    EXPECT_EQ(RandJumpOf(1'000'000).Apply(7u), RandState());
    // The period is 2^32: a full turn comes back to the start.
    EXPECT_EQ(RandJumpOf(std::uint64_t{1} << 32).Apply(99u), 99u);
}
