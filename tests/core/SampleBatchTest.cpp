#include "core/SampleBatchAvx512.h"
#include "core/Statistic.h"
#include "tests/core/CoreTestSupport.h"

#include <random>

namespace {

class SampleBatch : public CoreTest {
  protected:
    std::vector<std::vector<double>> RunAll(int speed);
};

// The same list of runs (kind, shape, n, count, ADD MORE, seed) at one speed,
// from a fresh state; everything each run leaves.
std::vector<std::vector<double>> SampleBatch::RunAll(int speed) {
    SetUp();
    std::mt19937 pick(20261206);
    const int sizes[] = {1, 2, 3, 7, 25, 64, 250, 1000};
    std::vector<std::vector<double>> records;
    int n = 1;
    for (int trial = 0; trial < 300; ++trial) {
        g_addMoreMode = trial % 3 != 0; // two in three runs go on from the last
        const int kind = trial / 3 % 3;
        if (!g_addMoreMode) {
            g_isContinuous = kind == 0, g_isDiscrete = kind == 1, g_isBinomial = kind == 2;
            kind == 2 ? SetBinomialP(0.05 * (1 + trial % 20))
                      : ApplyPreset(static_cast<PresetShape>(trial / 9 % 5));
            n = sizes[pick() % std::size(sizes)];
        }
        const int count = 1 + pick() % 40; // around the batch and its groups of eight lanes
        g_seedCarry = static_cast<int>(pick() % 30000);
        g_speed = speed;
        g_statistic = trial % 4 == 1 ? Statistic::Median : Statistic::Mean;
        const int drawn = DrawSamples(count, n, quiet).drawn;
        records.push_back(Picture());
        records.back().push_back(drawn);
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
