// A full series at speed F: 10,000 samples of 1000 values, nothing drawn.

#include "core/Population.h"
#include "core/Random.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"

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

void BM_FullSeriesAtSpeedF(benchmark::State& state) {
    PrepareRun();
    NoDisplay display;
    for (auto _ : state) {
        const DrawResult result = DrawSamples(kMaxSamples, kMaxSampleSize, display);
        benchmark::DoNotOptimize(result.drawn);
        if (result.drawn != kMaxSamples) state.SkipWithError("the run did not draw every sample");
    }
    state.SetItemsProcessed(state.iterations() * kMaxSamples * kMaxSampleSize);
    SetSecondsClock({});
}

} // namespace

// Each repetition reports its time; the median line is the one to read.
BENCHMARK(BM_FullSeriesAtSpeedF)->Unit(benchmark::kMillisecond)->Repetitions(5);
