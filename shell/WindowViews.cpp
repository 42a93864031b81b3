#include "shell/WindowViews.h"

#include "shell/Run.h"

#include "core/SimulationState.h"
#include "ui/FieldText.h"
#include "ui/RepaintNow.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"

CWindowViews& WindowViews() {
    static CWindowViews views;
    return views;
}

void InstallWindowViews() {
    SetViewHooks(&WindowViews());
    SetWindowLinks(&WindowViews());
}

void UninstallWindowViews() {
    SetViewHooks(nullptr);
    SetWindowLinks(nullptr);
}

void CWindowViews::PlaceHandles() {
    if (g_populationWnd) g_populationWnd->PlaceHandles();
}

void CWindowViews::SetSettingsFieldTexts(const std::string& mean, const std::string& sd) {
    if (g_popSettingsWnd)
        g_popSettingsWnd->SetFieldTexts(QString::fromStdString(mean), QString::fromStdString(sd));
}

void CWindowViews::RepaintPopulation() {
    if (g_populationWnd) g_populationWnd->RepaintPlotAndNameBox();
}

void CWindowViews::RedrawCurve() {
    if (g_runInProgress && m_popPictureCurrent) return;
    m_popPictureCurrent = g_runInProgress != 0;
    if (g_isBinomial) {
        if (g_binomialWnd) g_binomialWnd->RedrawBinomial();
    } else if (g_populationWnd) {
        g_populationWnd->RedrawCurve();
    }
}

void CWindowViews::MarkSample(int column) {
    m_popPictureCurrent = false;
    if (g_isBinomial) {
        if (g_binomialWnd) g_binomialWnd->MarkSample(column);
    } else if (g_populationWnd) {
        g_populationWnd->MarkSample(column);
    }
}

void CWindowViews::RefreshDorvaneForPopulation() {
    if (g_samplingDistWnd) g_samplingDistWnd->RepaintIfShown();
}

void CWindowViews::RepaintDorvaneWhole() {
    if (g_samplingDistWnd) g_samplingDistWnd->RepaintIfShown();
}

void CWindowViews::DrawHistogramGraph() {
    if (g_samplingDistWnd) g_samplingDistWnd->DrawHistogramGraph();
}

void CWindowViews::InvalidateHistogram() {
    if (g_samplingDistWnd) g_samplingDistWnd->RepaintHistogram();
}

void CWindowViews::GrowLatestColumn() {
    if (g_samplingDistWnd) g_samplingDistWnd->GrowLatestColumn();
}

void CWindowViews::PaintWhole() {
    if (g_samplingDistWnd) g_samplingDistWnd->PaintWhole();
}

void CWindowViews::InvalidateDorvane() {
    if (g_samplingDistWnd) g_samplingDistWnd->RepaintWindow();
}

void CWindowViews::RefreshPanel() {
    if (g_samplingDistWnd) g_samplingDistWnd->RefreshPanel();
}

void CWindowViews::PlaceLeftSlider() {
    if (g_samplingDistWnd) g_samplingDistWnd->PlaceLeftSlider();
}

void CWindowViews::PlaceRightSlider() {
    if (g_samplingDistWnd) g_samplingDistWnd->PlaceRightSlider();
}

void CWindowViews::ShowSampleCount(int r) {
    if (g_samplingDistWnd) g_samplingDistWnd->ShowSampleCount(r);
    ShowCiSampleCount(r);
}

void CWindowViews::ClearSummaryFields() {
    if (g_samplingDistWnd) g_samplingDistWnd->ClearSummaryFields();
}

void CWindowViews::RebinDorvane() {
    if (g_samplingDistWnd) g_samplingDistWnd->RebinForOptions();
}

void CWindowViews::RefreshDorvanePanel() {
    if (g_samplingDistWnd) g_samplingDistWnd->RefreshPanel();
}

// --- Requests of the windows -----------------------------------------------------

void CWindowViews::DrawSamplesInDorvane() {
    if (g_samplingDistWnd) g_samplingDistWnd->DrawSamples();
}

std::string CWindowViews::DorvaneSampleSizeText() {
    return g_samplingDistWnd ? ToStd(g_samplingDistWnd->SampleSizeText()) : "1";
}

std::string CWindowViews::DorvaneNumberOfSamplesText() {
    return g_samplingDistWnd ? ToStd(g_samplingDistWnd->NumberOfSamplesText()) : "1";
}

void CWindowViews::CopySampleSizeText(SeriesWindow from, const std::string& text) {
    if (from != SeriesWindow::Dorvane && g_samplingDistWnd)
        g_samplingDistWnd->SetSampleSizeText(ToQt(text));
    if (from != SeriesWindow::Samples) CopySampleSizeToSamples(text);
    if (from != SeriesWindow::ConfIntervals) CopySampleSizeToCi(text);
}

void CWindowViews::CopyNumberOfSamplesText(SeriesWindow from, const std::string& text) {
    if (from != SeriesWindow::Dorvane && g_samplingDistWnd)
        g_samplingDistWnd->SetNumberOfSamplesText(ToQt(text));
    if (from != SeriesWindow::Samples) CopyNumberOfSamplesToSamples(text);
    if (from != SeriesWindow::ConfIntervals) CopyNumberOfSamplesToCi(text);
}

void CWindowViews::RepaintDorvaneHistogram() {
    if (g_samplingDistWnd) g_samplingDistWnd->RepaintHistogram();
}

void CWindowViews::MarkSelectionInDorvane() {
    if (g_samplingDistWnd) g_samplingDistWnd->MarkSelection();
}

DrawResult CWindowViews::RunDrawSamples(int count, int n) {
    return ::RunDrawSamples(count, n, *this);
}

bool CWindowViews::RunGoesOn(int sampleOfRun, int samplesOfRun) {
    return ::RunGoesOn(sampleOfRun, samplesOfRun);
}
