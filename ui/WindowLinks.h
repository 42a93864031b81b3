#pragma once
// What a window asks of the program beyond its own room: starting a run with
// every window as the engine's display. The shell installs the implementation
// at start-up; without one a run draws into no window, so a window can be
// built and tested on its own.

#include "core/SamplingEngine.h"

class WindowLinks {
  public:
    virtual ~WindowLinks() = default;

    // Runs DrawSamples with g_runInProgress set for its length.
    virtual DrawResult RunDrawSamples(int count, int n);
};

// The installed links (a window-less set when none is installed).
WindowLinks& Links();
// Installs links; nullptr restores the window-less set.
void SetWindowLinks(WindowLinks* links);
