// The Samples window's hot paths with the Population, Dorvane and Samples
// windows shown: a whole redraw of the histogram view for a sample of 1000
// values (target 1 ms) and of the grid view over a series of 10,000 samples
// (2 ms), a press of its DRAW SAMPLES for a full series at speed F until the
// last repaint (60 ms), and an animated run at speed 2, reported per value
// (2 ms, the falling block included).
//
// The window's own pauses (the 25 ms the pressed button is held down, and the
// pause after each step of a falling block) are waits, not work: they are
// replaced by nothing here, as the engine's are by its benchmark display.

#include "bench/BenchWindows.h"
#include "core/Population.h"
#include "core/Random.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/WindowViews.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/samples/SamplesDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

// The Population, Dorvane and Samples windows.
struct ThreeWindows : BenchWindows {
    explicit ThreeWindows(int scale = 1) : BenchWindows(true, false, scale) {}
    void PressDrawSamples() {
        qobject_cast<QAbstractButton*>(samples->Control(IDC_SAMPLES_DRAW_SAMPLES))->click();
    }
};

void BM_RedrawHistogramView1000Values(benchmark::State& state) {
    ThreeWindows w(static_cast<int>(state.range(0)));
    if (!w.scaled) state.SkipWithError("no screen at the scale");
    w.SetFields(1000, 10, 1);
    w.PressDrawSamples();
    for (auto _ : state)
        w.samples->RedrawSamplesWindow();
    if (g_samplesDrawn != 10) state.SkipWithError("the series was not drawn");
}
BENCHMARK(BM_RedrawHistogramView1000Values)
    ->ArgName("scale")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);

void BM_RedrawGridViewOf10000Samples(benchmark::State& state) {
    ThreeWindows w(static_cast<int>(state.range(0)));
    if (!w.scaled) state.SkipWithError("no screen at the scale");
    w.SetFields(25, kMaxSamples, 1);
    w.PressDrawSamples();
    qobject_cast<QAbstractButton*>(w.samples->Control(IDC_SAMPLES_VIEW_TOGGLE))->click();
    g_currentSampleNo = 5000;
    for (auto _ : state)
        w.samples->RedrawSamplesWindow();
    if (g_samplesDrawn != kMaxSamples) state.SkipWithError("the series was not drawn");
}
BENCHMARK(BM_RedrawGridViewOf10000Samples)
    ->ArgName("scale")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);

void BM_SamplesPressFullSeriesSpeedF(benchmark::State& state) {
    ThreeWindows w;
    w.SetFields(1000, kMaxSamples, 1);
    for (auto _ : state) {
        w.PressDrawSamples();
        benchmark::DoNotOptimize(g_samplesDrawn);
    }
    if (g_samplesDrawn != kMaxSamples) state.SkipWithError("the series was not drawn");
}
BENCHMARK(BM_SamplesPressFullSeriesSpeedF)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SamplesAnimatedRunSpeed2(benchmark::State& state) {
    ThreeWindows w;
    constexpr int kSamples = 20, kValues = 25;
    w.SetFields(kValues, kSamples, 2);
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        w.PressDrawSamples();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["ms_per_value"] =
        seconds * 1000.0 / (static_cast<double>(kSamples) * kValues * state.iterations());
}
BENCHMARK(BM_SamplesAnimatedRunSpeed2)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
