#include "shell/WindowViews.h"

#include "core/SimulationState.h"
#include "ui/FieldText.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/samples/SamplesDlg.h"

CWindowDisplays& WindowDisplays() {
    static CWindowDisplays displays;
    return displays;
}

CLinkedWindows& LinkedWindows() {
    static CLinkedWindows links;
    return links;
}

void InstallWindowViews() {
    SetDisplays(&WindowDisplays());
    SetWindowLinks(&LinkedWindows());
}

void UninstallWindowViews() {
    SetDisplays(nullptr);
    SetWindowLinks(nullptr);
}

void CLinkedWindows::DrawSamplesInDorvane() {
    if (g_samplingDistWnd) g_samplingDistWnd->DrawSamples();
}

std::string CLinkedWindows::DorvaneSampleSizeText() {
    return g_samplingDistWnd ? ToStd(g_samplingDistWnd->SampleSizeText()) : "1";
}

std::string CLinkedWindows::DorvaneNumberOfSamplesText() {
    return g_samplingDistWnd ? ToStd(g_samplingDistWnd->NumberOfSamplesText()) : "1";
}

void CLinkedWindows::CopySampleSizeText(SeriesWindow from, const std::string& text) {
    if (from != SeriesWindow::Dorvane && g_samplingDistWnd)
        g_samplingDistWnd->SetSampleSizeText(ToQt(text));
    if (from != SeriesWindow::Samples && g_samplesWnd) g_samplesWnd->SetSampleSizeText(ToQt(text));
    if (from != SeriesWindow::ConfIntervals && g_confIntervalWnd)
        g_confIntervalWnd->SetSampleSizeText(ToQt(text));
}

void CLinkedWindows::CopyNumberOfSamplesText(SeriesWindow from, const std::string& text) {
    if (from != SeriesWindow::Dorvane && g_samplingDistWnd)
        g_samplingDistWnd->SetNumberOfSamplesText(ToQt(text));
    if (from != SeriesWindow::Samples && g_samplesWnd)
        g_samplesWnd->SetNumberOfSamplesText(ToQt(text));
    if (from != SeriesWindow::ConfIntervals && g_confIntervalWnd)
        g_confIntervalWnd->SetNumberOfSamplesText(ToQt(text));
}

void CLinkedWindows::MarkSelectionInDorvane() {
    if (g_samplingDistWnd) g_samplingDistWnd->MarkSelection();
}

void CLinkedWindows::SyncSamplesToSelection() {
    if (!g_samplesWnd) return;
    g_samplesWnd->SyncToSelection();
    g_samplesWnd->RedrawSamplesWindow();
}

void CLinkedWindows::ShowCiPage() {
    if (g_confIntervalWnd) g_confIntervalWnd->ShowPage();
}
