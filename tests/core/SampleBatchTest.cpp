#include "core/SampleBatchAvx512.h"
#include "core/Statistic.h"
#include "tests/core/CoreTestSupport.h"

#include <random>

namespace {

void Append(std::vector<unsigned char>& bytes, const void* p, std::size_t size) {
    bytes.insert(bytes.end(), static_cast<const unsigned char*>(p),
                 static_cast<const unsigned char*>(p) + size);
}

class SampleBatch : public CoreTest {
  protected:
    std::vector<std::vector<unsigned char>> RunAll(int speed);
};

// The same list of runs (kind, shape, n, count, ADD MORE, seed) at one speed,
// from a fresh state; everything each run leaves, as raw bits.
std::vector<std::vector<unsigned char>> SampleBatch::RunAll(int speed) {
    SetUp();
    std::mt19937 pick(20261206);
    const int sizes[] = {1, 2, 3, 7, 25, 64, 250, 1000};
    std::vector<std::vector<unsigned char>> records;
    int n = 1;
    for (int trial = 0; trial < 300; ++trial) {
        g_addMoreMode = trial % 3 != 0; // two in three runs go on from the last
        const int kind = trial / 3 % 3;
        if (!g_addMoreMode) {
            g_isContinuous = kind == 0, g_isDiscrete = kind == 1, g_isBinomial = kind == 2;
            if (kind == 2)
                SetBinomialP(0.05 * (1 + trial % 20));
            else
                ApplyPreset(static_cast<PresetShape>(trial / 9 % 5));
            n = sizes[pick() % std::size(sizes)];
        }
        const int count = 1 + pick() % 40; // around the batch and its groups of eight lanes
        g_seedCarry = static_cast<int>(pick() % 30000);
        g_speed = speed;
        g_statistic = trial % 4 == 1 ? Statistic::Median : Statistic::Mean;
        std::vector<unsigned char> bytes;
        const int drawn = DrawSamples(count, n, quiet).drawn;
        for (int r = 1; r <= g_samplesDrawn; ++r) {
            const SampleRow& row = g_sampleStore[r];
            Append(bytes, row.values + 1, sizeof(float) * n);
            Append(bytes, row.columnCounts, sizeof row.columnCounts);
            Append(bytes, &row.mean, 4 * sizeof(float)); // mean, sd, median, range
        }
        Append(bytes, g_sortedMeans + 1, sizeof(float) * g_samplesDrawn);
        Append(bytes, g_sortedMeanSampleNo + 1, sizeof(int) * g_samplesDrawn);
        Append(bytes, g_meanHistogram, sizeof g_meanHistogram);
        const float sums[] = {g_sumOfMeans, g_sumOfSDs,  g_meanOfMeans,
                              g_sdOfMeans,  g_meanOfSDs, g_sdOfSDs};
        const std::uint32_t state = RandState();
        Append(bytes, sums, sizeof sums);
        Append(bytes, &state, sizeof state);
        Append(bytes, &drawn, sizeof drawn);
        records.push_back(std::move(bytes));
    }
    return records;
}

TEST_F(SampleBatch, SideBySideIsBitForBitOneAtATime) {
    if (!HasAvx512()) GTEST_SKIP() << "no AVX-512 here: speed F draws one sample at a time as well";
    const auto oneAtATime = RunAll(2), sideBySide = RunAll(1);
    ASSERT_EQ(oneAtATime.size(), sideBySide.size());
    for (std::size_t i = 0; i < oneAtATime.size(); ++i)
        ASSERT_TRUE(oneAtATime[i] == sideBySide[i]) << "run " << i << " of kind " << i / 3 % 3;
}

} // namespace
