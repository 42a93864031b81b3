#pragma once
// The windows as the rest of the program sees them, one seam in each
// direction: CWindowDisplays is the core's SampleDisplay (what the engine, the
// population model and the series control tell the windows), CLinkedWindows
// the windows' WindowLinks (what a window asks of the others). Each call goes
// to the window that owns the operation, if it exists; the core itself tests
// the visible flags and the speed.

#include "core/SamplingEngine.h"
#include "ui/WindowLinks.h"

#include <string>

// One part per window, each in a file of its own.
class CWindowDisplays : public SampleDisplay {
  public:
    // --- Population window (PopulationDisplay.cpp), the binomial one while binomial
    void RedrawCurve() override;
    void MarkSample(int column) override;
    void PlaceHandles() override;
    void RepaintPopulation() override;
    void SetSettingsFieldTexts(const std::string& mean, const std::string& sd) override;

    // A run starts: the population picture must be rebuilt at its first redraw.
    void BeginRun() { m_popPictureCurrent = false; }

    // --- Samples window (SamplesDisplay.cpp) -------------------------------------
    void DrawSampleHistogram(int sampleNo, int inProgress, int column) override;
    void RedrawSamplesWindow() override;
    void SetSamplesScrollBar(int maxSample, int position) override;

    // --- Dorvane window (DorvaneDisplay.cpp) -------------------------------------
    void RepaintDorvaneWhole() override;
    void DrawHistogramGraph() override;
    void InvalidateHistogram() override;
    void GrowLatestColumn() override;
    void PaintWhole() override;
    void InvalidateDorvane() override;
    void RefreshPanel() override;
    void PlaceLeftSlider() override;
    void PlaceRightSlider() override;
    void ShowSampleCount(int r) override;
    void ClearSummaryFields() override;

    // --- Confidence Intervals window (ConfIntervalDisplay.cpp) --------------------
    void ClearCiResultFields() override;
    void ComputeCriticalValue() override;
    void DrawIntervalGraph() override;
    void ClearCiGraph() override;
    void DrawInterval(int n, int sampleNo) override;
    void InvalidateCiGraph() override;
    void SetCiScrollBar(int maxSample, int position) override;
    void UpdateCoverageCounts() override;
    void RedrawConfIntervalWindow() override;

    // --- The run itself (Run.cpp) ---------------------------------------------------
    bool RunGoesOn(int sampleOfRun, int samplesOfRun) override;

  private:
    // During a run the engine asks for a population redraw after every sample
    // to wipe the marks of its values. With no marks drawn since the last
    // redraw the picture is already right, and at speed F that skip is most of
    // the run's time.
    bool m_popPictureCurrent = false;
};

// The windows' requests of each other (WindowViews.cpp; the run in Run.cpp).
class CLinkedWindows : public WindowLinks {
  public:
    void DrawSamplesInDorvane() override;
    DrawResult RunDrawSamples(int count, int n) override;
    std::string DorvaneSampleSizeText() override;
    std::string DorvaneNumberOfSamplesText() override;
    void CopySampleSizeText(SeriesWindow from, const std::string& text) override;
    void CopyNumberOfSamplesText(SeriesWindow from, const std::string& text) override;
    void MarkSelectionInDorvane() override;
    void SyncSamplesToSelection() override;
    void ShowCiPage() override;
};

// The program's instances.
CWindowDisplays& WindowDisplays();
CLinkedWindows& LinkedWindows();
// Makes them the core's displays and the windows' links, or takes them away.
void InstallWindowViews();
void UninstallWindowViews();
