#include "shell/Run.h"

#include "core/Random.h"
#include "core/SimulationState.h"
#include "shell/RunGate.h"
#include "shell/WindowViews.h"
#include "ui/DrawSamplesButton.h"
#include "ui/RunControl.h"

#include <algorithm>

namespace {
RunWatcher g_noWatcher;
RunWatcher* g_watcher = &g_noWatcher;
CRunGate* g_gate = nullptr; // the gate of the run in progress

// The longest stretch of a wait without a look at the input.
constexpr int kWaitSlice = 20;
} // namespace

void SetRunWatcher(RunWatcher* watcher) {
    g_watcher = watcher ? watcher : &g_noWatcher;
}

DrawResult RunDrawSamples(int count, int n) {
    return RunDrawSamples(count, n, WindowViews());
}

DrawResult RunDrawSamples(int count, int n, SampleDisplay& display) {
    DrawResult refused;
    refused.status = DrawResult::Status::NotStarted;
    if (g_runInProgress || !g_watcher->MayStartRun()) return refused;

    g_runInProgress = 1;
    ClearStopOfRun();
    WindowViews().BeginRun();
    CRunGate gate;
    g_gate = &gate;
    // Every wait of the run (the engine's pause, a falling value's steps)
    // looks at the input between short slices.
    MillisecondWait outer;
    outer = SetMillisecondWait([&outer](int ms) {
        // A replaced wait (a test's) lets no time pass: it is asked once.
        if (outer) {
            outer(ms);
            if (g_gate && g_speed > 1) g_gate->Pump();
            return;
        }
        for (int left = ms; left > 0; left -= kWaitSlice) {
            BusyWaitMilliseconds(std::min(left, kWaitSlice));
            if (g_gate && g_speed > 1) g_gate->Pump();
        }
    });
    CDrawSamplesButton::RepaintAll();
    g_watcher->RunProgress(0, std::max(count, 0));

    const DrawResult result = DrawSamples(count, n, display);

    // Input that came during the last stretch is dropped, not acted on later.
    gate.Pump(true);
    SetMillisecondWait(outer);
    g_gate = nullptr;
    g_runInProgress = 0;
    CDrawSamplesButton::RepaintAll();
    g_watcher->RunEnded();
    return result;
}

bool RunGoesOn(int sampleOfRun, int samplesOfRun) {
    if (g_gate && g_speed > 1) {
        g_watcher->RunProgress(sampleOfRun, samplesOfRun);
        g_gate->Pump();
    }
    return !StopOfRunRequested();
}
