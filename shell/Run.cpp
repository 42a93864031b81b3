#include "shell/Run.h"

#include "core/Random.h"
#include "core/SimulationState.h"
#include "shell/RunGate.h"
#include "shell/WindowViews.h"
#include "ui/DrawSamplesButton.h"
#include "ui/RunControl.h"

#include <algorithm>

namespace {
RunWatcher noWatcher;
RunWatcher* watcher = &noWatcher;
CRunGate* runGate = nullptr; // the gate of the run in progress

// The longest stretch of a wait without a look at the input.
constexpr int kWaitSlice = 20;
} // namespace

void SetRunWatcher(RunWatcher* installed) {
    watcher = installed ? installed : &noWatcher;
}

DrawResult CLinkedWindows::RunDrawSamples(int count, int n) {
    DrawResult refused;
    refused.status = DrawResult::Status::NotStarted;
    if (g_runInProgress || !watcher->MayStartRun()) return refused;

    g_runInProgress = 1;
    ClearStopOfRun();
    WindowDisplays().BeginRun();
    CRunGate gate;
    runGate = &gate;
    // Every wait of the run (the engine's pause, a falling value's steps)
    // looks at the input between short slices.
    MillisecondWait outer;
    outer = SetMillisecondWait([&outer](int ms) {
        // A replaced wait (a test's) lets no time pass: it is asked once.
        if (outer) {
            outer(ms);
            if (runGate && g_speed > 1) runGate->Pump();
            return;
        }
        for (int left = ms; left > 0; left -= kWaitSlice) {
            BusyWaitMilliseconds(std::min(left, kWaitSlice));
            if (runGate && g_speed > 1) runGate->Pump();
        }
    });
    CDrawSamplesButton::RepaintAll();
    watcher->RunProgress(0, std::max(count, 0));

    const DrawResult result = DrawSamples(count, n, Displays());

    // Input that came during the last stretch is dropped, not acted on later.
    gate.Pump(true);
    SetMillisecondWait(outer);
    runGate = nullptr;
    g_runInProgress = 0;
    CDrawSamplesButton::RepaintAll();
    watcher->RunEnded();
    return result;
}

bool CWindowDisplays::RunGoesOn(int sampleOfRun, int samplesOfRun) {
    if (runGate && g_speed > 1) {
        watcher->RunProgress(sampleOfRun, samplesOfRun);
        runGate->Pump();
    }
    return !StopOfRunRequested();
}
