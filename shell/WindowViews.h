#pragma once
// The one object through which the core and the windows reach the windows:
// ViewHooks for the population model and the series control, SampleDisplay
// for the sampling engine, WindowLinks for the windows' own requests. Each
// call goes to the window that owns the operation, if it exists; the core
// itself tests the visible flags and the speed.

#include "core/SamplingEngine.h"
#include "core/ViewHooks.h"
#include "ui/WindowLinks.h"

#include <string>

class CWindowViews : public ViewHooks, public SampleDisplay, public WindowLinks {
  public:
    // --- WindowLinks (WindowViews.cpp) ---------------------------------------------
    // A run with the windows as its display (shell/Run.h).
    DrawResult RunDrawSamples(int count, int n) override;
    void DrawSamplesInDorvane() override;
    std::string DorvaneSampleSizeText() override;
    std::string DorvaneNumberOfSamplesText() override;
    void CopySampleSizeText(SeriesWindow from, const std::string& text) override;
    void CopyNumberOfSamplesText(SeriesWindow from, const std::string& text) override;
    void RepaintDorvaneHistogram() override;
    void MarkSelectionInDorvane() override;

    // --- ViewHooks ----------------------------------------------------------
    void PlaceHandles() override;
    void SetSettingsFieldTexts(const std::string& mean, const std::string& sd) override;
    void RepaintPopulation() override;

    // --- SampleDisplay: Population window (the binomial one while binomial) --
    void RedrawCurve() override;
    void MarkSample(int column) override;

    // --- Dorvane window ---------------------------------------------------------
    // ViewHooks: recompute and repaint after a population change, and the
    // whole repaint (PaintWhole, repaint, RefreshPanel), both only while shown.
    void RefreshDorvaneForPopulation() override;
    void RepaintDorvaneWhole() override;
    // SampleDisplay.
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

    // --- SampleDisplay: the run itself (shell/Run.h) ---------------------------
    bool RunGoesOn(int sampleOfRun, int samplesOfRun) override;

    // --- Samples window (SamplesViews.cpp) ---------------------------------------
    // ViewHooks and SampleDisplay.
    void RedrawSamplesWindow() override;
    // SampleDisplay.
    void DrawSampleHistogram(int sampleNo, int inProgress, int column) override;
    void SetSamplesScrollBar(int maxSample, int position) override;
    // WindowLinks.
    void SyncSamplesToSelection() override;

    // --- Confidence Intervals window (ConfIntervalViews.cpp) -----------------------
    // ViewHooks and SampleDisplay.
    void RedrawConfIntervalWindow() override;
    // SampleDisplay.
    void ClearCiResultFields() override;
    void ComputeCriticalValue() override;
    void DrawIntervalGraph() override;
    void ClearCiGraph() override;
    void DrawInterval(int n, int sampleNo) override;
    void InvalidateCiGraph() override;
    void SetCiScrollBar(int maxSample, int position) override;
    void UpdateCoverageCounts() override;
    // WindowLinks.
    void ShowCiPage() override;

    // --- Requests of the main frame ---------------------------------------------
    // Dorvane window: rebuild the histogram at the bin width that is set
    // (Observed, Z-Values, T-Values).
    void RebinDorvane();
    // Dorvane window: RefreshPanel, after the Window menu has shown it.
    void RefreshDorvanePanel();

    // A run starts: the population picture must be rebuilt at its first redraw.
    void BeginRun() { m_popPictureCurrent = false; }

  private:
    // The parts of the shared requests that reach the Samples window
    // (SamplesViews.cpp) and the Confidence Intervals window
    // (ConfIntervalViews.cpp).
    void CopySampleSizeToSamples(const std::string& text);
    void CopyNumberOfSamplesToSamples(const std::string& text);
    void CopySampleSizeToCi(const std::string& text);
    void CopyNumberOfSamplesToCi(const std::string& text);
    void ShowCiSampleCount(int r);

    // During a run the engine asks for a population redraw after every sample
    // to wipe the marks of its values. With no marks drawn since the last
    // redraw the picture is already right, and at speed F that skip is most of
    // the run's time.
    bool m_popPictureCurrent = false;
};

// The program's one instance.
CWindowViews& WindowViews();
// Makes it the core's hooks and the windows' links, or takes it away again.
void InstallWindowViews();
void UninstallWindowViews();
