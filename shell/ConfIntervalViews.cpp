// The forwards of CWindowViews that reach the Confidence Intervals window.
#include "shell/WindowViews.h"

#include "core/SimulationState.h"
#include "ui/FieldText.h"
#include "windows/confint/ConfIntervalDlg.h"

void CWindowViews::RedrawConfIntervalWindow() {
    if (g_confIntervalWnd) g_confIntervalWnd->RedrawConfIntervalWindow();
}

void CWindowViews::ClearCiResultFields() {
    if (g_confIntervalWnd) g_confIntervalWnd->ClearResultFields();
}

void CWindowViews::ComputeCriticalValue() {
    if (g_confIntervalWnd) g_confIntervalWnd->ComputeCriticalValue();
}

void CWindowViews::DrawIntervalGraph() {
    if (g_confIntervalWnd) g_confIntervalWnd->DrawIntervalGraph();
}

void CWindowViews::ClearCiGraph() {
    if (g_confIntervalWnd) g_confIntervalWnd->ClearGraph();
}

void CWindowViews::DrawInterval(int n, int sampleNo) {
    if (g_confIntervalWnd) g_confIntervalWnd->DrawInterval(n, sampleNo);
}

void CWindowViews::InvalidateCiGraph() {
    if (g_confIntervalWnd) g_confIntervalWnd->RepaintGraph();
}

void CWindowViews::SetCiScrollBar(int maxSample, int) {
    // The thumb stands where the window's own scroll rule shows the page the
    // engine has moved to.
    if (g_confIntervalWnd) g_confIntervalWnd->SetScrollBar(maxSample);
}

void CWindowViews::UpdateCoverageCounts() {
    if (!g_confIntervalWnd) return;
    g_confIntervalWnd->UpdateCoverageCounts();
    // Whichever window's button started the run, and at any speed, the
    // series' count stands beside its coverage.
    g_confIntervalWnd->ShowSampleCount(g_samplesDrawn);
}

void CWindowViews::ShowCiPage() {
    if (g_confIntervalWnd) g_confIntervalWnd->ShowPage();
}

void CWindowViews::CopySampleSizeToCi(const std::string& text) {
    if (g_confIntervalWnd) g_confIntervalWnd->SetSampleSizeText(ToQt(text));
}

void CWindowViews::CopyNumberOfSamplesToCi(const std::string& text) {
    if (g_confIntervalWnd) g_confIntervalWnd->SetNumberOfSamplesText(ToQt(text));
}

void CWindowViews::ShowCiSampleCount(int r) {
    if (g_confIntervalWnd) g_confIntervalWnd->ShowSampleCount(r);
}
