// Edit > Copy Series as Text over a full series, 10,000 samples of 1000
// values with their intervals, onto the clipboard as text and HTML (target
// 50 ms).

#include "core/ConfIntervalState.h"
#include "core/Population.h"
#include "core/Random.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "shell/TextCopies.h"

#include <QClipboard>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

class Silent : public SampleDisplay {
  public:
    void Pause(int) override {}
};

void BM_CopySeriesAsTextFullSeries(benchmark::State& state) {
    ResetSimulationState();
    SetSecondsClock([] { return std::int64_t{1700000000}; });
    SetPopulationGeometry(300, 432);
    ApplyPreset(PresetShape::SkewedPlus);
    g_speed = 1;
    Silent display;
    if (DrawSamples(kMaxSamples, kMaxSampleSize, display).drawn != kMaxSamples)
        state.SkipWithError("the run did not draw every sample");
    g_ciSampleSize = kMaxSampleSize; // no window: the intervals of the series' n
    std::size_t characters = 0;
    for (auto _ : state) {
        const TextCopy copy = SeriesCopy();
        PutOnClipboard(copy.table);
        characters = QGuiApplication::clipboard()->text().size();
    }
    if (characters < 10u * kMaxSamples) state.SkipWithError("the clipboard holds too little");
    state.counters["chars"] = static_cast<double>(characters);
    SetSecondsClock({});
}

} // namespace

BENCHMARK(BM_CopySeriesAsTextFullSeries)->Unit(benchmark::kMillisecond);
