// The part of the windows' display that reaches the Confidence Intervals window.
#include "shell/WindowViews.h"

#include "core/SimulationState.h"
#include "windows/confint/ConfIntervalDlg.h"

void CWindowDisplays::RedrawConfIntervalWindow() {
    if (g_confIntervalWnd) g_confIntervalWnd->RedrawConfIntervalWindow();
}

void CWindowDisplays::ClearCiResultFields() {
    if (g_confIntervalWnd) g_confIntervalWnd->ClearResultFields();
}

void CWindowDisplays::ComputeCriticalValue() {
    if (g_confIntervalWnd) g_confIntervalWnd->ComputeCriticalValue();
}

void CWindowDisplays::DrawIntervalGraph() {
    if (g_confIntervalWnd) g_confIntervalWnd->DrawIntervalGraph();
}

void CWindowDisplays::ClearCiGraph() {
    if (g_confIntervalWnd) g_confIntervalWnd->ClearGraph();
}

void CWindowDisplays::DrawInterval(int n, int sampleNo) {
    if (g_confIntervalWnd) g_confIntervalWnd->DrawInterval(n, sampleNo);
}

void CWindowDisplays::InvalidateCiGraph() {
    if (g_confIntervalWnd) g_confIntervalWnd->RepaintGraph();
}

void CWindowDisplays::SetCiScrollBar(int maxSample, int) {
    // The thumb stands where the window's own scroll rule shows the page the
    // engine has moved to.
    if (g_confIntervalWnd) g_confIntervalWnd->SetScrollBar(maxSample);
}

void CWindowDisplays::UpdateCoverageCounts() {
    if (!g_confIntervalWnd) return;
    g_confIntervalWnd->UpdateCoverageCounts();
    // Whichever window's button started the run, and at any speed, the
    // series' count stands beside its coverage.
    g_confIntervalWnd->ShowSampleCount(g_samplesDrawn);
}
