// The Dorvane window's hot paths with the Population and Dorvane windows
// shown: a press of DRAW SAMPLES for a full series at speed F until its last
// repaint (target 150 ms), PaintWhole over 10,000 samples (5 ms), one slider
// drag step over 10,000 samples (5 ms), and an animated run at speed "4",
// reported per sample.

#include "bench/BenchWindows.h"
#include "core/Population.h"
#include "core/Random.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/WindowViews.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

// The Population and Dorvane windows.
struct Windows : BenchWindows {
    explicit Windows(int scale = 1) : BenchWindows(false, false, scale) {}
    void PressDrawSamples() {
        qobject_cast<QAbstractButton*>(dorvane->Control(IDC_SD_DRAW_SAMPLES))->click();
    }
};

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Argument 1: as described, with the Population window. Argument 0: the
// Population window gone, which leaves the Dorvane window's own share.
void BM_DrawSamplesFullSeriesSpeedF(benchmark::State& state) {
    Windows w;
    if (state.range(0) == 0) {
        w.population.reset();
        g_populationWndVisible = 0;
    }
    w.SetFields(1000, kMaxSamples, 1);
    for (auto _ : state) {
        w.PressDrawSamples();
        benchmark::DoNotOptimize(g_samplesDrawn);
    }
    if (g_samplesDrawn != kMaxSamples) state.SkipWithError("the series was not drawn");
}
BENCHMARK(BM_DrawSamplesFullSeriesSpeedF)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_PaintWholeFullSeries(benchmark::State& state) {
    Windows w(static_cast<int>(state.range(0)));
    if (!w.scaled) state.SkipWithError("no screen at the scale");
    w.SetFields(25, kMaxSamples, 1);
    w.PressDrawSamples();
    g_showNormalOutline = g_showPopOutline = 1;
    for (auto _ : state)
        w.dorvane->PaintWhole();
}
BENCHMARK(BM_PaintWholeFullSeries)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_SliderDragStepFullSeries(benchmark::State& state) {
    Windows w(static_cast<int>(state.range(0)));
    if (!w.scaled) state.SkipWithError("no screen at the scale");
    w.SetFields(25, kMaxSamples, 1);
    w.PressDrawSamples();
    g_leftSliderZ = 0.0f;
    w.dorvane->BringUpToDate();
    QPoint at((g_leftSliderRect.left + g_leftSliderRect.right) / 2,
              (g_leftSliderRect.top + g_leftSliderRect.bottom) / 2);
    SendMouse(w.dorvane.get(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        // Back and forth over the middle of the distribution.
        const QPoint to = at + QPoint((++step % 2) ? 14 : -14, 0);
        SendMouse(w.dorvane.get(), QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    }
    SendMouse(w.dorvane.get(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(BM_SliderDragStepFullSeries)
    ->ArgName("scale")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);

void BM_AnimatedRunSpeed4(benchmark::State& state) {
    Windows w;
    constexpr int kSamples = 1000;
    w.SetFields(25, kSamples, 2);
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        w.PressDrawSamples();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["ms_per_sample"] =
        seconds * 1000.0 / (static_cast<double>(kSamples) * state.iterations());
}
BENCHMARK(BM_AnimatedRunSpeed4)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
