// The part of the windows' display that reaches the Samples window.
#include "shell/WindowViews.h"

#include "core/SimulationState.h"
#include "windows/samples/SamplesDlg.h"

void CWindowDisplays::DrawSampleHistogram(int sampleNo, int inProgress, int column) {
    if (g_samplesWnd) g_samplesWnd->DrawSampleHistogram(sampleNo, inProgress, column);
}

void CWindowDisplays::RedrawSamplesWindow() {
    if (g_samplesWnd) g_samplesWnd->RedrawSamplesWindow();
}

void CWindowDisplays::SetSamplesScrollBar(int maxSample, int position) {
    if (g_samplesWnd) g_samplesWnd->SetScrollBar(maxSample, position);
}
