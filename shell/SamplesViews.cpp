// The forwards of CWindowViews that reach the Samples window.
#include "shell/WindowViews.h"

#include "core/SimulationState.h"
#include "ui/FieldText.h"
#include "windows/samples/SamplesDlg.h"

void CWindowViews::RedrawSamplesWindow() {
    if (g_samplesWnd) g_samplesWnd->RedrawSamplesWindow();
}

void CWindowViews::DrawSampleHistogram(int sampleNo, int inProgress, int column) {
    if (g_samplesWnd) g_samplesWnd->DrawSampleHistogram(sampleNo, inProgress, column);
}

void CWindowViews::SetSamplesScrollBar(int maxSample, int position) {
    if (g_samplesWnd) g_samplesWnd->SetScrollBar(maxSample, position);
}

void CWindowViews::SyncSamplesToSelection() {
    if (!g_samplesWnd) return;
    g_samplesWnd->SyncToSelection();
    g_samplesWnd->RedrawSamplesWindow();
}

void CWindowViews::CopySampleSizeToSamples(const std::string& text) {
    if (g_samplesWnd) g_samplesWnd->SetSampleSizeText(ToQt(text));
}

void CWindowViews::CopyNumberOfSamplesToSamples(const std::string& text) {
    if (g_samplesWnd) g_samplesWnd->SetNumberOfSamplesText(ToQt(text));
}
