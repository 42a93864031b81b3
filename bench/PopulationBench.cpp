// The Population window's two hot paths: a full redraw with its copy to the
// screen (run once per drawn value while the engine animates), and one step
// of a handle drag (ramps, parameters, redraw). Targets: 1 ms and 2 ms, at
// device-pixel ratios 1 and 2.

#include "bench/BenchWindows.h"
#include "core/Population.h"
#include "core/SimulationState.h"
#include "windows/population/PopulationDlg.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void BM_RedrawCurve(benchmark::State& state) {
    ResetSimulationState();
    const bool discrete = state.range(0) != 0;
    CPopulationDlg window;
    if (!UseScale(static_cast<int>(state.range(1)))) state.SkipWithError("no screen at the scale");
    PlaceOnScreen(&window, ScreenAtScale(static_cast<int>(state.range(1))));
    window.show();
    g_isDiscrete = discrete ? 1 : 0;
    g_isContinuous = discrete ? 0 : 1;
    ApplyPreset(PresetShape::Bimodal);
    for (auto _ : state) {
        window.RedrawCurve();
    }
    state.SetLabel(discrete ? "discrete" : "continuous");
}
BENCHMARK(BM_RedrawCurve)
    ->ArgNames({"discrete", "scale"})
    ->ArgsProduct({{0, 1}, {1, 2}})
    ->Unit(benchmark::kMicrosecond);

void BM_DragStep(benchmark::State& state) {
    ResetSimulationState();
    CPopulationDlg window;
    if (!UseScale(static_cast<int>(state.range(0)))) state.SkipWithError("no screen at the scale");
    PlaceOnScreen(&window, ScreenAtScale(static_cast<int>(state.range(0))));
    window.show();
    ApplyPreset(PresetShape::Normal);
    const Rect handle = window.HandleRect(6);
    const QPoint grab((handle.left + handle.right) / 2, (handle.top + handle.bottom) / 2);
    SendMouse(&window, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        // Up and down between two heights, so every step changes the curve.
        const QPoint to(grab.x(), (step++ & 1) ? 60 : 200);
        SendMouse(&window, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    }
    SendMouse(&window, QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(BM_DragStep)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
