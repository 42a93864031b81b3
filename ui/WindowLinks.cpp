#include "ui/WindowLinks.h"

#include "core/SimulationState.h"

namespace {
WindowLinks g_noLinks;
WindowLinks* g_links = &g_noLinks;
} // namespace

DrawResult WindowLinks::RunDrawSamples(int count, int n) {
    SampleDisplay quiet;
    g_runInProgress = 1;
    const DrawResult result = DrawSamples(count, n, quiet);
    g_runInProgress = 0;
    return result;
}

WindowLinks& Links() {
    return *g_links;
}

void SetWindowLinks(WindowLinks* links) {
    g_links = links ? links : &g_noLinks;
}
