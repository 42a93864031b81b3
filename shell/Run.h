#pragma once
// A run of the engine with the windows as its display (Run.cpp holds
// CLinkedWindows::RunDrawSamples, the one way a run starts, and the windows'
// RunGoesOn). For its length g_runInProgress is 1, every DRAW SAMPLES button
// reads STOP, and the gate lets through only what may act during a run: at
// speeds S to 4 the program answers within 50 ms (between samples, between
// animated values and while it waits); at F it answers nothing until the run
// has ended. While a run is in progress, or once the program is closing, no
// other run starts (status NotStarted).

// What the main frame learns of runs: whether one may start (not once a close
// has been asked for), how far one has come, and that it has ended.
class RunWatcher {
  public:
    virtual ~RunWatcher() = default;
    virtual bool MayStartRun() { return true; }
    virtual void RunProgress(int sampleOfRun, int samplesOfRun) {
        (void)sampleOfRun;
        (void)samplesOfRun;
    }
    virtual void RunEnded() {}
};
// Installs the watcher; nullptr removes it.
void SetRunWatcher(RunWatcher* watcher);
