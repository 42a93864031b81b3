#pragma once
// The sampling engine: draws a run of samples from the population into the
// Sample store, keeps the sorted means and the histogram, and drives the live
// display of the four windows through SampleDisplay while it works.

#include "core/Random.h"
#include "core/ValueDraw.h"

#include <string>

// Everything the core tells the windows: the engine while it draws, the
// population model and the series control when the shared state changes under
// the windows. The shell installs the windows as the displays (Displays()),
// each call going to the window that owns the operation; tests record the
// calls; the benchmark and a run of the core alone keep the do-nothing
// defaults. The core itself tests the visible flags and the speed before
// calling.
class SampleDisplay {
  public:
    virtual ~SampleDisplay() = default;

    // Population window (the binomial one while binomial).
    virtual void RedrawCurve() {}
    virtual void MarkSample(int column) { (void)column; }
    // Recompute the edit-handle rectangles.
    virtual void PlaceHandles() {}
    // Repaint the plot band and the name box.
    virtual void RepaintPopulation() {}
    // Population settings dialog: show these texts in its mean and SD fields.
    virtual void SetSettingsFieldTexts(const std::string& mean, const std::string& sd) {
        (void)mean;
        (void)sd;
    }

    // Samples window.
    virtual void DrawSampleHistogram(int sampleNo, int inProgress, int column) {
        (void)sampleNo;
        (void)inProgress;
        (void)column;
    }
    virtual void RedrawSamplesWindow() {}
    // Sample scroll bar: range 1..maxSample, thumb at position, redrawn.
    virtual void SetSamplesScrollBar(int maxSample, int position) {
        (void)maxSample;
        (void)position;
    }

    // Dorvane window.
    // While shown: PaintWhole, invalidate, repaint at once, RefreshPanel.
    virtual void RepaintDorvaneWhole() {}
    virtual void DrawHistogramGraph() {}
    // Invalidate g_histRect (erasing) and repaint it at once.
    virtual void InvalidateHistogram() {}
    virtual void GrowLatestColumn() {}
    virtual void PaintWhole() {}
    // Invalidate the whole window (erasing) and repaint it at once.
    virtual void InvalidateDorvane() {}
    virtual void RefreshPanel() {}
    virtual void PlaceLeftSlider() {}
    virtual void PlaceRightSlider() {}
    // Write r into the Dorvane and Confidence Intervals Total Samples Drawn
    // fields and show them.
    virtual void ShowSampleCount(int r) { (void)r; }
    // Empty the four summary fields and show them.
    virtual void ClearSummaryFields() {}

    // Confidence Intervals window.
    virtual void ClearCiResultFields() {}
    virtual void ComputeCriticalValue() {}
    virtual void DrawIntervalGraph() {}
    // Fill g_ciGraphRect white on the Confidence Intervals surface.
    virtual void ClearCiGraph() {}
    virtual void DrawInterval(int n, int sampleNo) {
        (void)n;
        (void)sampleNo;
    }
    // Invalidate the interval graph rectangle (erasing) and repaint it at once.
    virtual void InvalidateCiGraph() {}
    virtual void SetCiScrollBar(int maxSample, int position) {
        (void)maxSample;
        (void)position;
    }
    virtual void UpdateCoverageCounts() {}
    virtual void RedrawConfIntervalWindow() {}

    // The animation pause; a real busy wait unless a test records it instead.
    virtual void Pause(int ms) { WaitMilliseconds(ms); }

    // Asked between the animated values of a sample and between samples
    // (sampleOfRun of samplesOfRun done): the display may let the person at
    // the keyboard change the speed or stop the run meanwhile. False ends
    // the run after the sample in progress, whose remaining values are then
    // drawn without animation.
    virtual bool RunGoesOn(int sampleOfRun, int samplesOfRun) {
        (void)sampleOfRun;
        (void)samplesOfRun;
        return true;
    }
};

// The installed displays (a do-nothing set when none is installed).
SampleDisplay& Displays();
// Installs displays; nullptr restores the do-nothing set.
void SetDisplays(SampleDisplay* displays);

// What the Dorvane window writes back into its fields after a run.
struct DrawResult {
    enum class Status {
        Drawn,           // the run went ahead (possibly with 0 samples)
        NoRoom,          // fewer samples fitted than asked: the run drew those that fit
        Stopped,         // the display stopped the run: it drew `drawn` samples
        NotStarted,      // no run could start (one was in progress, or the program closes)
        BadSampleSize,   // n outside 1..1000: nothing was drawn or changed
        EmptyPopulation, // the population has no weight: nothing was drawn or changed
    };
    // With BadSampleSize, EmptyPopulation and NotStarted every text is empty
    // and the fields are left as they are.
    bool DrewSeries() const {
        return status == Status::Drawn || status == Status::NoRoom || status == Status::Stopped;
    }

    Status status = Status::Drawn;
    int drawn = 0; // samples drawn by this run

    std::string totalSamplesText; // Total Samples Drawn
    std::string meanOfMeansText;
    std::string sdOfMeansText;
    std::string meanOfSdsText;
    std::string sdOfSdsText;
    // Number of Samples to put back; empty means leave the field as it is.
    std::string numberOfSamplesText;
};

// The four summary figures of the series from the summary statistics of its
// last run, in the units the population is shown in now. A figure the series
// does not have (spreads of a single sample, SDs of samples of one value) is
// empty, as are all four without a series.
struct SeriesSummary {
    std::string meanOfMeans, sdOfMeans, meanOfSds, sdOfSds;
};
SeriesSummary SeriesSummaryTexts();

// Draws count samples of n values each, appending to the series in ADD MORE
// mode with an unchanged sample size and starting a new series otherwise.
// At most 10,000 minus the rows kept are drawn. Allocates nothing.
DrawResult DrawSamples(int count, int n, SampleDisplay& display);

// Once per sample while the Dorvane window is shown and animating: either the
// latest column still fits and only grows, or the histogram is rescaled and
// redrawn whole.
void FitLatestColumn(SampleDisplay& display);

// --- Pieces of the run that the windows share --------------------------------

// Histogram bin of a statistic x at the chosen bin width for the current kind,
// or 0 when x has no bin (not finite, or outside bins 1..202). Bin k holds
// the statistics from its lower edge up to, not including, its upper edge; a
// statistic on an edge up to float rounding belongs to the bin above it.
int HistogramBin(float x);

// How far apart two statistics may lie and still be one value that float
// rounding has split: a ten-thousandth of the finest bin width.
double StatisticTolerance();

// Pause of one sample at the current speed: 0, 0, 25, 50, 100 ms.
int PauseForSpeed(int speed);
