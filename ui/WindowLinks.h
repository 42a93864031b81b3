#pragma once
// What a window asks of the program beyond its own room: starting a run with
// every window as the engine's display, keeping the three windows' shared
// fields alike, and showing one selected sample in all of them. The shell
// installs the implementation at start-up; without one a run draws into no
// window and every other request reaches nobody, so a window can be built and
// tested on its own.

#include "core/SamplingEngine.h"

#include <string>

// The three windows that carry the Sample Size and Number of Samples fields.
enum class SeriesWindow { Dorvane, Samples, ConfIntervals };

class WindowLinks {
  public:
    virtual ~WindowLinks() = default;

    // --- The run ------------------------------------------------------------
    // Runs DrawSamples with g_runInProgress set for its length.
    virtual DrawResult RunDrawSamples(int count, int n);
    // Where every DRAW SAMPLES ends: the Dorvane window's DrawSamples, which
    // reads its own fields and writes the run's results back into them.
    virtual void DrawSamplesInDorvane() {}

    // --- The shared fields --------------------------------------------------
    // The Dorvane window's texts, which a new window copies into its own.
    virtual std::string DorvaneSampleSizeText() { return "1"; }
    virtual std::string DorvaneNumberOfSamplesText() { return "1"; }
    // An accepted edit of one window's field goes into the other two windows'
    // fields as a plain copy: no handler runs, so one edit gives one message.
    virtual void CopySampleSizeText(SeriesWindow from, const std::string& text) {
        (void)from;
        (void)text;
    }
    virtual void CopyNumberOfSamplesText(SeriesWindow from, const std::string& text) {
        (void)from;
        (void)text;
    }

    // --- Other windows brought up to date -------------------------------------
    // Dorvane window: invalidate and repaint its histogram rectangle at once.
    virtual void RepaintDorvaneHistogram() {}

    // --- The selected sample (core/Selection) -----------------------------------
    // Dorvane window: place the highlight of g_selectedPos in its columns and,
    // while shown, repaint it whole.
    virtual void MarkSelectionInDorvane() {}
    // Samples window: show the selected sample (SyncToSelection) and redraw.
    virtual void SyncSamplesToSelection() {}
    // Confidence Intervals window: g_ciFirstSample or g_ciScrollPos moved, so
    // its scroll bar follows, and it is redrawn while shown.
    virtual void ShowCiPage() {}
};

// The installed links (a window-less set when none is installed).
WindowLinks& Links();
// Installs links; nullptr restores the window-less set.
void SetWindowLinks(WindowLinks* links);
