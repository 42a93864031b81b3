// A full series at speed F: 10,000 samples of 1000 values, nothing drawn;
// and the statistic chosen for such a series.

#include "core/Population.h"
#include "core/Random.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "core/Statistic.h"

#include <benchmark/benchmark.h>

namespace {

class NoDisplay : public SampleDisplay {
  public:
    void Pause(int) override {}
};

void PrepareRun() {
    ResetSimulationState();
    SetSecondsClock([] { return std::int64_t{1700000000}; });
    SetPopulationGeometry(300, 432);
    ApplyPreset(PresetShape::Normal);
    g_speed = 1;
    g_addMoreMode = 0;
}

// A full run at speed F with the statistic chosen; with the median, every
// sample's median and range are kept as it is finished. Read the two side by
// side, from the same run.
void FullSeriesAtSpeedF(benchmark::State& state, Statistic statistic) {
    PrepareRun();
    ChooseStatistic(statistic);
    NoDisplay display;
    for (auto _ : state) {
        const DrawResult result = DrawSamples(kMaxSamples, kMaxSampleSize, display);
        benchmark::DoNotOptimize(result.drawn);
        if (result.drawn != kMaxSamples) state.SkipWithError("the run did not draw every sample");
    }
    state.SetItemsProcessed(state.iterations() * kMaxSamples * kMaxSampleSize);
    SetSecondsClock({});
}

void BM_FullSeriesAtSpeedF(benchmark::State& state) {
    FullSeriesAtSpeedF(state, Statistic::Mean);
}

void BM_FullSeriesAtSpeedFKeepingMedian(benchmark::State& state) {
    FullSeriesAtSpeedF(state, Statistic::Median);
}

// Choosing the median for a full series drawn with the mean chosen: the
// median and range of every sample worked out, the medians sorted.
void BM_ChooseMedianForFullSeries(benchmark::State& state) {
    PrepareRun();
    NoDisplay display;
    if (DrawSamples(kMaxSamples, kMaxSampleSize, display).drawn != kMaxSamples)
        state.SkipWithError("the run did not draw every sample");
    for (auto _ : state) {
        state.PauseTiming();
        ChooseStatistic(Statistic::Mean);
        ForgetSeriesStatistics(); // as if nothing of the series were kept
        state.ResumeTiming();
        const SortedStatistics sorted = ChooseStatistic(Statistic::Median);
        benchmark::DoNotOptimize(sorted.values);
        if (sorted.count != kMaxSamples) state.SkipWithError("a sample has no median");
    }
    SetSecondsClock({});
}

} // namespace

// Each repetition reports its time; the median line is the one to read.
BENCHMARK(BM_FullSeriesAtSpeedF)->Unit(benchmark::kMillisecond)->Repetitions(5);
// At most twice BM_FullSeriesAtSpeedF.
BENCHMARK(BM_FullSeriesAtSpeedFKeepingMedian)->Unit(benchmark::kMillisecond)->Repetitions(5);
// At most 100 ms.
BENCHMARK(BM_ChooseMedianForFullSeries)->Unit(benchmark::kMillisecond)->Repetitions(5);
