// The Confidence Intervals window's hot paths over a full series: its whole
// redraw with a selection and Possible Mu on (target 2 ms), one step of its
// scroll bar (2 ms), the coverage recount (0.5 ms), and a press of DRAW
// SAMPLES for 10,000 samples of 1000 values at speed F with the windows shown
// until the last repaint (60 ms).

#include "bench/BenchWindows.h"
#include "core/Population.h"
#include "core/Random.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/WindowViews.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/IntervalSeries.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// All four windows, as the student has them.
struct Windows : BenchWindows {
    explicit Windows(int scale = 1) : BenchWindows(true, true, scale) {
        ci->RedrawConfIntervalWindow();
    }
    void SetFields(int n, int count) { BenchWindows::SetFields(n, count, 1); }
    void Press(QWidget* button) { qobject_cast<QAbstractButton*>(button)->click(); }
    // A full series of n, one interval selected, Possible Mu on as the main
    // frame switches it.
    void FullSeriesWithSelectionAndPossibleMu(int n) {
        SetFields(n, kMaxSamples);
        Press(dorvane->Control(IDC_SD_DRAW_SAMPLES));
        const QPoint row(300, RowY(g_ciFirstSample + 50));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(row), QPointF(ci->mapToGlobal(row)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ci.get(), &press);
        g_possibleMuExtra = 100;
        g_possibleMu = 1;
        g_ciStripRect.bottom += g_possibleMuExtra;
        ci->ResizeClientTo(QSize(kCiDesignWidth, kCiDesignHeight + g_possibleMuExtra));
        ci->RedrawConfIntervalWindow();
    }
};

void BM_RedrawFullSeriesSelectionPossibleMu(benchmark::State& state) {
    Windows w(static_cast<int>(state.range(0)));
    if (!w.scaled) state.SkipWithError("no screen at the scale");
    w.FullSeriesWithSelectionAndPossibleMu(25);
    if (!g_sampleSelected || w.ci->AcceptanceRegion().isEmpty())
        state.SkipWithError("no selection or no possible-mu display");
    for (auto _ : state)
        w.ci->RedrawConfIntervalWindow();
}
BENCHMARK(BM_RedrawFullSeriesSelectionPossibleMu)
    ->ArgName("scale")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);

// The same with t and sigma unknown, where every redraw searches for t.
void BM_RedrawFullSeriesT(benchmark::State& state) {
    Windows w(static_cast<int>(state.range(0)));
    if (!w.scaled) state.SkipWithError("no screen at the scale");
    w.FullSeriesWithSelectionAndPossibleMu(25);
    g_ciUseZ = 0;
    g_ciSigmaKnown = 0;
    for (auto _ : state)
        w.ci->RedrawConfIntervalWindow();
}
BENCHMARK(BM_RedrawFullSeriesT)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_ScrollStepFullSeries(benchmark::State& state) {
    Windows w(static_cast<int>(state.range(0)));
    if (!w.scaled) state.SkipWithError("no screen at the scale");
    w.FullSeriesWithSelectionAndPossibleMu(25);
    auto* scroll = qobject_cast<QScrollBar*>(w.ci->Control(IDC_CI_SCROLL));
    int step = 0;
    for (auto _ : state)
        scroll->triggerAction((++step % 2) ? QAbstractSlider::SliderSingleStepAdd
                                           : QAbstractSlider::SliderSingleStepSub);
}
BENCHMARK(BM_ScrollStepFullSeries)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_UpdateCoverageCountsFullSeries(benchmark::State& state) {
    Windows w;
    w.SetFields(25, kMaxSamples);
    w.Press(w.dorvane->Control(IDC_SD_DRAW_SAMPLES));
    for (auto _ : state) {
        const CoverageTexts texts = UpdateCoverageCounts(25);
        benchmark::DoNotOptimize(texts.numIn);
    }
    if (g_ciInCount + g_ciOutCount != kMaxSamples) state.SkipWithError("not every sample counted");
}
BENCHMARK(BM_UpdateCoverageCountsFullSeries)->Unit(benchmark::kMicrosecond);

// Argument 0: the Dorvane window's button. Argument 1: this window's button.
void BM_AllWindowsDrawSamplesFullSeriesSpeedF(benchmark::State& state) {
    Windows w;
    w.SetFields(1000, kMaxSamples);
    QWidget* button = state.range(0) ? w.ci->Control(IDC_CI_DRAW_SAMPLES)
                                     : w.dorvane->Control(IDC_SD_DRAW_SAMPLES);
    for (auto _ : state) {
        w.Press(button);
        benchmark::DoNotOptimize(g_samplesDrawn);
    }
    if (g_samplesDrawn != kMaxSamples) state.SkipWithError("the series was not drawn");
}
BENCHMARK(BM_AllWindowsDrawSamplesFullSeriesSpeedF)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
