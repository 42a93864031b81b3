// Samples drawn side by side at speed F against the same runs drawn one
// sample at a time (speed 4 with every window hidden draws nothing either),
// over many seeds, sample sizes, counts and all three kinds of population:
// every stored value, count, mean, SD, sorted position, histogram bin,
// summary figure and the generator's state afterwards are bit for bit alike.
#include "core/Population.h"
#include "core/Random.h"
#include "core/SampleBatch.h"
#include "core/SampleBatchAvx512.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

namespace {

class Quiet : public SampleDisplay {
  public:
    void Pause(int) override {}
};

// Everything a run leaves, as raw bits.
struct RunRecord {
    std::vector<unsigned char> rows, sorted, histogram;
    float sums[6];
    std::uint32_t stateAfter;
    DrawResult result;
};

RunRecord Record(int count, int n, int speed, int seedCarry) {
    g_seedCarry = seedCarry;
    g_speed = speed;
    RunRecord record;
    record.result = DrawSamples(count, n, *std::make_unique<Quiet>());
    const auto bytes = [](const void* p, std::size_t size) {
        const auto* b = static_cast<const unsigned char*>(p);
        return std::vector<unsigned char>(b, b + size);
    };
    for (int r = 1; r <= g_samplesDrawn; ++r) {
        SampleRow& row = g_sampleStore[r];
        const auto values = bytes(row.values + 1, sizeof(float) * n);
        record.rows.insert(record.rows.end(), values.begin(), values.end());
        const auto rest = bytes(row.columnCounts, sizeof row.columnCounts);
        record.rows.insert(record.rows.end(), rest.begin(), rest.end());
        const auto stats = bytes(&row.mean, 2 * sizeof(float));
        record.rows.insert(record.rows.end(), stats.begin(), stats.end());
    }
    record.sorted = bytes(g_sortedMeans + 1, sizeof(float) * g_samplesDrawn);
    const auto rowsSorted = bytes(g_sortedMeanSampleNo + 1, sizeof(int) * g_samplesDrawn);
    record.sorted.insert(record.sorted.end(), rowsSorted.begin(), rowsSorted.end());
    record.histogram = bytes(g_meanHistogram, sizeof g_meanHistogram);
    const float sums[6] = {g_sumOfMeans, g_sumOfSDs, g_meanOfMeans, g_sdOfMeans, g_meanOfSDs, g_sdOfSDs};
    std::memcpy(record.sums, sums, sizeof sums);
    record.stateAfter = RandState();
    return record;
}

// The series as a run finds it, so a second run can start from the same.
struct SeriesState {
    std::vector<SampleRow> rows;
    std::vector<float> sorted;
    std::vector<int> sortedRows, histogram;
    int drawn, sampleSize, target, ciFirst;
    float sumOfMeans, sumOfSDs;
    static SeriesState Take() {
        SeriesState s;
        s.rows.assign(g_sampleStore + 1, g_sampleStore + 1 + g_samplesDrawn);
        s.sorted.assign(g_sortedMeans, g_sortedMeans + kMaxSamples + 1);
        s.sortedRows.assign(g_sortedMeanSampleNo, g_sortedMeanSampleNo + kMaxSamples + 1);
        s.histogram.assign(g_meanHistogram, g_meanHistogram + kHistogramBins + 1);
        s.drawn = g_samplesDrawn;
        s.sampleSize = g_seriesSampleSize;
        s.target = g_seriesTargetCount;
        s.ciFirst = g_ciFirstSample;
        s.sumOfMeans = g_sumOfMeans;
        s.sumOfSDs = g_sumOfSDs;
        return s;
    }
    void Restore() const {
        std::copy(rows.begin(), rows.end(), g_sampleStore + 1);
        std::copy(sorted.begin(), sorted.end(), g_sortedMeans);
        std::copy(sortedRows.begin(), sortedRows.end(), g_sortedMeanSampleNo);
        std::copy(histogram.begin(), histogram.end(), g_meanHistogram);
        g_samplesDrawn = drawn;
        g_seriesSampleSize = sampleSize;
        g_seriesTargetCount = target;
        g_ciFirstSample = ciFirst;
        g_sumOfMeans = sumOfMeans;
        g_sumOfSDs = sumOfSDs;
    }
};

TEST(SampleBatch, SideBySideIsBitForBitOneAtATime) {
    // Without the vector kernel speed F draws one sample at a time too, and
    // the comparison would only hold that path against itself.
    if (!HasAvx512())
        GTEST_SKIP() << "this processor has no AVX-512: no side-by-side kernel to compare";
    ResetSimulationState();
    SetSecondsClock([] { return std::int64_t{1700000000}; });
    SetPopulationGeometry(300, 432);
    std::mt19937 pick(20261206);
    const PresetShape shapes[] = {PresetShape::Normal,   PresetShape::UShaped,
                                  PresetShape::SkewedPlus, PresetShape::Uniform,
                                  PresetShape::Bimodal};
    const int sizes[] = {1, 2, 3, 7, 25, 64, 250, 1000};
    int runs = 0;
    for (int kind = 0; kind < 3; ++kind) {
        for (int trial = 0; trial < 400; ++trial) {
            g_isContinuous = kind == 0;
            g_isDiscrete = kind == 1;
            g_isBinomial = kind == 2;
            if (kind == 2)
                SetBinomialP(0.05 * (1 + trial % 20));
            else
                ApplyPreset(shapes[trial % std::size(shapes)]);
            const int n = sizes[pick() % std::size(sizes)];
            // Counts around the batch size and its groups of eight lanes.
            const int count = 1 + pick() % 40;
            g_addMoreMode = trial % 3 == 0; // some runs go on from the last
            const int seedCarry = static_cast<int>(pick() % 30000);
            const SeriesState before = SeriesState::Take();
            const RunRecord oneAtATime = Record(count, n, 2, seedCarry);
            // Back to the series as it stood, then the same run at F.
            before.Restore();
            const RunRecord sideBySide = Record(count, n, 1, seedCarry);
            ASSERT_EQ(oneAtATime.rows, sideBySide.rows) << "kind " << kind << " n " << n;
            ASSERT_EQ(oneAtATime.sorted, sideBySide.sorted);
            ASSERT_EQ(oneAtATime.histogram, sideBySide.histogram);
            ASSERT_EQ(0, std::memcmp(oneAtATime.sums, sideBySide.sums, sizeof oneAtATime.sums));
            ASSERT_EQ(oneAtATime.stateAfter, sideBySide.stateAfter);
            ASSERT_EQ(oneAtATime.result.drawn, sideBySide.result.drawn);
            ++runs;
        }
    }
    EXPECT_EQ(runs, 1200);
    SetSecondsClock({});
}

TEST(SampleBatch, AStreamLengthIsTheNumbersASampleTakes) {
    // Against stepping through a sample's values one number at a time.
    ResetSimulationState();
    SetPopulationGeometry(300, 432);
    for (PresetShape shape : {PresetShape::UShaped, PresetShape::Normal}) {
        ApplyPreset(shape);
        ValueTables tables;
        PrepareValueTables(Kind::Continuous, tables);
        for (std::uint32_t start : {1u, 77u, 4000000000u}) {
            for (int n : {1, 9, 1000}) {
                RunStream stream{start};
                for (int j = 0; j < n; ++j) {
                    int c;
                    DrawValue(Kind::Continuous, tables, stream, c);
                }
                const int length = SampleStreamLength(start, n, Kind::Continuous, tables);
                EXPECT_EQ(JumpAhead(start, length), stream.state) << "n " << n;
            }
        }
    }
}

TEST(SampleBatch, TheColumnBoundsGiveEveryNumbersColumn) {
    // The vector kernel finds a number's column by searching the bounds. For
    // every preset, continuous and discrete, and for a binomial population
    // that must be the table's column, for each of the 32,768 numbers.
    ResetSimulationState();
    SetPopulationGeometry(300, 432);
    const auto check = [](Kind kind, const char* what) {
        ValueTables tables;
        PrepareValueTables(kind, tables);
        ASSERT_TRUE(tables.columnsInOrder) << what;
        for (int r = 0; r <= kRandMax; ++r) {
            const auto below =
                std::count_if(std::begin(tables.columnBounds), std::end(tables.columnBounds),
                              [r](std::uint16_t bound) { return bound <= r; });
            ASSERT_EQ(below, tables.columnOfRand[r]) << what << " number " << r;
        }
    };
    for (int shape = 0; shape <= static_cast<int>(PresetShape::Picture1005); ++shape) {
        g_isContinuous = 1, g_isDiscrete = 0, g_isBinomial = 0;
        ApplyPreset(static_cast<PresetShape>(shape));
        check(Kind::Continuous, "continuous");
        g_isContinuous = 0, g_isDiscrete = 1;
        ApplyPreset(static_cast<PresetShape>(shape));
        check(Kind::Discrete, "discrete");
    }
    g_isDiscrete = 0, g_isBinomial = 1;
    SetBinomialP(0.3);
    check(Kind::Binomial, "binomial");
}

} // namespace
