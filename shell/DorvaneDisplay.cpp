// The part of the windows' display that reaches the Dorvane window.
#include "shell/WindowViews.h"

#include "core/SimulationState.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"

void CWindowDisplays::RepaintDorvaneWhole() {
    if (g_samplingDistWnd) g_samplingDistWnd->RepaintIfShown();
}

void CWindowDisplays::DrawHistogramGraph() {
    if (g_samplingDistWnd) g_samplingDistWnd->DrawHistogramGraph();
}

void CWindowDisplays::InvalidateHistogram() {
    if (g_samplingDistWnd) g_samplingDistWnd->RepaintHistogram();
}

void CWindowDisplays::GrowLatestColumn() {
    if (g_samplingDistWnd) g_samplingDistWnd->GrowLatestColumn();
}

void CWindowDisplays::PaintWhole() {
    if (g_samplingDistWnd) g_samplingDistWnd->Redraw();
}

void CWindowDisplays::InvalidateDorvane() {
    if (g_samplingDistWnd) g_samplingDistWnd->RepaintWindow();
}

void CWindowDisplays::RefreshPanel() {
    if (g_samplingDistWnd) g_samplingDistWnd->RefreshPanel();
}

void CWindowDisplays::PlaceLeftSlider() {
    if (g_samplingDistWnd) g_samplingDistWnd->PlaceLeftSlider();
}

void CWindowDisplays::PlaceRightSlider() {
    if (g_samplingDistWnd) g_samplingDistWnd->PlaceRightSlider();
}

void CWindowDisplays::ShowSampleCount(int r) {
    // The Confidence Intervals window shows the same count.
    if (g_samplingDistWnd) g_samplingDistWnd->ShowSampleCount(r);
    if (g_confIntervalWnd) g_confIntervalWnd->ShowSampleCount(r);
}

void CWindowDisplays::ClearSummaryFields() {
    if (g_samplingDistWnd) g_samplingDistWnd->ClearSummaryFields();
}
